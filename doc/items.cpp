#include "doc/items.h"

#include <algorithm>

namespace quenda {

std::optional<std::string_view> ItemOf(std::string_view line, std::size_t n) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t tab = line.find('\t', start);
    if (tab == std::string_view::npos) return std::nullopt;
    start = tab + 1;
  }
  const std::size_t end = line.find('\t', start);
  return line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

std::size_t CountItems(std::string_view line) {
  return 1 + static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t'));
}

std::string_view StripOuterQuotes(std::string_view item) {
  if (!item.empty() && item.front() == '"') item.remove_prefix(1);
  if (!item.empty() && item.back() == '"') item.remove_suffix(1);
  return item;
}

}  // namespace quenda
