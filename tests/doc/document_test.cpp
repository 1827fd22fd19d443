#include "doc/document.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/common/temp_dir.h"

namespace quenda {
namespace {

using test_files::ReadBytes;
using test_files::TempDir;
using test_files::WriteBytes;

TEST(CLumoraDoc, LoadThenSaveLosesNothingButTheLineEndStyle) {
  TempDir dir;
  // Quotes, commas inside quotes, an empty line, NUL, a lone CR, Ctrl-Z, CP932 bytes whose
  // second bytes are 0x5C and 'A', a long line, and no line end at the very end.
  const std::string longField(9000, 'L');
  const std::string original = std::string("id,\"name\",\"a,b\"\r\n") + "\n" +
                               std::string("nul\0byte,x\n", 11) + "lone\rcr,\x1A\n" +
                               "\x95\x5C,\x83\x41,\"\x95\x5C\"\n" + longField + "," + longField + "\n" +
                               "last,line";
  std::string expected;
  for (std::size_t start = 0; start < original.size();) {
    std::size_t lf = original.find('\n', start);
    std::string line = original.substr(start, lf == std::string::npos ? std::string::npos : lf - start);
    if (!line.empty() && line.back() == '\r' && lf != std::string::npos) line.pop_back();
    expected += line + "\r\n";
    start = lf == std::string::npos ? original.size() : lf + 1;
  }
  WriteBytes(dir.File("in.csv"), original);
  CLumoraDoc doc;
  ASSERT_TRUE(doc.LoadFile(dir.File("in.csv")).ok());
  EXPECT_EQ(doc.codePage(), CodePage::Cp932);
  EXPECT_EQ(doc.m_lines.GetCount(), 7u);
  ASSERT_TRUE(doc.SaveFile(dir.File("out.csv")).ok());
  EXPECT_EQ(ReadBytes(dir.File("out.csv")), expected);

  // And through TSV and back.
  ASSERT_TRUE(doc.SaveFile(dir.File("mid.tsv")).ok());
  CLumoraDoc again;
  ASSERT_TRUE(again.LoadFile(dir.File("mid.tsv")).ok());
  ASSERT_TRUE(again.SaveFile(dir.File("back.csv")).ok());
  EXPECT_EQ(ReadBytes(dir.File("back.csv")), expected);
}

TEST(CLumoraDoc, FailedLoadKeepsTheLines) {
  TempDir dir;
  WriteBytes(dir.File("a.csv"), "a,b\n");
  CLumoraDoc doc;
  ASSERT_TRUE(doc.LoadFile(dir.File("a.csv")).ok());
  EXPECT_EQ(doc.LoadFile(dir.File("gone.csv")).kind(), FailureKind::OpenFailed);
  ASSERT_EQ(doc.m_lines.GetCount(), 1u);
  EXPECT_EQ(doc.m_lines.GetAt(0), "a\tb");
}

TEST(CLumoraDoc, SortRestoresTheTitle) {
  CLumoraDoc doc;
  doc.SetTitle("data.csv");
  doc.m_lines.AddTail("b");
  doc.m_lines.AddTail("a");
  ASSERT_TRUE(doc.SortByItem({0, true, false}).ok());
  EXPECT_EQ(doc.GetTitle(), "data.csv");
  EXPECT_EQ(doc.m_lines.GetAt(0), "a");
}

TEST(CLumoraDoc, PickOutRestoresTheTitleAndKeepsTheLines) {
  TempDir dir;
  CLumoraDoc doc;
  doc.SetTitle("t");
  doc.m_lines.AddTail("x\t\"1\"");
  ASSERT_TRUE(doc.PickOutItem({1, "", "", false}, dir.File("p.txt")).ok());
  EXPECT_EQ(ReadBytes(dir.File("p.txt")), "1\r\n");
  EXPECT_EQ(doc.GetTitle(), "t");
  EXPECT_EQ(doc.m_lines.GetAt(0), "x\t\"1\"");
  EXPECT_EQ(doc.PickOutItem({1, "", "", false}, dir.File("none/p.txt")).kind(), FailureKind::OpenFailed);
}

}  // namespace
}  // namespace quenda
