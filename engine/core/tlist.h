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
    struct Node {
        V value{};
        std::shared_ptr<Node> next;
        Node* prev = nullptr;
        bool removed = false;
    };

  public:
    // A handle to one element, for removal without a search.
    class Link {
      public:
        Link() = default;
        bool IsValid() const { return node_ && !node_->removed; }
        const V& Value() const { return node_->value; }

      private:
        friend class TList;
        explicit Link(std::shared_ptr<Node> node) : node_(std::move(node)) {}
        std::shared_ptr<Node> node_;
    };

    class Iterator {
      public:
        using value_type = V;
        using difference_type = std::ptrdiff_t;

        Iterator() = default;
        const V& operator*() const { return value_; }
        const V* operator->() const { return &value_; }
        Iterator& operator++() {
            Fetch(std::move(pending_));
            return *this;
        }
        bool operator==(const Iterator& other) const { return atEnd_ == other.atEnd_; }
        bool operator!=(const Iterator& other) const { return !(*this == other); }

      private:
        friend class TList;
        explicit Iterator(std::shared_ptr<Node> first) { Fetch(std::move(first)); }
        void Fetch(std::shared_ptr<Node> node) {
            // Removed nodes keep their next link, so the walk goes on from
            // them; moves keep the reference counts still while it does.
            while (node && node->removed) node = node->next;
            if (!node) {
                atEnd_ = true;
                value_ = V{};
                pending_.reset();
                current_.reset();
                return;
            }
            atEnd_ = false;
            value_ = node->value;
            pending_ = node->next;
            current_ = std::move(node);
        }
        V value_{};
        std::shared_ptr<Node> current_;
        std::shared_ptr<Node> pending_;
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
        auto node = std::make_shared<Node>();
        node->value = value;
        node->prev = tail_;
        if (tail_) {
            tail_->next = node;
        } else {
            head_ = node;
        }
        tail_ = node.get();
        ++count_;
        return Link(node);
    }

    Link AddFirst(const V& value) {
        auto node = std::make_shared<Node>();
        node->value = value;
        node->next = head_;
        if (head_) {
            head_->prev = node.get();
        } else {
            tail_ = node.get();
        }
        head_ = node;
        ++count_;
        return Link(node);
    }

    // Removes the first element equal to the value; 1 if one was found.
    int Remove(const V& value) {
        for (Node* n = head_.get(); n; n = n->next.get()) {
            if (n->value == value) {
                Unlink(n);
                return 1;
            }
        }
        return 0;
    }

    void RemoveLink(const Link& link) {
        if (link.IsValid()) Unlink(link.node_.get());
    }

    // Removes the element an enumeration of this list stands on, without a
    // search; nothing when it was removed already.
    void Erase(const Iterator& at) {
        if (at.current_ && !at.current_->removed) Unlink(at.current_.get());
    }

    bool Contains(const V& value) const {
        for (Node* n = head_.get(); n; n = n->next.get())
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
        Unlink(head_.get());
        return value;
    }

    // The element at a 0-based position from the front; empty when out of range.
    V ValueAtIndex(int index) const {
        if (index < 0) return V{};
        for (Node* n = head_.get(); n; n = n->next.get())
            if (index-- == 0) return n->value;
        return V{};
    }

    std::vector<V> ToArray() const {
        std::vector<V> out;
        out.reserve(count_);
        for (Node* n = head_.get(); n; n = n->next.get()) out.push_back(n->value);
        return out;
    }

    // Every element is removed; enumerations under way end.
    void Clear() {
        std::shared_ptr<Node> node = std::move(head_);
        while (node) {
            node->removed = true;
            node->prev = nullptr;
            std::shared_ptr<Node> next = std::move(node->next);
            DropValue(*node);
            node = std::move(next);
        }
        tail_ = nullptr;
        count_ = 0;
    }

    Iterator begin() const { return Iterator(head_); }
    Iterator end() const { return Iterator(); }

  private:
    // The unlinked node keeps its next link so an enumerator parked on it
    // can still move on.
    void Unlink(Node* n) {
        std::shared_ptr<Node> keep = n->prev ? n->prev->next : head_;
        n->removed = true;
        if (n->next)
            n->next->prev = n->prev;
        else
            tail_ = n->prev;
        if (n->prev) {
            n->prev->next = n->next;
        } else {
            head_ = n->next;
        }
        n->prev = nullptr;
        --count_;
        DropValue(*n);
    }

    // A removed node lets go of its value at once: values often hold a Link
    // to their own node, and that cycle would otherwise keep both alive.
    // Enumerators copied the value when they reached the node.
    static void DropValue(Node& n) { [[maybe_unused]] V dropped = std::exchange(n.value, V{}); }

    std::shared_ptr<Node> head_;
    Node* tail_ = nullptr;
    size_t count_ = 0;
};

} // namespace wispwood
