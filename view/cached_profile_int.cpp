#include "view/cached_profile_int.h"

#include <sys/stat.h>

#include "platform/profile.h"

namespace quenda {

CachedProfileInt::CachedProfileInt(const Profile& profile, std::string section, std::string key,
                                   std::int32_t def)
    : m_profile(profile), m_section(std::move(section)), m_key(std::move(key)), m_def(def) {}

CachedProfileInt::FileStamp CachedProfileInt::StampNow() const {
  struct stat st {};
  if (::stat(m_profile.path().c_str(), &st) != 0) return {};
  constexpr std::int64_t kNano = 1'000'000'000;
  return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
          static_cast<std::int64_t>(st.st_size), st.st_mtim.tv_sec * kNano + st.st_mtim.tv_nsec,
          st.st_ctim.tv_sec * kNano + st.st_ctim.tv_nsec};
}

std::int32_t CachedProfileInt::Value() {
  const FileStamp now = StampNow();
  if (m_stamp != now) {
    m_value = m_profile.GetProfileInt(m_section, m_key, m_def);
    m_stamp = now;
  }
  return m_value;
}

}  // namespace quenda
