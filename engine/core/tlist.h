#pragma once
// TList: doubly linked list in insertion order. Removing any element while
// the list is being enumerated is allowed: the enumerator already holds the
// next link when the loop body runs, and links that are removed meanwhile are
// stepped over. An element added behind the current one is visited unless
// the current one was the last.
#include "engine/core/ref.h"
#include <cstddef>
#include <utility>
#include <vector>

namespace wispwood {

template <class V>
class TList {
    // Nodes count their own references (the link from the previous node or
    // the head, links handed out, enumerators standing on them). The whole
    // game runs on one thread, so the counts need no atomic operations;
    // walking thousands of particles every update relies on that.
    struct Node {
        V value{};
        Node* next = nullptr; // owns a reference, also once this node is removed
        Node* prev = nullptr;
        int refs = 0;
        int pins = 0; // enumerators standing on the node
        bool removed = false;
        bool dropLater = false;
    };

    static void Acquire(Node* n) {
        if (n) ++n->refs;
    }
    // Frees the node when that was its last reference, and so on down the
    // chain it owns, without recursion.
    static void Release(Node* n) {
        while (n && --n->refs == 0) {
            Node* next = n->next;
            delete n;
            n = next;
        }
    }
    // A removed node lets go of its value at once: values often hold a Link
    // to their own node, and that cycle would otherwise keep both alive. An
    // enumerator standing on it keeps the value until it moves on.
    static void DropValue(Node& n) {
        if (n.pins > 0) {
            n.dropLater = true;
            return;
        }
        n.dropLater = false;
        [[maybe_unused]] V dropped = std::exchange(n.value, V{});
    }
    static void Pin(Node* n) {
        if (n) ++n->pins;
    }
    static void Unpin(Node* n) {
        if (n && --n->pins == 0 && n->dropLater) DropValue(*n);
    }

  public:
    // A handle to one element, for removal without a search.
    class Link {
      public:
        Link() = default;
        Link(const Link& other) : node_(other.node_) { Acquire(node_); }
        Link(Link&& other) noexcept : node_(std::exchange(other.node_, nullptr)) {}
        Link& operator=(Link other) noexcept {
            std::swap(node_, other.node_);
            return *this;
        }
        ~Link() { Release(node_); }
        bool IsValid() const { return node_ && !node_->removed; }
        const V& Value() const { return node_->value; }

      private:
        friend class TList;
        explicit Link(Node* node) : node_(node) { Acquire(node_); }
        Node* node_ = nullptr;
    };

    class Iterator {
      public:
        using value_type = V;
        using difference_type = std::ptrdiff_t;

        Iterator() = default;
        Iterator(const Iterator& other)
            : current_(other.current_), pending_(other.pending_), atEnd_(other.atEnd_) {
            Acquire(current_);
            Pin(current_);
            Acquire(pending_);
        }
        Iterator& operator=(const Iterator& other) {
            if (this != &other) {
                Iterator copy(other);
                Swap(copy);
            }
            return *this;
        }
        ~Iterator() { Leave(); }

        const V& operator*() const { return current_->value; }
        const V* operator->() const { return &current_->value; }
        Iterator& operator++() {
            Fetch(std::exchange(pending_, nullptr));
            return *this;
        }
        bool operator==(const Iterator& other) const { return atEnd_ == other.atEnd_; }
        bool operator!=(const Iterator& other) const { return !(*this == other); }

      private:
        friend class TList;
        // Takes over one reference to first.
        explicit Iterator(Node* first) { Fetch(first); }
        void Swap(Iterator& other) {
            std::swap(current_, other.current_);
            std::swap(pending_, other.pending_);
            std::swap(atEnd_, other.atEnd_);
        }
        void Leave() {
            Unpin(current_);
            Release(current_);
            Release(pending_);
            current_ = pending_ = nullptr;
        }
        // Takes over one reference to node and stands on the first element
        // not removed from there on. The next link is taken now, so an
        // element added behind the last one is not visited.
        void Fetch(Node* node) {
            while (node && node->removed) {
                Node* next = node->next;
                Acquire(next);
                Release(node);
                node = next;
            }
            Leave();
            if (!node) {
                atEnd_ = true;
                return;
            }
            atEnd_ = false;
            current_ = node;
            Pin(current_);
            pending_ = node->next;
            Acquire(pending_);
        }
        Node* current_ = nullptr;
        Node* pending_ = nullptr;
        bool atEnd_ = true;
    };

    TList() = default;
    TList(const TList& other) {
        for (const V& v : other) AddLast(v);
    }
    TList& operator=(const TList& other) {
        if (this != &other) {
            Clear();
            for (const V& v : other) AddLast(v);
        }
        return *this;
    }
    ~TList() { Clear(); }

    Link AddLast(const V& value) {
        Node* node = new Node;
        node->value = value;
        node->prev = tail_;
        Acquire(node);
        if (tail_) {
            tail_->next = node;
        } else {
            head_ = node;
        }
        tail_ = node;
        ++count_;
        return Link(node);
    }

    Link AddFirst(const V& value) {
        Node* node = new Node;
        node->value = value;
        node->next = head_; // takes over the head's reference
        Acquire(node);
        if (head_) {
            head_->prev = node;
        } else {
            tail_ = node;
        }
        head_ = node;
        ++count_;
        return Link(node);
    }

    // Removes the first element equal to the value; 1 if one was found.
    int Remove(const V& value) {
        for (Node* n = head_; n; n = n->next) {
            if (n->value == value) {
                Unlink(n);
                return 1;
            }
        }
        return 0;
    }

    void RemoveLink(const Link& link) {
        if (link.IsValid()) Unlink(link.node_);
    }

    // Removes the element an enumeration of this list stands on, without a
    // search; nothing when it was removed already.
    void Erase(const Iterator& at) {
        if (at.current_ && !at.current_->removed) Unlink(at.current_);
    }

    bool Contains(const V& value) const {
        for (Node* n = head_; n; n = n->next)
            if (n->value == value) return true;
        return false;
    }

    int Count() const { return static_cast<int>(count_); }
    bool IsEmpty() const { return count_ == 0; }

    V First() const { return head_ ? head_->value : V{}; }
    V Last() const { return tail_ ? tail_->value : V{}; }

    V RemoveFirst() {
        if (!head_) return V{};
        V value = head_->value;
        Unlink(head_);
        return value;
    }

    // The element at a 0-based position from the front; empty when out of range.
    V ValueAtIndex(int index) const {
        if (index < 0) return V{};
        for (Node* n = head_; n; n = n->next)
            if (index-- == 0) return n->value;
        return V{};
    }

    std::vector<V> ToArray() const {
        std::vector<V> out;
        out.reserve(count_);
        for (Node* n = head_; n; n = n->next) out.push_back(n->value);
        return out;
    }

    // Every element is removed; enumerations under way end.
    void Clear() {
        Node* n = std::exchange(head_, nullptr);
        tail_ = nullptr;
        count_ = 0;
        while (n) {
            Node* next = std::exchange(n->next, nullptr); // its reference moves here
            n->removed = true;
            n->prev = nullptr;
            DropValue(*n);
            Release(n);
            n = next;
        }
    }

    Iterator begin() const {
        Acquire(head_);
        return Iterator(head_);
    }
    Iterator end() const { return Iterator(); }

  private:
    // The unlinked node keeps its next link so an enumerator standing on it
    // can still move on.
    void Unlink(Node* n) {
        n->removed = true;
        if (n->next)
            n->next->prev = n->prev;
        else
            tail_ = n->prev;
        Acquire(n->next); // for the pointer that now skips n
        if (n->prev) {
            n->prev->next = n->next;
        } else {
            head_ = n->next;
        }
        n->prev = nullptr;
        --count_;
        DropValue(*n);
        Release(n); // the pointer that held it
    }

    Node* head_ = nullptr; // owns a reference
    Node* tail_ = nullptr;
    size_t count_ = 0;
};

} // namespace wispwood
