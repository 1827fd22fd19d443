// quenda-bench-gen: writes the benchmark's input files into a directory:
//   data.csv          the sample records in id order (their cities in random order)
//   data-sorted.csv   the same lines sorted ascending by the third item
//   data-reverse.csv  the same lines in the reverse of that order
// Each file is written under a temporary name and renamed when complete, so a file that
// exists is whole.
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "bench/sample_data.h"

namespace {

constexpr const char* kUsage =
    "usage: quenda-bench-gen [--lines N] [--seed S] [--out DIR]\n"
    "  --lines N  number of lines (default 1000000)\n"
    "  --seed S   random seed (default 1)\n"
    "  --out DIR  output directory, created if missing (default .)\n";

struct Options {
  std::size_t lines = 1000000;
  std::uint64_t seed = 1;
  std::filesystem::path out = ".";
};

template <typename T>
bool ParseNumber(std::string_view text, T& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; i += 2) {
    const std::string_view name = argv[i];
    if (i + 1 >= argc) return false;
    const std::string_view value = argv[i + 1];
    if (name == "--lines") {
      if (!ParseNumber(value, options.lines)) return false;
    } else if (name == "--seed") {
      if (!ParseNumber(value, options.seed)) return false;
    } else if (name == "--out") {
      options.out = value;
    } else {
      return false;
    }
  }
  return true;
}

// Writes the pieces to `path` through a temporary file; prints the reason on failure.
bool WriteFile(const std::filesystem::path& path, const std::vector<std::string_view>& pieces) {
  const std::filesystem::path temporary = path.string() + ".part";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  bool ok = file != nullptr;
  for (std::size_t i = 0; ok && i < pieces.size(); ++i)
    ok = std::fwrite(pieces[i].data(), 1, pieces[i].size(), file) == pieces[i].size();
  if (file && std::fclose(file) != 0) ok = false;
  std::error_code error;
  if (ok) std::filesystem::rename(temporary, path, error);
  if (!ok || error) {
    std::fprintf(stderr, "quenda-bench-gen: %s: %s\n", path.c_str(),
                 error ? error.message().c_str() : std::strerror(errno));
    std::filesystem::remove(temporary, error);
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (argc == 2 && std::string_view(argv[1]) == "--help") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (!ParseOptions(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  std::error_code error;
  std::filesystem::create_directories(options.out, error);
  if (error) {
    std::fprintf(stderr, "quenda-bench-gen: %s: %s\n", options.out.c_str(),
                 error.message().c_str());
    return 1;
  }

  const std::string csv = quenda::bench::MakeSampleCsv(options.lines, options.seed);
  std::vector<std::string_view> lines = quenda::bench::SortByThirdField(csv);
  if (!WriteFile(options.out / "data.csv", {csv}) ||
      !WriteFile(options.out / "data-sorted.csv", lines))
    return 1;
  std::reverse(lines.begin(), lines.end());
  return WriteFile(options.out / "data-reverse.csv", lines) ? 0 : 1;
}
