// Turns one CSV line into the TAB-separated form, in place. Q is '"', K ',', T TAB:
//   x K y K z          => x T y T z          (no Q K Q in the line: every comma)
//   Q x Q K Q y Q      => Q x Q T Q y Q      (else only the comma of each Q K Q,
//   1 K Q x Q K Q y Q  => 1 K Q x Q T Q y Q   searching on after its closing quote)
//   Q x Q K Q K Q K Q y Q => Q x Q T Q K Q T Q y Q
// Quotes stay; a TAB already in the line stays and separates items too.
#pragma once

#include <cstddef>

namespace quenda {

void ConvertCsvLine(char* line, std::size_t size);

}  // namespace quenda
