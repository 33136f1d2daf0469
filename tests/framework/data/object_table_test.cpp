#include "framework/data/object_table.h"
#include "framework/data/split_string.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

TEST(ObjectTable, FormatterNormalisesAddAndLookUp) {
    ObjectTable<int> table(KeyFormatter);
    table.Add("  Hello ", New<int>(1));
    ASSERT_TRUE(table.LookUp("HELLO"));
    EXPECT_EQ(*table.LookUp("hello\t"), 1);
    table.Add("hello", New<int>(2));
    EXPECT_EQ(*table.LookUp("Hello"), 2);
    EXPECT_EQ(table.Count(), 1);
    EXPECT_FALSE(table.LookUp("hell"));
}

TEST(ObjectTable, EnumeratesInByteOrderWithPrefixesFirst) {
    ObjectTable<Text> table;
    for (const char* key : {"b", "ab", "a", "", "\xC9", "B"}) table.Add(key, New<Text>(key));
    std::vector<Text> names;
    for (const auto& branch : table.GetBranches()) names.push_back(branch.Name);
    EXPECT_EQ(names, (std::vector<Text>{"", "B", "a", "ab", "b", "\xC9"}));
    EXPECT_EQ(*table.ObjectEnumerator().front(), "");
}

TEST(SplitString, LimitsSplitsAndFormatsParts) {
    EXPECT_EQ(SplitString("a,b,,c", ","), (TextArray{"a", "b", "", "c"}));
    EXPECT_EQ(SplitString("a = b = c", "=", TrimFormatter, 2), (TextArray{"a", "b", "c"}));
    EXPECT_EQ(SplitString("a = b = c", "=", TrimFormatter, 1), (TextArray{"a", "b = c"}));
    EXPECT_EQ(SplitString("", ","), (TextArray{""}));
    EXPECT_EQ(SplitString("a,b", ""), (TextArray{"a,b"}));
    EXPECT_EQ(SplitString("a;b", ";x"), (TextArray{"a", "b"})); // first character only
    EXPECT_EQ(SplitString(Text(300, ','), ",").size(), 301u);
    EXPECT_EQ(RepeatString("ab", 3), "ababab");
    EXPECT_EQ(RepeatString("ab", -1), "");
}

TEST(TextFormatter, StepsRunInOrder) {
    EXPECT_EQ(KeyFormatter->Apply("  MiXeD \xC9 "), "mixed \xC9");
    EXPECT_EQ(UpperFormatter->Apply("abc\xE9"), "ABC\xE9");
    EXPECT_EQ(TrimFormatter->Apply(" \t "), "");
    TextFormatter empty;
    EXPECT_EQ(empty.Apply(" x "), " x ");
}

} // namespace
} // namespace wispwood
