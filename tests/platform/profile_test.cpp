#include "platform/profile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tests/common/temp_dir.h"

namespace quenda {
namespace {

using test_files::ReadBytes;
using test_files::TempDir;

// The file's bytes, or nullopt when there is no such file.
std::optional<std::string> ReadFileBytes(const std::string& path) {
  if (!std::filesystem::is_regular_file(path)) return std::nullopt;
  return ReadBytes(path);
}

// Creates the file's directory too.
void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  test_files::WriteBytes(path, bytes);
}

constexpr std::int32_t kIntDefault = -99;

std::string Repeat(const std::string& piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

// Every byte value, NULs and line ends included, twice.
std::string BinaryJunk() {
  std::string junk;
  for (int round = 0; round < 2; ++round) {
    for (int b = 0; b < 256; ++b) junk += static_cast<char>(b);
  }
  return junk;
}

struct ReadCase {
  const char* name;
  std::optional<std::string> file;  // nullopt: no profile file
  const char* section;
  const char* key;
  std::string wantString;  // "<def>" when the default is expected
  std::int32_t wantInt;
};

TEST(ProfileTest, Reads) {
  const ReadCase cases[] = {
      {"missing file", std::nullopt, "Option", "Column", "<def>", kIntDefault},
      {"empty file", "", "Option", "Column", "<def>", kIntDefault},
      {"missing section", "[Other]\nColumn=5\n", "Option", "Column", "<def>", kIntDefault},
      {"missing key", "[Option]\nWidth=5\n", "Option", "Column", "<def>", kIntDefault},
      {"key of a later section", "[Option]\nA=1\n[Font]\nColumn=2\n", "Option", "Column", "<def>",
       kIntDefault},
      {"ASCII case ignored", "[oPTION]\ncOLUMN=20\n", "Option", "Column", "20", 20},
      {"blanks around names and value", "  [ Option ]  \n\t Column \t=\t 20 \t\n", "Option",
       "Column", "20", 20},
      {"blanks around requested names", "[Option]\nColumn=20\n", " Option\t", " Column ", "20",
       20},
      {"double quotes removed", "[F]\nFace=\" Fixed  Sys \"\n", "F", "Face", " Fixed  Sys ", 0},
      {"single quotes removed", "[F]\nFace='12'\n", "F", "Face", "12", 12},
      {"unmatched quotes kept", "[F]\nFace=\"x'\n", "F", "Face", "\"x'", 0},
      {"a lone quote kept", "[F]\nFace=\"\n", "F", "Face", "\"", 0},
      {"only one pair removed", "[F]\nFace=\"\"x\"\"\n", "F", "Face", "\"x\"", 0},
      {"empty value", "[N]\nv=\n", "N", "v", "", kIntDefault},
      {"empty quoted value", "[N]\nv=''\n", "N", "v", "", kIntDefault},
      {"plus sign", "[N]\nv=+17\n", "N", "v", "+17", 17},
      {"minus sign", "[N]\nv=-7\n", "N", "v", "-7", -7},
      {"digits then junk", "[N]\nv=20abc\n", "N", "v", "20abc", 20},
      {"no digits", "[N]\nv=abc\n", "N", "v", "abc", 0},
      {"sign without digits", "[N]\nv=- 5\n", "N", "v", "- 5", 0},
      {"hexadecimal is not read", "[N]\nv=0x1F\n", "N", "v", "0x1F", 0},
      {"wraps as 32 bits", "[N]\nv=4294967297\n", "N", "v", "4294967297", 1},
      {"smallest integer", "[N]\nv=-2147483648\n", "N", "v", "-2147483648", INT32_MIN},
      {"lines before the first section are never found", "Column=1\n[Option]\nWidth=2\n",
       "Option", "Column", "<def>", kIntDefault},
      {"no section name reaches lines before the first section", "Column=1\n[Option]\n", "",
       "Column", "<def>", kIntDefault},
      {"only the first section of a name is searched",
       "[Option]\nA=1\n[x]\n[option]\nColumn=2\n", "Option", "Column", "<def>", kIntDefault},
      {"first section wins", "[Option]\nColumn=1\n[OPTION]\nColumn=2\n", "Option", "Column", "1",
       1},
      {"first key wins", "[Option]\nColumn=1\ncolumn=2\n", "Option", "Column", "1", 1},
      {"comment lines", "[Option]\n;Column=1\n \t; Column=2\nColumn=3\n", "Option", "Column",
       "3", 3},
      {"';' inside a value is data", "[Option]\nColumn=12 ; cells\n", "Option", "Column",
       "12 ; cells", 12},
      {"'=' inside a value is data", "[Option]\nColumn==a=b\n", "Option", "Column", "=a=b", 0},
      {"a line without '=' is not a key", "[Option]\nColumn\nColumn=4\n", "Option", "Column",
       "4", 4},
      {"section name ends at the first ']'", "[Opt]ion] x\nColumn=5\n", "Opt", "Column", "5", 5},
      {"lone CR line ends", "[Option]\rColumn=7\rWidth=8", "Option", "Width", "8", 8},
      {"CR LF line ends", "[Option]\r\nColumn=7\r\n", "Option", "Column", "7", 7},
      {"UTF-8 byte-order mark", "\xEF\xBB\xBF[Option]\nColumn=3\n", "Option", "Column", "3", 3},
      {"UTF-8 text", "[Dir]\nSaveDir=/home/\xE5\xA4\xAA\xE9\x83\x8E/\n", "dir", "savedir",
       "/home/\xE5\xA4\xAA\xE9\x83\x8E/", 0},
      {"259 bytes kept whole", "[S]\nk=" + std::string(259, 'x') + "\n", "S", "k",
       std::string(259, 'x'), 0},
      {"longer text cut to 259 bytes", "[S]\nk=" + std::string(300, 'y') + "\n", "S", "k",
       std::string(259, 'y'), 0},
      {"cut never splits a UTF-8 character",
       "[S]\nk=" + std::string(258, 'z') + "\xC3\xA9" + "\n", "S", "k", std::string(258, 'z'), 0},
      {"binary junk reads as empty", BinaryJunk(), "Option", "Column", "<def>", kIntDefault},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string path = dir.File("quenda.ini");
    if (c.file) WriteFileBytes(path, *c.file);
    const Profile profile(path);
    EXPECT_EQ(profile.GetProfileString(c.section, c.key, "<def>"), c.wantString);
    EXPECT_EQ(profile.GetProfileInt(c.section, c.key, kIntDefault), c.wantInt);
  }
}

TEST(ProfileTest, DefaultTextIsCutLikeStoredText) {
  TempDir dir;
  const Profile profile(dir.File("quenda.ini"));
  EXPECT_EQ(profile.GetProfileString("S", "k", std::string(300, 'd')), std::string(259, 'd'));
}

TEST(ProfileTest, UnreadableProfileReadsAsEmptyAndIsNotReplaced) {
  TempDir dir;
  const std::string path = dir.File("quenda.ini");
  WriteFileBytes(path + "/inside", "[Option]\nColumn=5\n");  // a directory in the file's place
  Profile profile(path);
  EXPECT_EQ(profile.GetProfileString("Option", "Column", "12"), "12");
  EXPECT_EQ(profile.GetProfileInt("Option", "Column", 12), 12);
  EXPECT_FALSE(profile.WriteProfileString("Option", "Column", "20"));
  EXPECT_TRUE(std::filesystem::is_directory(path));
  EXPECT_EQ(ReadFileBytes(path + "/inside"), "[Option]\nColumn=5\n");
}

struct WriteCase {
  const char* name;
  std::optional<std::string> before;  // nullopt: no profile file
  const char* section;
  const char* key;
  std::string value;
  bool ok;
  std::optional<std::string> after;
};

TEST(ProfileTest, Writes) {
  const std::string kept = "[A]\nx=1\n";
  const WriteCase cases[] = {
      {"creates the file and its directories", std::nullopt, "Option", "Column", "12", true,
       "[Option]\nColumn=12\n"},
      {"replaces in place, keeping the key's spelling and all other bytes",
       "; settings\r\n[option]\r\n  COLUMN = 12 ; old\r\nWidth=3\r\n\r\n[Font]\r\nX=1\r\n",
       "Option", "Column", "20", true,
       "; settings\r\n[option]\r\n  COLUMN = 20\r\nWidth=3\r\n\r\n[Font]\r\nX=1\r\n"},
      {"replaces the first key of the first section only", "[A]\nk=1\nk=2\n[a]\nk=3\n", "A", "K",
       "9", true, "[A]\nk=9\nk=2\n[a]\nk=3\n"},
      {"replaces with an empty value", "[A]\nk = old\nz=1", "A", "k", "", true,
       "[A]\nk = \nz=1"},
      {"replaces the last line, which lacks a line end", "[A]\nk=1", "A", "k", "2", true,
       "[A]\nk=2"},
      {"new key after the last key, before blank lines and comments",
       "[A]\nx=1\n\n; about B\n[B]\ny=2\n", "A", "z", "3", true,
       "[A]\nx=1\nz=3\n\n; about B\n[B]\ny=2\n"},
      {"new key in a section without keys goes after its header", "[A]\n; note\n[B]\n", "A", "k",
       "v", true, "[A]\nk=v\n; note\n[B]\n"},
      {"lines without '=' are not keys", "[A]\nx=1\nstray\n", "A", "k", "v", true,
       "[A]\nx=1\nk=v\nstray\n"},
      {"new key after a last line without a line end", "[A]\nx=1", "A", "k", "v", true,
       "[A]\nx=1\nk=v\n"},
      {"new section at the end", kept, "B", "k", "v", true, "[A]\nx=1\n[B]\nk=v\n"},
      {"new section after a last line without a line end", "[A]\nx=1", "B", "k", "v", true,
       "[A]\nx=1\n[B]\nk=v\n"},
      {"new section in CR LF style", "[A]\r\nx=1\r\n", "B", "k", "v", true,
       "[A]\r\nx=1\r\n[B]\r\nk=v\r\n"},
      {"new key in lone CR style", "[A]\rx=1\r[B]\r", "A", "k", "v", true,
       "[A]\rx=1\rk=v\r[B]\r"},
      {"lines before the first section are not the section", "k=v\n", "A", "k", "w", true,
       "k=v\n[A]\nk=w\n"},
      {"empty file", "", "A", "k", "v", true, "[A]\nk=v\n"},
      {"names are written trimmed", kept, " B\t", " k ", "v", true, "[A]\nx=1\n[B]\nk=v\n"},
      {"';', '=' and quotes in a value are written as they are", kept, "A", "x", "a=b ; 'c'", true,
       "[A]\nx=a=b ; 'c'\n"},
      {"UTF-8 byte-order mark kept", "\xEF\xBB\xBF[A]\nx=1\n", "A", "x", "2", true,
       "\xEF\xBB\xBF[A]\nx=2\n"},
      {"binary junk kept byte for byte", BinaryJunk(), "A", "k", "v", true,
       BinaryJunk() + "\n[A]\nk=v\n"},
      {"refuses LF in a value", kept, "A", "x", "1\nEvil=1", false, kept},
      {"refuses CR in a value", kept, "A", "x", "1\r[B]", false, kept},
      {"refuses a line break in a key", kept, "A", "a\nb", "1", false, kept},
      {"refuses a line break in a section", kept, "A\r\nB", "x", "1", false, kept},
      {"refuses '=' in a key", kept, "A", "a=b", "1", false, kept},
      {"refuses a key that would read as a section", kept, "A", "[B]", "1", false, kept},
      {"refuses a key that would read as a comment", kept, "A", ";x", "1", false, kept},
      {"refuses ']' in a section", kept, "A]", "x", "1", false, kept},
      {"refuses an empty key", kept, "A", " ", "1", false, kept},
      {"refuses an empty section", kept, "", "x", "1", false, kept},
      {"a refused write creates no file", std::nullopt, "A", "x", "1\n", false, std::nullopt},
  };
  for (const WriteCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string path = dir.File("config/quenda/quenda.ini");
    if (c.before) WriteFileBytes(path, *c.before);
    Profile profile(path);
    EXPECT_EQ(profile.WriteProfileString(c.section, c.key, c.value), c.ok);
    EXPECT_EQ(ReadFileBytes(path), c.after);
    if (c.ok) {
      EXPECT_EQ(profile.GetProfileString(c.section, c.key, "<def>"), c.value);
    }
  }
}

TEST(ProfileTest, IntegersAreWrittenAsSignedDecimalText) {
  TempDir dir;
  Profile profile(dir.File("quenda.ini"));
  for (const std::int32_t value : {0, 1, -13, INT32_MAX, INT32_MIN}) {
    SCOPED_TRACE(value);
    ASSERT_TRUE(profile.WriteProfileInt("Sort", "abc", value));
    EXPECT_EQ(ReadFileBytes(profile.path()), "[Sort]\nabc=" + std::to_string(value) + "\n");
    EXPECT_EQ(profile.GetProfileInt("Sort", "abc", kIntDefault), value);
  }
}

// Each write re-reads the file under the lock, so concurrent writers never lose each other's
// entries.
TEST(ProfileTest, ConcurrentWritersKeepEachOthersEntries) {
  TempDir dir;
  const std::string path = dir.File("quenda.ini");
  constexpr int kWriters = 2;
  constexpr int kKeys = 40;
  std::vector<std::thread> writers;
  for (int w = 0; w < kWriters; ++w) {
    writers.emplace_back([&path, w] {
      Profile profile(path);  // an object of its own, as another running copy would have
      for (int k = 0; k < kKeys; ++k) {
        EXPECT_TRUE(profile.WriteProfileInt("W" + std::to_string(w), "k" + std::to_string(k), k));
      }
    });
  }
  for (std::thread& t : writers) t.join();
  const Profile profile(path);
  for (int w = 0; w < kWriters; ++w) {
    for (int k = 0; k < kKeys; ++k) {
      EXPECT_EQ(profile.GetProfileInt("W" + std::to_string(w), "k" + std::to_string(k), -1), k)
          << "writer " << w << ", key " << k;
    }
  }
}

TEST(ProfileTest, WriteUnderARegularFileFails) {
  TempDir dir;
  const std::string blocker = dir.File("config");
  WriteFileBytes(blocker, "not a directory");
  Profile profile(blocker + "/quenda/quenda.ini");
  EXPECT_FALSE(profile.WriteProfileString("Option", "Column", "20"));
  EXPECT_EQ(ReadFileBytes(blocker), "not a directory");
  EXPECT_EQ(profile.GetProfileString("Option", "Column", "12"), "12");
}

// A write cut short (here by the file-size limit) leaves the previous profile whole.
TEST(ProfileTest, WriteCutShortLeavesTheProfileAsItWas) {
  TempDir dir;
  const std::string path = dir.File("quenda.ini");
  const std::string before = "[Option]\nColumn=12\n[Notes]\n" + Repeat("note=0123456789\n", 200);
  WriteFileBytes(path, before);

  rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 1024;
  const auto savedHandler = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  Profile profile(path);
  const bool written = profile.WriteProfileString("Option", "Column", "20");
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, savedHandler);

  EXPECT_FALSE(written);
  EXPECT_EQ(ReadFileBytes(path), before);
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"quenda.ini", "quenda.ini.lock"}));
}

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : m_name(name) {
    if (const char* old = std::getenv(name)) m_old = old;
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (m_old) {
      setenv(m_name, m_old->c_str(), 1);
    } else {
      unsetenv(m_name);
    }
  }

 private:
  const char* m_name;
  std::optional<std::string> m_old;
};

TEST(ProfileTest, DefaultProfilePath) {
  struct Case {
    const char* xdg;  // nullptr: unset
    const char* want;
  };
  const Case cases[] = {
      {"/srv/cfg", "/srv/cfg/quenda/quenda.ini"},
      {nullptr, "/home/tester/.config/quenda/quenda.ini"},
      {"", "/home/tester/.config/quenda/quenda.ini"},
      {"relative/cfg", "/home/tester/.config/quenda/quenda.ini"},
  };
  const ScopedEnv home("HOME", "/home/tester");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.xdg ? c.xdg : "(unset)");
    const ScopedEnv xdg("XDG_CONFIG_HOME", c.xdg);
    EXPECT_EQ(DefaultProfilePath(), c.want);
  }
}

}  // namespace
}  // namespace quenda
