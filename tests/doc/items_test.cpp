#include "doc/items.h"

#include <gtest/gtest.h>

#include <string>

namespace quenda {
namespace {

TEST(ItemOf, FieldsBetweenTabs) {
  struct Case {
    std::string_view line;
    std::size_t n;
    std::optional<std::string_view> expected;
  } cases[] = {
      {"a\tb\t", 0, "a"},
      {"a\tb\t", 1, "b"},
      {"a\tb\t", 2, ""},  // a TAB at the end makes the last item empty
      {"a\tb\t", 3, std::nullopt},
      {"whole", 0, "whole"},
      {"whole", 1, std::nullopt},
      {"", 0, ""},
      {"\"q\"\tx", 0, "\"q\""},  // quotes belong to the item
      {"\x95\x5C\t\x83\x41", 1, "\x83\x41"},
  };
  for (const Case& c : cases) EXPECT_EQ(ItemOf(c.line, c.n), c.expected) << c.line << " #" << c.n;
}

TEST(CountItems, TabsPlusOne) {
  EXPECT_EQ(CountItems(""), 1u);
  EXPECT_EQ(CountItems("a"), 1u);
  EXPECT_EQ(CountItems("a\tb\t"), 3u);
  // Long lines are counted in blocks of bytes; TABs on both sides of a block boundary count.
  EXPECT_EQ(CountItems(std::string(40, '\t')), 41u);
  EXPECT_EQ(CountItems("0123456789abcde\t\t0123456789abcdef\tx"), 4u);
}

TEST(StripOuterQuotes, OneQuoteAtEachEnd) {
  struct Case {
    std::string_view item, value;
  } cases[] = {
      {"\"abc\"", "abc"}, {"\"\"", ""},        {"\"", ""},         {"\"abc", "abc"},
      {"abc\"", "abc"},   {"\"a\"\"b\"", "a\"\"b"}, {"a\"b", "a\"b"}, {"", ""},
      {"\"\"\"\"", "\"\""},
  };
  for (const Case& c : cases) EXPECT_EQ(StripOuterQuotes(c.item), c.value) << c.item;
}

}  // namespace
}  // namespace quenda
