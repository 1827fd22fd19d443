#include "doc/items.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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
  std::size_t tabs = 0;
  std::size_t i = 0;
#ifdef __SSE2__
  // Sixteen bytes at a time: the batch tool counts the items of every line of a file.
  const __m128i tab = _mm_set1_epi8('\t');
  for (; i + 16 <= line.size(); i += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line.data() + i));
    tabs += static_cast<std::size_t>(__builtin_popcount(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, tab))));
  }
#endif
  for (; i < line.size(); ++i) tabs += line[i] == '\t';
  return 1 + tabs;
}

std::string_view StripOuterQuotes(std::string_view item) {
  if (!item.empty() && item.front() == '"') item.remove_prefix(1);
  if (!item.empty() && item.back() == '"') item.remove_suffix(1);
  return item;
}

}  // namespace quenda
