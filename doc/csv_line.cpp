#include "doc/csv_line.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace quenda {

namespace {

// A comma with a double quote on each side: the separator of quoted fields.
bool IsQuotedSeparator(const char* line, std::size_t size, std::size_t comma) {
  return comma > 0 && comma + 1 < size && line[comma - 1] == '"' && line[comma + 1] == '"';
}

// Whether the line holds quote, comma, quote anywhere. Sixteen commas at a time where the
// processor allows, since every CSV line is scanned.
bool HasQuotedSeparator(const char* line, std::size_t size) {
  std::size_t i = 1;
#ifdef __SSE2__
  const __m128i quote = _mm_set1_epi8('"');
  const __m128i comma = _mm_set1_epi8(',');
  for (; i + 17 <= size; i += 16) {
    const auto at = [&](std::size_t k) {
      return _mm_loadu_si128(reinterpret_cast<const __m128i*>(line + k));
    };
    const __m128i hit = _mm_and_si128(_mm_cmpeq_epi8(at(i), comma),
                                      _mm_and_si128(_mm_cmpeq_epi8(at(i - 1), quote),
                                                    _mm_cmpeq_epi8(at(i + 1), quote)));
    if (_mm_movemask_epi8(hit)) return true;
  }
#endif
  for (; i + 1 < size; ++i) {
    if (line[i] == ',' && IsQuotedSeparator(line, size, i)) return true;
  }
  return false;
}

void ReplaceEveryComma(char* line, std::size_t size) {
  std::size_t i = 0;
#ifdef __SSE2__
  const __m128i comma = _mm_set1_epi8(',');
  const __m128i tab = _mm_set1_epi8('\t');
  for (; i + 16 <= size; i += 16) {
    auto* at = reinterpret_cast<__m128i*>(line + i);
    const __m128i bytes = _mm_loadu_si128(at);
    const __m128i isComma = _mm_cmpeq_epi8(bytes, comma);
    if (!_mm_movemask_epi8(isComma)) continue;
    _mm_storeu_si128(at, _mm_or_si128(_mm_andnot_si128(isComma, bytes), _mm_and_si128(isComma, tab)));
  }
#endif
  for (; i < size; ++i) {
    if (line[i] == ',') line[i] = '\t';
  }
}

}  // namespace

void ConvertCsvLine(char* line, std::size_t size) {
  if (!HasQuotedSeparator(line, size)) {
    ReplaceEveryComma(line, size);
    return;
  }
  // Only the comma of each quote-comma-quote; the search goes on after its closing quote, so
  // the middle comma of "," "," is left alone when it shares a quote with the one before.
  for (std::size_t i = 1; i + 1 < size; ++i) {
    if (line[i] == ',' && IsQuotedSeparator(line, size, i)) {
      line[i] = '\t';
      i += 2;  // the closing quote cannot open the next separator
    }
  }
}

}  // namespace quenda
