// File-name rules: which files are read as TSV and written as CSV.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/code_page.h"

namespace quenda {

// The extension of the file part of `path` in upper case, or nothing when the file part has no
// dot or starts with one. The file part begins after the last '/' or '\'; in CP932 a '\' that
// is the second byte of a double-byte character does not count.
// "/data/a.b.csv" => "CSV"; "/data.csv/sales" => none; "/data/.csv" => none; "sales." => "".
std::optional<std::string> GetFileExtension(std::string_view path, CodePage cp = CodePage::Utf8);

// Read as TSV when the path ends in ".tsv" in any letter case; everything else is CSV.
bool IsTsvPath(std::string_view path);

// Written as CSV when the extension contains "CSV" (".csv", ".CSV2", ".xcsv"); else as TSV.
bool IsCsvSavePath(std::string_view path);

}  // namespace quenda
