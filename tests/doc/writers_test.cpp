#include "doc/writers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/common/temp_dir.h"

namespace quenda {
namespace {

using test_files::ReadBytes;
using test_files::TempDir;
using test_files::WriteBytes;

CExStringList ListOf(const std::vector<std::string>& lines) {
  CExStringList list;
  for (const std::string& line : lines) list.AddTail(line);
  return list;
}

TEST(WriteLinesFile, FormatChosenByTheExtension) {
  TempDir dir;
  const CExStringList lines = ListOf({"\"a\"\t\"b,c\"", "", "x\ty\t"});
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"out.csv", "\"a\",\"b,c\"\r\n\r\nx,y,\r\n"},
      {"OUT.CSV2", "\"a\",\"b,c\"\r\n\r\nx,y,\r\n"},
      {"out.xcsv", "\"a\",\"b,c\"\r\n\r\nx,y,\r\n"},
      {"out.tsv", "\"a\"\t\"b,c\"\r\n\r\nx\ty\t\r\n"},
      {"out.txt", "\"a\"\t\"b,c\"\r\n\r\nx\ty\t\r\n"},
      {"noext", "\"a\"\t\"b,c\"\r\n\r\nx\ty\t\r\n"},
      {".csv", "\"a\"\t\"b,c\"\r\n\r\nx\ty\t\r\n"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(WriteLinesFile(lines, dir.File(c.name)).ok()) << c.name;
    EXPECT_EQ(ReadBytes(dir.File(c.name)), c.bytes) << c.name;
  }
}

TEST(WriteLinesFile, EmptyDocumentEmptiesTheFile) {
  TempDir dir;
  WriteBytes(dir.File("a.csv"), "old contents");
  ASSERT_TRUE(WriteLinesFile(CExStringList(), dir.File("a.csv")).ok());
  EXPECT_EQ(ReadBytes(dir.File("a.csv")), "");
}

TEST(WriteLinesFile, OpenedAsGivenNeverUpperCased) {
  TempDir dir;
  ASSERT_TRUE(WriteLinesFile(ListOf({"a"}), dir.File("Mixed.Csv")).ok());
  EXPECT_EQ(ReadBytes(dir.File("Mixed.Csv")), "a\r\n");
}

TEST(WriteLinesFile, FailureToOpenLeavesNothingBehind) {
  TempDir dir;
  const Status s = WriteLinesFile(ListOf({"a"}), dir.File("no/such/dir.csv"));
  EXPECT_EQ(s.kind(), FailureKind::OpenFailed);
  EXPECT_EQ(s.path(), dir.File("no/such/dir.csv"));
}

TEST(WritePickOutFile, OneValuePerLineWithHeadAndTail) {
  TempDir dir;
  const std::string longHead(150, 'h');
  const CExStringList lines = ListOf({
      "id\tname",
      "1\t\"Alice\"",
      "2\t\"\"",          // two quotes: nothing
      "3\t\"",            // one quote: nothing
      "4\t\"say \"\"hi\"\"\"",  // doubled quotes inside stay
      "5\tbob\"",         // a quote at the end only
      "6",                // no such item: nothing
      "7\t\"carol",       // a quote at the start only
  });
  struct Case {
    PickOutSpec spec;
    std::string bytes;
  } cases[] = {
      {{1, "<", ">", true}, "<Alice>\r\n<say \"\"hi\"\">\r\n<bob>\r\n<carol>\r\n"},
      {{1, "", "", false}, "name\r\nAlice\r\nsay \"\"hi\"\"\r\nbob\r\ncarol\r\n"},
      {{1, longHead, "", true}, longHead + "Alice\r\n" + longHead + "say \"\"hi\"\"\r\n" + longHead +
                                   "bob\r\n" + longHead + "carol\r\n"},
      {{0, "[", "]", true}, "[1]\r\n[2]\r\n[3]\r\n[4]\r\n[5]\r\n[6]\r\n[7]\r\n"},
      {{9, "<", ">", false}, ""},
  };
  for (const Case& c : cases) {
    const std::string path = dir.File("pick.txt");
    WriteBytes(path, "previous contents");
    ASSERT_TRUE(WritePickOutFile(lines, c.spec, path).ok());
    EXPECT_EQ(ReadBytes(path), c.bytes) << "item " << c.spec.item;
  }
}

TEST(WritePickOutFile, HeaderOnlyDocumentGivesAnEmptyFile) {
  TempDir dir;
  ASSERT_TRUE(WritePickOutFile(ListOf({"a\tb"}), {0, "", "", true}, dir.File("p.txt")).ok());
  EXPECT_EQ(ReadBytes(dir.File("p.txt")), "");
}

TEST(Writers, CancelledWriteKeepsTheOldFile) {
  TempDir dir;
  const std::string path = dir.File("a.csv");
  WriteBytes(path, "old");
  Progress progress;
  progress.cancel = true;
  EXPECT_EQ(WriteLinesFile(ListOf({"new"}), path, &progress).kind(), FailureKind::Cancelled);
  EXPECT_EQ(WritePickOutFile(ListOf({"new"}), {}, path, &progress).kind(), FailureKind::Cancelled);
  EXPECT_EQ(ReadBytes(path), "old");
}

}  // namespace
}  // namespace quenda
