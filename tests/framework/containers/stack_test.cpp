#include "framework/containers/stack.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

TEST(Stack, LastInFirstOutThenNull) {
    TStack<Ref<int>> stack;
    auto a = New<int>(1), b = New<int>(2), c = New<int>(3);
    stack.PushArray({a, nullptr, b});
    stack.Push(c);
    EXPECT_EQ(stack.Size(), 3);
    EXPECT_EQ(stack.Peek(), stack.PeekAt(0));
    EXPECT_EQ(stack.PeekAt(2), a);
    EXPECT_EQ(stack.PeekAt(3), nullptr);
    EXPECT_EQ(stack.Pop(), c);
    EXPECT_EQ(stack.Pop(), b);
    EXPECT_EQ(stack.Pop(), a);
    EXPECT_EQ(stack.Pop(), nullptr);
    EXPECT_EQ(stack.Peek(), nullptr);
}

TEST(Queue, FirstInFirstOut) {
    TQueue<Ref<int>> queue;
    TList<Ref<int>> list;
    auto a = New<int>(1), b = New<int>(2), c = New<int>(3);
    list.AddLast(a);
    list.AddLast(b);
    queue.PushList(list);
    queue.Push(c);
    EXPECT_EQ(queue.Pop(), a);
    EXPECT_EQ(queue.Pop(), b);
    EXPECT_EQ(queue.Pop(), c);
    EXPECT_EQ(queue.Pop(), nullptr);
    queue.Push(a);
    queue.Clear();
    EXPECT_EQ(queue.Size(), 0);
}

} // namespace
} // namespace wispwood
