#include "doc/loader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/common/temp_dir.h"

namespace quenda {
namespace {

using test_files::TempDir;
using test_files::WriteBytes;

std::vector<std::string> Lines(const LoadedFile& f) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < f.lines.GetCount(); ++i) lines.emplace_back(f.lines.GetAt(i));
  return lines;
}

LoadedFile Parse(std::string_view bytes, LoadFormat format) {
  ByteBlock block = AllocateByteBlock(bytes.size());
  std::memcpy(block.get(), bytes.data(), bytes.size());
  return ParseLines(std::move(block), bytes.size(), format);
}

using L = std::vector<std::string>;

TEST(ParseLines, LineEndsAndKeptBytes) {
  struct Case {
    std::string bytes;
    LoadFormat format;
    L lines;
  } cases[] = {
      {"", LoadFormat::Csv, {}},
      {"a", LoadFormat::Csv, {"a"}},  // no line end after the last line
      {"a\n", LoadFormat::Csv, {"a"}},
      {"\n\n\n", LoadFormat::Csv, {"", "", ""}},
      {"a\r\nb\nc\r\n", LoadFormat::Csv, {"a", "b", "c"}},
      {"a\rb\n", LoadFormat::Csv, {"a\rb"}},             // a lone CR is data
      {"a\r\r\nb", LoadFormat::Csv, {"a\r", "b"}},       // only the CR before LF ends the line
      {"a\r", LoadFormat::Csv, {"a\r"}},
      {std::string("a\0b,c\n", 6), LoadFormat::Csv, {std::string("a\0b\tc", 5)}},  // NUL is data
      {"a\x1A" "b\nc", LoadFormat::Csv, {"a\x1A" "b", "c"}},  // so is Ctrl-Z
      {"x,y\n\"a\",\"b,c\"\n", LoadFormat::Csv, {"x\ty", "\"a\"\t\"b,c\""}},
      {"x,y\tz\n", LoadFormat::Tsv, {"x,y\tz"}},          // TSV keeps its commas
      {"\xEF\xBB\xBFh\n", LoadFormat::Csv, {"\xEF\xBB\xBFh"}},  // a BOM stays in the bytes
  };
  for (const Case& c : cases) EXPECT_EQ(Lines(Parse(c.bytes, c.format)), c.lines) << c.bytes;
}

TEST(ParseLines, NoLineLengthLimit) {
  const std::string longLine(20000, 'x');
  EXPECT_EQ(Lines(Parse(longLine + "," + longLine + "\n", LoadFormat::Csv)),
            L{longLine + "\t" + longLine});
}

TEST(ParseLines, DetectsTheCodePage) {
  EXPECT_EQ(Parse("東京,大阪\n", LoadFormat::Csv).codePage, CodePage::Utf8);
  EXPECT_EQ(Parse("\x93\x8C\x8B\x9E,\x95\x5C\n", LoadFormat::Csv).codePage, CodePage::Cp932);
  EXPECT_EQ(Parse("ascii only\n", LoadFormat::Csv).codePage, CodePage::Utf8);
}

TEST(ParseLines, LargeInputSplitAcrossThreadsKeepsEveryLine) {
  // Big enough to be parsed in two halves; the halves must join without a lost or split line,
  // and one invalid byte in the second half decides the code page for the whole file.
  std::string bytes;
  std::vector<std::string> expected;
  for (int i = 0; bytes.size() < (9u << 20); ++i) {
    const std::string n = std::to_string(i);
    bytes += n + ",\"" + n + "\",x\r\n";
    expected.push_back(n + "\t\"" + n + "\"\tx");
  }
  bytes += "last\xFF";
  expected.push_back("last\xFF");
  const LoadedFile f = Parse(bytes, LoadFormat::Csv);
  EXPECT_EQ(Lines(f), expected);
  EXPECT_EQ(f.codePage, CodePage::Cp932);
}

TEST(ReadLinesFile, ChoosesTheFormatByName) {
  TempDir dir;
  for (const char* name : {"a.tsv", "B.TSV", "c.Tsv"}) {
    WriteBytes(dir.File(name), "x,y\n");
    LoadedFile f;
    ASSERT_TRUE(ReadLinesFile(dir.File(name), f).ok());
    EXPECT_EQ(Lines(f), L{"x,y"}) << name;
  }
  for (const char* name : {"a.csv", "a.txt", "a.tsv.bak", "noext"}) {
    WriteBytes(dir.File(name), "x,y\n");
    LoadedFile f;
    ASSERT_TRUE(ReadLinesFile(dir.File(name), f).ok());
    EXPECT_EQ(Lines(f), L{"x\ty"}) << name;
  }
}

TEST(ReadLinesFile, FailuresLeaveTheOutputAlone) {
  TempDir dir;
  LoadedFile f;
  f.lines.AddTail("before");
  Status missing = ReadLinesFile(dir.File("missing.csv"), f);
  EXPECT_EQ(missing.kind(), FailureKind::OpenFailed);
  EXPECT_EQ(missing.reason(), "No such file or directory");
  Status directory = ReadLinesFile(dir.path().string(), f);
  EXPECT_EQ(directory.kind(), FailureKind::OpenFailed);
  EXPECT_EQ(Lines(f), L{"before"});
}

TEST(ReadLinesFile, CancelledBeforeItEnds) {
  TempDir dir;
  WriteBytes(dir.File("a.csv"), "x\n");
  Progress progress;
  progress.cancel = true;
  LoadedFile f;
  EXPECT_EQ(ReadLinesFile(dir.File("a.csv"), f, &progress).kind(), FailureKind::Cancelled);
  EXPECT_EQ(f.lines.GetCount(), 0u);
}

TEST(ReadLinesFile, ReadsFilesThatDoNotTellTheirSize) {
  LoadedFile empty;
  ASSERT_TRUE(ReadLinesFile("/dev/null", empty).ok());
  EXPECT_EQ(empty.lines.GetCount(), 0u);
  // /proc files report a size of 0 but have content.
  LoadedFile proc;
  ASSERT_TRUE(ReadLinesFile("/proc/version", proc).ok());
  ASSERT_EQ(proc.lines.GetCount(), 1u);
  EXPECT_EQ(proc.lines.GetAt(0).substr(0, 5), "Linux");
}

}  // namespace
}  // namespace quenda
