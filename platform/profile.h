// The private profile file: an INI file of sections and keys that holds every setting.
// Reads follow the long-standing private-profile rules (first section and key of a name win,
// names match without regard to ASCII case, blanks and one pair of outer quotes are trimmed
// from values). Every write re-reads the file and replaces it atomically under a lock, keeping
// all other lines byte for byte.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quenda {

class Profile {
 public:
  explicit Profile(std::string path) : m_path(std::move(path)) {}

  const std::string& path() const { return m_path; }

  // The stored text, at most 259 bytes, or `def` when the file, section or key is missing.
  std::string GetProfileString(std::string_view section, std::string_view key,
                               std::string_view def) const;
  // Leading blanks, optional sign, decimal digits (wrapping as 32 bits); no digits gives 0;
  // a missing file, section or key gives `def`.
  std::int32_t GetProfileInt(std::string_view section, std::string_view key,
                             std::int32_t def) const;

  // False, writing nothing, when a name or value holds a line break or the file cannot be
  // replaced. Callers that follow the original program ignore the result.
  bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value);
  bool WriteProfileInt(std::string_view section, std::string_view key, std::int32_t value);

 private:
  std::string m_path;
};

// $XDG_CONFIG_HOME/quenda/quenda.ini, or ~/.config/quenda/quenda.ini.
std::string DefaultProfilePath();

}  // namespace quenda
