#pragma once
// TStack (last in, first out) and TQueue (first in, first out): list-backed
// containers of object references with one interface. The element taken
// next is always the front of the list.
#include "engine/core/tlist.h"
#include <vector>

namespace wispwood {

template <class V>
class TStackBase {
  public:
    virtual ~TStackBase() = default;

    TList<V> Stack;

    virtual void Push(const V& value) = 0;

    void PushArray(const std::vector<V>& values) {
        for (const V& v : values)
            if (v) Push(v);
    }
    void PushList(const TList<V>& values) {
        for (const V& v : values)
            if (v) Push(v);
    }
    // The front element, removed; null when empty.
    V Pop() { return Stack.RemoveFirst(); }
    V Peek() const { return Stack.First(); }
    // The element at a 0-based position from the front; null beyond the end.
    V PeekAt(int index) const { return Stack.ValueAtIndex(index); }
    void Clear() { Stack.Clear(); }
    int Size() const { return Stack.Count(); }
};

template <class V>
class TStack : public TStackBase<V> {
  public:
    void Push(const V& value) override { this->Stack.AddFirst(value); }
};

template <class V>
class TQueue : public TStackBase<V> {
  public:
    void Push(const V& value) override { this->Stack.AddLast(value); }
};

} // namespace wispwood
