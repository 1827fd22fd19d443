#include "cli/command_line.h"

#include <gtest/gtest.h>

namespace quenda::cli {
namespace {

using Args = std::vector<std::string>;

TEST(ParseCommandLine, Commands) {
  ParseResult r = ParseCommandLine({"sort", "in.csv", "out.tsv", "--item", "3", "--descending", "--header"});
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.invocation.command, Command::Sort);
  EXPECT_EQ(r.invocation.input, "in.csv");
  EXPECT_EQ(r.invocation.output, "out.tsv");
  EXPECT_EQ(r.invocation.item, 2u) << "--item counts from 1";
  EXPECT_TRUE(r.invocation.descending);
  EXPECT_TRUE(r.invocation.header);

  r = ParseCommandLine({"pickout", "--item", "1", "in.csv", "out.txt", "--head", "<", "--tail", "-->"});
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.invocation.command, Command::PickOut);
  EXPECT_EQ(r.invocation.item, 0u);
  EXPECT_EQ(r.invocation.head, "<");
  EXPECT_EQ(r.invocation.tail, "-->") << "an option's value may start with a dash";
  EXPECT_FALSE(r.invocation.header);

  r = ParseCommandLine({"convert", "--", "-in.csv", "out.tsv"});
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.invocation.input, "-in.csv");

  EXPECT_EQ(ParseCommandLine({"info", "in.csv"}).invocation.command, Command::Info);
  EXPECT_EQ(ParseCommandLine({"--help"}).invocation.command, Command::Help);
  EXPECT_EQ(ParseCommandLine({"sort", "--help"}).invocation.command, Command::Help);
  EXPECT_EQ(ParseCommandLine({"--version"}).invocation.command, Command::Version);
}

TEST(ParseCommandLine, UsageErrors) {
  const Args bad[] = {
      {},
      {"frobnicate", "a", "b"},
      {"sort", "in.csv", "out.csv"},                       // no --item
      {"sort", "in.csv", "out.csv", "--item"},             // no number
      {"sort", "in.csv", "out.csv", "--item", "0"},        // items count from 1
      {"sort", "in.csv", "out.csv", "--item", "x"},
      {"sort", "in.csv", "out.csv", "--item", "3x"},
      {"sort", "in.csv", "out.csv", "--item", "-1"},
      {"pickout", "in.csv", "--item", "1"},                // no OUT
      {"convert", "in.csv"},
      {"convert", "a", "b", "c"},
      {"info"},
      {"info", "a", "b"},
      {"convert", "a", "b", "--item", "2"},                // not an option of convert
      {"sort", "a", "b", "--item", "1", "--head", "x"},    // not an option of sort
      {"pickout", "a", "b", "--item", "1", "--descending"},
      {"pickout", "a", "b", "--item", "1", "--head"},      // no text
  };
  for (const Args& args : bad) {
    const ParseResult r = ParseCommandLine(args);
    EXPECT_FALSE(r.ok) << ::testing::PrintToString(args);
    EXPECT_FALSE(r.error.empty());
  }
}

}  // namespace
}  // namespace quenda::cli
