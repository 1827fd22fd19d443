#include "doc/csv_line.h"

#include <gtest/gtest.h>

#include <string>

namespace quenda {
namespace {

// Written with Q for a double quote, K for a comma and T for a TAB, as the rules are stated.
std::string Spell(std::string s) {
  for (char& c : s) c = c == 'Q' ? '"' : c == 'K' ? ',' : c == 'T' ? '\t' : c;
  return s;
}

TEST(ConvertCsvLine, CommasBecomeTabsByTheQuoteRule) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"xKyKz", "xTyTz"},
      {"QxQKQyQKQzQ", "QxQTQyQTQzQ"},
      {"1KQxQKQyQ", "1KQxQTQyQ"},          // only the Q K Q comma
      {"QxQKQKQKQyQ", "QxQTQKQTQyQ"},      // the middle comma shares a quote
      {"QxKyQKz", "QxTyQTz"},              // no Q K Q: the quoted field splits
      {"xTyKz", "xTyTz"},                  // a TAB already there stays
      {"", ""},
      {"K", "T"},
      {"KK", "TT"},
      {"QKQ", "QTQ"},
      {"QKQKQKQ", "QTQKQTQ"},
      {"noseparator", "noseparator"},
  };
  for (const Case& c : cases) {
    std::string line = Spell(c.in);
    ConvertCsvLine(line.data(), line.size());
    EXPECT_EQ(line, Spell(c.out)) << c.in;
  }
}

TEST(ConvertCsvLine, Cp932SecondBytesAreNeverSeparators) {
  // Second bytes of CP932 characters are 0x40 and above, so commas, quotes and TABs found by a
  // byte scan are always real: 表 (0x95 0x5C) and ア (0x83 0x41) pass through unchanged.
  std::string line = "\x95\x5C,\x83\x41,\"\x95\x5C\"";
  ConvertCsvLine(line.data(), line.size());
  EXPECT_EQ(line, "\x95\x5C\t\x83\x41\t\"\x95\x5C\"");
}

}  // namespace
}  // namespace quenda
