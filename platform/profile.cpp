#include "platform/profile.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/atomic_file.h"
#include "platform/decimal.h"
#include "platform/ini_text.h"
#include "platform/utf8_prefix.h"

namespace quenda {

namespace {

// A string read yields at most this many bytes, as the program's settings have always been read.
constexpr std::size_t kMaxStringBytes = 259;

// The whole file; an empty text when it does not exist; nullopt when it exists but cannot be
// read as a regular file (a directory, a pipe, no permission, a read error).
std::optional<std::string> ReadProfileText(const std::string& path) {
  // Non-blocking, so that a pipe in the profile's place cannot hang the program.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno == ENOENT ? std::optional<std::string>(std::string()) : std::nullopt;
  std::optional<std::string> text;
  struct stat st;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
    text.emplace();
    char buf[16384];
    for (;;) {
      const ssize_t n = ::read(fd, buf, sizeof buf);
      if (n > 0) {
        text->append(buf, static_cast<std::size_t>(n));
      } else if (n == 0) {
        break;
      } else if (errno != EINTR) {
        text.reset();
        break;
      }
    }
  }
  ::close(fd);
  return text;
}

// An exclusive lock on a file beside the profile, held for one read-change-replace. The profile
// itself is replaced by renaming, so it cannot carry the lock.
class ProfileLock {
 public:
  explicit ProfileLock(const std::string& profilePath)
      : m_fd(::open((profilePath + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666)) {
    if (m_fd < 0) return;
    int rc;
    do rc = ::flock(m_fd, LOCK_EX);
    while (rc != 0 && errno == EINTR);
    m_locked = rc == 0;
  }
  ~ProfileLock() {
    if (m_fd >= 0) ::close(m_fd);  // closing releases the lock
  }
  ProfileLock(const ProfileLock&) = delete;
  ProfileLock& operator=(const ProfileLock&) = delete;

  bool locked() const { return m_locked; }

 private:
  int m_fd;
  bool m_locked = false;
};

}  // namespace

std::string Profile::GetProfileString(std::string_view section, std::string_view key,
                                      std::string_view def) const {
  const std::string text = ReadProfileText(m_path).value_or(std::string());
  const std::string_view value = FindIniValue(text, section, key).value_or(def);
  return std::string(value.substr(0, Utf8PrefixLength(value, kMaxStringBytes)));
}

std::int32_t Profile::GetProfileInt(std::string_view section, std::string_view key,
                                    std::int32_t def) const {
  const std::string text = ReadProfileText(m_path).value_or(std::string());
  const auto value = FindIniValue(text, section, key);
  if (!value || value->empty()) return def;
  return ParseLeadingDecimal(*value);
}

bool Profile::WriteProfileString(std::string_view section, std::string_view key,
                                 std::string_view value) {
  if (m_path.empty() || !IsStorableIniEntry(section, key, value)) return false;
  const std::filesystem::path dir = std::filesystem::path(m_path).parent_path();
  std::error_code ec;
  if (!dir.empty()) std::filesystem::create_directories(dir, ec);
  if (ec) return false;

  const ProfileLock lock(m_path);
  if (!lock.locked()) return false;
  // Read again under the lock, so that another copy's write since the last read is kept. A
  // profile that exists but cannot be read is not overwritten.
  const auto text = ReadProfileText(m_path);
  if (!text) return false;
  const auto changed = SetIniValue(*text, section, key, value);
  if (!changed) return false;
  AtomicFileWriter writer;
  return writer.Open(m_path).ok() && writer.Write(*changed).ok() && writer.Commit().ok();
}

bool Profile::WriteProfileInt(std::string_view section, std::string_view key,
                              std::int32_t value) {
  return WriteProfileString(section, key, std::to_string(value));
}

std::string DefaultProfilePath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config && config[0] == '/') return std::string(config) + "/quenda/quenda.ini";
  std::string home;
  if (const char* env = std::getenv("HOME"); env && env[0] != '\0') {
    home = env;
  } else if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) {
    home = pw->pw_dir;
  }
  return home + "/.config/quenda/quenda.ini";
}

}  // namespace quenda
