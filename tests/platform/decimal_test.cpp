#include "platform/decimal.h"

#include <gtest/gtest.h>

namespace quenda {
namespace {

TEST(ParseLeadingDecimal, TakesTheLeadingNumber) {
  struct Case {
    const char* text;
    std::int32_t expected;
  } cases[] = {
      {"12", 12},          {"20abc", 20},       {"  \t7", 7},     {"+5", 5},
      {"-13", -13},        {"abc", 0},          {"", 0},          {"-", 0},
      {"- 3", 0},          {"4 5", 4},          {"007", 7},       {"2147483647", 2147483647},
      {"2147483648", -2147483647 - 1},          {"4294967297", 1},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseLeadingDecimal(c.text), c.expected) << c.text;
}

}  // namespace
}  // namespace quenda
