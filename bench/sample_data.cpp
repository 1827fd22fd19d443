#include "bench/sample_data.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

namespace quenda::bench {
namespace {

// splitmix64: tiny, fast and the same on every platform (the standard distributions are not).
class Random {
 public:
  explicit Random(std::uint64_t seed) : m_state(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  std::size_t Below(std::size_t n) { return static_cast<std::size_t>(Next() % n); }
  bool Percent(unsigned p) { return Below(100) < p; }
  template <typename T, std::size_t N>
  const T& Pick(const std::array<T, N>& from) { return from[Below(N)]; }

 private:
  std::uint64_t m_state;
};

constexpr std::array<std::string_view, 24> kFirstNames = {
    "Anna", "Ben",   "Chloe", "David", "Emma",  "Felix", "Grace", "Hugo",
    "Ines", "Jonas", "Kenji", "Lena",  "Marco", "Nora",  "Oscar", "Paula",
    "Quinn", "Rosa", "Sven",  "Tara",  "Ugo",   "Vera",  "Yuki",  "Zoe"};
constexpr std::array<std::string_view, 24> kLastNames = {
    "Berg",  "Costa", "Dubois", "Eriksen", "Fischer", "Garcia", "Hall",  "Ito",
    "Jensen", "Kato", "Lopez",  "Moreau",  "Novak",   "Ortiz",  "Price", "Rossi",
    "Sato",  "Tanaka", "Urban", "Varga",   "Weber",   "Young",  "Mori",  "Silva"};
constexpr std::array<std::string_view, 4> kDomains = {"example.com", "example.jp", "example.net",
                                                      "example.org"};
constexpr std::array<std::string_view, 20> kSyllables = {
    "ka", "mi", "to", "ra", "no", "sa", "ber", "lin", "ches", "ter", "mon", "val",
    "os", "ri", "dan", "el", "fu", "go", "wa", "ton"};
constexpr std::array<std::string_view, 8> kPlainNotes = {
    "ok", "pending", "VIP", "repeat order", "new", "paid", "on hold", "gift"};
constexpr std::array<std::string_view, 10> kPhrases = {
    "call back",   "after 5pm",     "ask for the manager", "leave at the door",
    "fragile",     "second floor",  "pays by invoice",     "prefers e-mail",
    "closed Mondays", "ring twice"};
constexpr std::array<std::string_view, 12> kFamilyNames = {
    "山田", "佐藤", "鈴木", "高橋", "田中", "伊藤", "渡辺", "中村", "小林", "加藤", "吉田", "山本"};
constexpr std::array<std::string_view, 10> kGivenNames = {
    "太郎", "花子", "健", "陽菜", "翔太", "美咲", "大輔", "結衣", "蓮", "さくら"};

// A few thousand distinct city names such as "Kamiton" or "New Raberlin".
std::vector<std::string> MakeCities(Random& random) {
  std::vector<std::string> cities(3000);
  for (std::string& city : cities) {
    if (random.Percent(10)) city = random.Percent(50) ? "New " : "Port ";
    const std::size_t start = city.size();
    for (std::size_t n = 2 + random.Below(2); n > 0; --n) city += random.Pick(kSyllables);
    city[start] = static_cast<char>(std::toupper(static_cast<unsigned char>(city[start])));
  }
  return cities;
}

void AppendLower(std::string& out, std::string_view text) {
  for (char c : text) out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// Some records spell the city in capitals or in small letters, so that keys differing only
// in case meet in the sort.
void AppendCity(std::string& out, std::string_view city, Random& random) {
  const std::size_t variant = random.Below(100);
  if (variant < 4) {
    for (char c : city) out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  } else if (variant < 8) {
    AppendLower(out, city);
  } else {
    out += city;
  }
}

// Empty, a word, or a quoted text with commas.
void AppendNote(std::string& out, Random& random) {
  const std::size_t kind = random.Below(100);
  if (kind < 40) return;
  if (kind < 75) {
    out += random.Pick(kPlainNotes);
    return;
  }
  out += '"';
  out += random.Pick(kPhrases);
  for (std::size_t n = random.Percent(25) ? 2 : 1; n > 0; --n) {
    out += ", ";
    out += random.Pick(kPhrases);
  }
  out += '"';
}

void AppendRecord(std::string& out, std::size_t id, const std::vector<std::string>& cities,
                  Random& random) {
  char number[48];
  const std::string_view first = random.Pick(kFirstNames);
  const std::string_view last = random.Pick(kLastNames);

  out += std::to_string(id);
  out += ",\"";
  out += first;
  out += ' ';
  out += last;
  out += "\",";
  AppendCity(out, cities[random.Below(cities.size())], random);
  std::snprintf(number, sizeof number, ",%zu,%zu.%02zu,", random.Below(100),
                random.Below(100), random.Below(100));
  out += number;
  AppendLower(out, first);
  out += '.';
  AppendLower(out, last);
  out += '@';
  out += random.Pick(kDomains);
  out += ',';
  AppendNote(out, random);
  std::snprintf(number, sizeof number, ",%zu-%02zu-%02zu,", 2015 + random.Below(10),
                1 + random.Below(12), 1 + random.Below(28));
  out += number;
  out += random.Pick(kFamilyNames);
  out += ' ';
  out += random.Pick(kGivenNames);
  out += '\n';
}

// The third comma-separated field of a sample line (no field before it holds a comma).
std::string_view ThirdField(std::string_view line) {
  const std::size_t start = line.find(',', line.find(',') + 1) + 1;
  return line.substr(start, line.find(',', start) - start);
}

// Byte order with ASCII letters folded to lower case, as the document compares UTF-8 text.
bool LessIgnoringCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) <
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::string MakeSampleCsv(std::size_t lines, std::uint64_t seed) {
  Random random(seed);
  const std::vector<std::string> cities = MakeCities(random);
  std::string csv;
  csv.reserve(lines * 100);
  for (std::size_t id = 1; id <= lines; ++id) AppendRecord(csv, id, cities, random);
  return csv;
}

std::vector<std::string_view> SortByThirdField(std::string_view csv) {
  struct Keyed {
    std::string_view key;
    std::string_view line;  // without its LF, which would compare below any other byte
    std::size_t length;     // with its LF
  };
  std::vector<Keyed> keyed;
  for (std::size_t start = 0; start < csv.size();) {
    const std::size_t end = std::min(csv.find('\n', start), csv.size());
    const std::string_view line = csv.substr(start, end - start);
    keyed.push_back({ThirdField(line), line, std::min(end + 1, csv.size()) - start});
    start += keyed.back().length;
  }
  std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
    if (LessIgnoringCase(a.key, b.key)) return true;
    if (LessIgnoringCase(b.key, a.key)) return false;
    return LessIgnoringCase(a.line, b.line);
  });
  std::vector<std::string_view> sorted;
  sorted.reserve(keyed.size());
  for (const Keyed& k : keyed) sorted.push_back({k.line.data(), k.length});
  return sorted;
}

}  // namespace quenda::bench
