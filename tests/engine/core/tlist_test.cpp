#include "engine/core/tlist.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

std::vector<int> Values(const TList<int>& list) {
    std::vector<int> out;
    for (int v : list) out.push_back(v);
    return out;
}

TEST(TList, KeepsInsertionOrderAtBothEnds) {
    TList<int> list;
    list.AddLast(2);
    list.AddLast(3);
    list.AddFirst(1);
    EXPECT_EQ(Values(list), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.First(), 1);
    EXPECT_EQ(list.Last(), 3);
    EXPECT_EQ(list.Remove(2), 1);
    EXPECT_EQ(list.Remove(2), 0);
    EXPECT_EQ(Values(list), (std::vector<int>{1, 3}));
}

TEST(TList, RemovingDuringEnumerationVisitsEveryOtherElementOnce) {
    TList<int> list;
    for (int i = 0; i < 6; ++i) list.AddLast(i);
    std::vector<int> seen;
    for (int v : list) {
        seen.push_back(v);
        list.Remove(v);             // the current element
        if (v == 1) list.Remove(2); // the next one, already fetched
        if (v == 3) list.Remove(5); // further ahead
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 3, 4}));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(list.IsEmpty());
}

// Erasing where the walk stands removes that element only, also when the
// loop body removed it, or its neighbours, first.
TEST(TList, ErasingTheCurrentElementRemovesJustIt) {
    TList<int> list;
    for (int i = 0; i < 6; ++i) list.AddLast(i);
    std::vector<int> seen;
    for (auto it = list.begin(); it != list.end(); ++it) {
        seen.push_back(*it);
        if (*it == 1) list.Remove(1);
        if (*it == 2) list.Remove(3);
        if (*it % 2 == 0 || *it == 1) list.Erase(it);
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 4, 5}));
    EXPECT_EQ(list.ToArray(), (std::vector<int>{5}));
    list.Erase(list.end());
    EXPECT_EQ(list.Count(), 1);
}

TEST(TList, ElementsAddedDuringEnumerationAreVisitedUnlessAtTheLast) {
    TList<int> list;
    list.AddLast(1);
    list.AddLast(2);
    std::vector<int> seen;
    for (int v : list) {
        seen.push_back(v);
        if (v == 1) list.AddLast(10);  // behind a current that is not last: visited
        if (v == 10) list.AddLast(20); // the current was last: not visited
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 10}));
    EXPECT_EQ(list.Count(), 4);
}

TEST(TList, ClearDuringEnumerationEndsIt) {
    TList<int> list;
    for (int i = 0; i < 4; ++i) list.AddLast(i);
    int visits = 0;
    for (int v : list) {
        (void)v;
        ++visits;
        list.Clear();
    }
    EXPECT_EQ(visits, 1);
}

TEST(TList, LinksRemoveWithoutSearchAndOnlyOnce) {
    TList<Ref<int>> list;
    auto a = New<int>(1), b = New<int>(1);
    list.AddLast(a);
    auto link = list.AddLast(b);
    list.RemoveLink(link);
    list.RemoveLink(link);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.First(), a); // same value, other object: kept
}

// An element that keeps the link to its own node (for removal without a
// search) must still be freed when removed or when the list goes.
struct Member {
    TList<Ref<Member>>::Link link;
    static int alive;
    Member() { ++alive; }
    ~Member() { --alive; }
};
int Member::alive = 0;

TEST(TList, ElementsHoldingTheirOwnLinkAreFreed) {
    {
        TList<Ref<Member>> list;
        for (int i = 0; i < 3; ++i) {
            auto m = New<Member>();
            m->link = list.AddLast(m);
        }
        auto first = list.First();
        list.RemoveLink(first->link);
        first.reset();
        EXPECT_EQ(Member::alive, 2);
        for (const auto& m : list) list.Remove(m); // removal while enumerating
        EXPECT_EQ(Member::alive, 0);
        auto kept = New<Member>();
        kept->link = list.AddLast(kept);
    }
    EXPECT_EQ(Member::alive, 0); // the list's end frees the rest
}

TEST(TList, LongListDestroysWithoutDeepRecursion) {
    auto list = std::make_unique<TList<int>>();
    for (int i = 0; i < 1000000; ++i) list->AddLast(i);
    list.reset();
    SUCCEED();
}

} // namespace
} // namespace wispwood
