// The text of a profile file, read and edited as plain functions of its bytes.
// A line "[name]" opens a section (the name ends at the first ']' and is trimmed); a line
// "key=value" is an entry; a line whose first non-blank character is ';' is a comment; any
// other line is kept but means nothing. CR LF, LF and a lone CR all end a line. Only the first
// section of a name is searched, and in it the first key of a name; names match without regard
// to ASCII case.
//   FindIniValue("x=1\n[Opt]\n Col = ' 12 ' ; c\n", "opt", "COL")  =>  "' 12 ' ; c"
//   FindIniValue("[Opt]\nCol = ' 12 '\n", "Opt", "Col")             =>  " 12 "
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quenda {

// The value of `key` in `section`, trimmed of blanks (space, tab) and with one matching pair of
// outer double or single quotes removed; nullopt when the section or the key is missing.
// Blanks around the requested names do not count.
std::optional<std::string_view> FindIniValue(std::string_view text, std::string_view section,
                                             std::string_view key);

// Whether the entry can be written so that it reads back as the same entry: no line break in
// any of the three, a section name that is not empty and holds no ']', a key that is not empty,
// holds no '=' and does not begin with '[' or ';'. (Blanks around a value, or outer quotes, do
// not read back; they are written as given, as the profile has always done.)
bool IsStorableIniEntry(std::string_view section, std::string_view key, std::string_view value);

// `text` with `key` of `section` set to `value`, or nullopt when the entry is not storable.
// An existing key keeps its line, its spelling and the blanks after '='; only the value
// changes. A new key goes after the last entry of its section (before the blank lines and
// comments that follow it), a new section ("[name]", then the key) at the end. Added lines end
// as the text's first line does (LF for a text without line ends); a last line without a line
// end gets one before anything is added after it. All other bytes stay as they are.
std::optional<std::string> SetIniValue(std::string_view text, std::string_view section,
                                       std::string_view key, std::string_view value);

}  // namespace quenda
