// The private profile file: an INI file of sections and keys that holds every setting.
// Reads follow the long-standing private-profile rules (first section and key of a name win,
// names match without regard to ASCII case, blanks and one pair of outer quotes are trimmed
// from values); a file that is missing or cannot be read reads as empty. Every write re-reads
// the file and replaces it atomically under a lock, keeping all other lines byte for byte.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace quenda {

class Profile {
 public:
  explicit Profile(std::string path) : m_path(std::move(path)) {}

  const std::string& path() const { return m_path; }

  // The stored text, or `def` when the file, section or key is missing; cut to at most 259
  // bytes, never inside a UTF-8 character.
  std::string GetProfileString(std::string_view section, std::string_view key,
                               std::string_view def) const;
  // Leading blanks, optional sign, decimal digits (wrapping as 32 bits); no digits gives 0;
  // a missing file, section or key, or an empty value ("Key="), gives `def`.
  // "20abc" => 20, "-7" => -7, "+0x10" => 0, "abc" => 0.
  std::int32_t GetProfileInt(std::string_view section, std::string_view key,
                             std::int32_t def) const;

  // False, writing nothing, when the entry could not be read back (a line break anywhere, an
  // empty name, ']' in the section, '=' in the key or a key beginning with '[' or ';') or the
  // file cannot be read or replaced. The window ignores the result: a failed settings write
  // goes unnoticed. The file and its directory are created by the first write.
  bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value);
  bool WriteProfileInt(std::string_view section, std::string_view key, std::int32_t value);

 private:
  std::string m_path;
};

// $XDG_CONFIG_HOME/quenda/quenda.ini when that variable holds an absolute path, otherwise
// ~/.config/quenda/quenda.ini.
std::string DefaultProfilePath();

}  // namespace quenda
