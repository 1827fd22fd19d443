// The batch tool as a real process: exit status, stdout, stderr and the files it leaves.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/common/temp_dir.h"

namespace quenda {
namespace {

using test_files::ReadBytes;
using test_files::TempDir;
using test_files::WriteBytes;

struct Outcome {
  int exitCode;
  std::string out;
  std::string err;
};

std::string Quote(const std::string& arg) {
  std::string quoted = "'";
  for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Runs quenda-cli through sh, after `prelude` (such as a ulimit), capturing both streams.
Outcome RunCli(const TempDir& dir, const std::vector<std::string>& args, const std::string& prelude = "") {
  std::string command = prelude + " exec " + Quote(QUENDA_CLI);
  for (const std::string& a : args) command += " " + Quote(a);
  const std::string out = dir.File(".stdout"), err = dir.File(".stderr");
  const int status = std::system(("sh -c " + Quote(command) + " >" + Quote(out) + " 2>" + Quote(err)).c_str());
  Outcome o{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(out), ReadBytes(err)};
  std::filesystem::remove(out);
  std::filesystem::remove(err);
  return o;
}

// The fixture: a header, quoted fields, a quoted comma, and CP932 text whose second bytes are
// 0x5C (表, ソ) and 'A'-'Z' (ア 0x83 0x41, ス 0x83 0x58). The second line holds quote-comma-quote,
// so only that comma separates items (two items: 3,"表" and "ソ"); the third holds none, so
// every comma does, the quoted one too (four items).
const std::string kCp932 =
    "id,name,kana\r\n"
    "3,\"\x95\x5C\",\"\x83\x5C\"\r\n"
    "1,\"b, c\",\x83\x41\r\n"
    "2,B,\x83\x58\n";

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteBytes(in, kCp932); }
  TempDir dir;
  const std::string in = dir.File("in.csv");
};

TEST_F(CliTest, ConvertWritesTheOtherFormat) {
  const Outcome o = RunCli(dir, {"convert", in, dir.File("out.tsv")});
  EXPECT_EQ(o.exitCode, 0);
  EXPECT_EQ(o.err, "");
  EXPECT_EQ(ReadBytes(dir.File("out.tsv")),
            "id\tname\tkana\r\n3,\"\x95\x5C\"\t\"\x83\x5C\"\r\n1\t\"b\t c\"\t\x83\x41\r\n2\tB\t\x83\x58\r\n");
}

TEST_F(CliTest, WritesToStandardOutput) {
  const Outcome o = RunCli(dir, {"pickout", in, "/dev/stdout", "--item", "1", "--header"});
  EXPECT_EQ(o.exitCode, 0) << o.err;
  // Item 1 of the second line is 3,"表" : only its closing quote is dropped.
  EXPECT_EQ(o.out, "3,\"\x95\x5C\r\n1\r\n2\r\n");
}

TEST_F(CliTest, SortByAnItemCountedFromOne) {
  struct Case {
    std::vector<std::string> options;
    std::string bytes;
  } cases[] = {
      {{"--item", "1", "--header"}, "id,name,kana\r\n1,\"b, c\",\x83\x41\r\n2,B,\x83\x58\r\n3,\"\x95\x5C\",\"\x83\x5C\"\r\n"},
      {{"--item", "1", "--header", "--descending"},
       "id,name,kana\r\n3,\"\x95\x5C\",\"\x83\x5C\"\r\n2,B,\x83\x58\r\n1,\"b, c\",\x83\x41\r\n"},
      // Item 3 is missing from the two-item line (an empty key, first), " c\"" starts with a
      // blank, then "kana" of the header, then ス (0x83 0x58), whose 'X' is not folded.
      {{"--item", "3"}, "3,\"\x95\x5C\",\"\x83\x5C\"\r\n1,\"b, c\",\x83\x41\r\nid,name,kana\r\n2,B,\x83\x58\r\n"},
      {{"--item", "3", "--descending"}, "2,B,\x83\x58\r\nid,name,kana\r\n1,\"b, c\",\x83\x41\r\n3,\"\x95\x5C\",\"\x83\x5C\"\r\n"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"sort", in, dir.File("out.csv")};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const Outcome o = RunCli(dir, args);
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_EQ(ReadBytes(dir.File("out.csv")), c.bytes) << ::testing::PrintToString(c.options);
  }
}

TEST_F(CliTest, PickOutWithHeadAndTail) {
  const Outcome o = RunCli(dir, {"pickout", in, dir.File("p.txt"), "--item", "2", "--head", "<", "--tail", ">", "--header"});
  EXPECT_EQ(o.exitCode, 0) << o.err;
  // Item 2 of the second line is "ソ" (quotes dropped); of the third, "b with its one quote.
  EXPECT_EQ(ReadBytes(dir.File("p.txt")), "<\x83\x5C>\r\n<b>\r\n<B>\r\n");
}

TEST_F(CliTest, InfoReportsLinesCodePageAndItems) {
  const Outcome o = RunCli(dir, {"info", in});
  EXPECT_EQ(o.exitCode, 0);
  EXPECT_EQ(o.out, "lines: 4\ncode page: CP932\nitems in the first line: 3\nmost items in a line: 4\n");
}

TEST_F(CliTest, UnreadableInputFailsWithOneLineAndWritesNothing) {
  const Outcome o = RunCli(dir, {"convert", dir.File("missing.csv"), dir.File("out.tsv")});
  EXPECT_EQ(o.exitCode, 1);
  EXPECT_NE(o.err.find(dir.File("missing.csv")), std::string::npos) << o.err;
  EXPECT_NE(o.err.find("No such file or directory"), std::string::npos) << o.err;
  EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1);
  EXPECT_FALSE(std::filesystem::exists(dir.File("out.tsv")));
}

TEST_F(CliTest, UnwritableOutputFailsAndNamesIt) {
  for (const char* command : {"convert", "pickout"}) {
    std::vector<std::string> args = {command, in, dir.File("no/dir/out.csv")};
    if (std::string(command) == "pickout") args.insert(args.end(), {"--item", "1"});
    const Outcome o = RunCli(dir, args);
    EXPECT_EQ(o.exitCode, 1) << command;
    EXPECT_NE(o.err.find(dir.File("no/dir/out.csv")), std::string::npos) << o.err;
  }
}

TEST_F(CliTest, WriteCutShortLeavesTheOldFileExactlyAsItWas) {
  // A file-size limit of a few blocks makes the write fail half-way (EFBIG); the input is
  // larger than the writer's buffer, so writing goes on being asked for after the failure.
  std::string big;
  while (big.size() < (3u << 20)) big += "1,\"long enough text\",x\n";
  WriteBytes(in, big);
  const std::string out = dir.File("out.csv");
  WriteBytes(out, "precious old contents\n");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"convert", in, out}, {"sort", in, out, "--item", "2"},
        {"pickout", in, out, "--item", "2"}}) {
    const Outcome o = RunCli(dir, args, "ulimit -f 8;");
    EXPECT_EQ(o.exitCode, 1) << args[0];
    EXPECT_NE(o.err.find(out), std::string::npos) << o.err;
    EXPECT_EQ(ReadBytes(out), "precious old contents\n") << args[0];
  }
  std::size_t entries = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) entries += e.path().filename() != ".stdout";
  EXPECT_EQ(entries, 2u) << "no temporary file is left behind";
}

TEST_F(CliTest, UsageErrorsExitWithTwoAndTheUsage) {
  const std::vector<std::string> bad[] = {
      {}, {"bogus"}, {"sort", in, dir.File("o.csv")}, {"sort", in, dir.File("o.csv"), "--item", "0"},
      {"sort", in, dir.File("o.csv"), "--item", "x"}, {"convert", in}, {"info"},
  };
  for (const auto& args : bad) {
    const Outcome o = RunCli(dir, args);
    EXPECT_EQ(o.exitCode, 2) << ::testing::PrintToString(args);
    EXPECT_NE(o.err.find("usage: quenda-cli"), std::string::npos) << o.err;
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("o.csv")));
}

TEST_F(CliTest, HelpAndVersion) {
  const Outcome help = RunCli(dir, {"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("usage: quenda-cli"), std::string::npos);
  const Outcome version = RunCli(dir, {"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out.rfind("quenda-cli ", 0), 0u) << version.out;
}

}  // namespace
}  // namespace quenda
