// Leading-decimal parsing, as stored settings are read: " 20abc" => 20, "-7" => -7, "x" => 0.
#pragma once

#include <cstdint>
#include <string_view>

namespace quenda {

// Skips leading blanks (space, tab, CR, LF, VT, FF), takes an optional sign and the decimal
// digits up to the first other character; wraps as a 32-bit number. No digits gives 0.
std::int32_t ParseLeadingDecimal(std::string_view text);

}  // namespace quenda
