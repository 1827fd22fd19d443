#include "doc/csv_line.h"

#include <cstring>

namespace quenda {

namespace {

// A comma with a double quote on each side: the separator of quoted fields.
bool IsQuotedSeparator(const char* line, std::size_t size, std::size_t comma) {
  return comma > 0 && comma + 1 < size && line[comma - 1] == '"' && line[comma + 1] == '"';
}

char* NextComma(char* from, const char* end) {
  return static_cast<char*>(std::memchr(from, ',', static_cast<std::size_t>(end - from)));
}

}  // namespace

void ConvertCsvLine(char* line, std::size_t size) {
  char* const end = line + size;
  char* first = NextComma(line, end);
  if (!first) return;

  bool quoted = false;
  for (char* c = first; c; c = NextComma(c + 1, end)) {
    if (IsQuotedSeparator(line, size, c - line)) {
      quoted = true;
      break;
    }
  }
  if (!quoted) {
    for (char* c = first; c; c = NextComma(c + 1, end)) *c = '\t';
    return;
  }
  // Only the comma of each quote-comma-quote; the search goes on after its closing quote, so
  // the middle comma of "," "," is left alone when it shares a quote with the one before.
  char* searchFrom = line;
  for (char* c = first; c; c = NextComma(c + 1, end)) {
    if (c - 1 < searchFrom || !IsQuotedSeparator(line, size, c - line)) continue;
    *c = '\t';
    searchFrom = c + 2;
  }
}

}  // namespace quenda
