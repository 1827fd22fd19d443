#include "doc/file_names.h"

#include <gtest/gtest.h>

namespace quenda {
namespace {

TEST(GetFileExtension, ExtensionOfTheFilePart) {
  struct Case {
    std::string path;
    CodePage cp;
    std::optional<std::string> expected;
  } cases[] = {
      {"/data/sales.csv", CodePage::Utf8, "CSV"},
      {"/data/SALES.TSV", CodePage::Utf8, "TSV"},
      {"/data/a.b.csv", CodePage::Utf8, "CSV"},
      {"/data.csv/sales", CodePage::Utf8, std::nullopt},  // a dot only in a directory
      {"/data/.csv", CodePage::Utf8, std::nullopt},       // file part starts with a dot
      {"/data/sales.", CodePage::Utf8, ""},
      {"/data/", CodePage::Utf8, std::nullopt},
      {"sales.Csv", CodePage::Utf8, "CSV"},
      {"C:\\DATA\\SALES.csv", CodePage::Utf8, "CSV"},     // backslashes separate too
      {"C:\\DATA.CSV\\SALES", CodePage::Utf8, std::nullopt},
      {"C:SALES.CSV", CodePage::Utf8, "CSV"},
      {"/data/東京.csv", CodePage::Utf8, "CSV"},
      // CP932: 表 is 0x95 0x5C; its second byte is no separator, so ".csv" stays in the
      // file part; ソ (0x83 0x5C) likewise.
      {"\\\x95\x5C.csv", CodePage::Cp932, "CSV"},
      {"dir\\\x83\x5C.tsv", CodePage::Cp932, "TSV"},
      {"a.\x95\x5C", CodePage::Cp932, "\x95\x5C"},
      // ア (0x83 0x41): the 'A' second byte is not upper-cased or lower-cased.
      {"x.\x83\x41z", CodePage::Cp932, "\x83\x41Z"},
  };
  for (const Case& c : cases) EXPECT_EQ(GetFileExtension(c.path, c.cp), c.expected) << c.path;
}

TEST(FileFormats, TsvByNameCsvByExtension) {
  struct Case {
    const char* path;
    bool readAsTsv;
    bool writeAsCsv;
  } cases[] = {
      {"DATA.TSV", true, false},       {"data.Tsv", true, false},
      {"data.tsv.bak", false, false},  {"data.txt", false, false},
      {"data.csv", false, true},       {"data.CSV2", false, true},
      {"data.xcsv", false, true},      {"data", false, false},
      {".csv", false, false},          {"/dir.csv/data", false, false},
      {"tsv", false, false},           {".tsv", true, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsTsvPath(c.path), c.readAsTsv) << c.path;
    EXPECT_EQ(IsCsvSavePath(c.path), c.writeAsCsv) << c.path;
  }
}

}  // namespace
}  // namespace quenda
