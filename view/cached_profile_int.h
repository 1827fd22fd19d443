// A profile integer that is read again only when the profile file has changed, so a setting
// edited by hand ("SpreadSheet") takes effect at the next paint without reading the file at
// every paint. A change is seen by the file's identity, size and modification times.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quenda {

class Profile;

class CachedProfileInt {
 public:
  CachedProfileInt(const Profile& profile, std::string section, std::string key, std::int32_t def);

  // The current value; looks at the file's state (one stat) and reads it only if it changed.
  std::int32_t Value();

 private:
  struct FileStamp {
    std::uint64_t device = 0, inode = 0;
    std::int64_t size = -1;                  // -1: no file
    std::int64_t modified = 0, changed = 0;  // nanoseconds
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
  };
  FileStamp StampNow() const;

  const Profile& m_profile;
  std::string m_section;
  std::string m_key;
  std::int32_t m_def;
  std::optional<FileStamp> m_stamp;  // of the file when m_value was read
  std::int32_t m_value = 0;
};

}  // namespace quenda
