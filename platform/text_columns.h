// How much of a cell's text fits its width without splitting a character.
// CP932 counts bytes; UTF-8 counts display columns (East Asian wide characters 2, others 1),
// which is what the byte count means in CP932.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/code_page.h"

namespace quenda {

// Number of bytes of text to draw in a cell of `columns` columns (0 or less shows nothing).
// CP932: min(length, columns), one less when a lead byte stands at the last counted byte.
// UTF-8: the longest run of whole characters whose columns add up to at most `columns`.
std::size_t ClipCellBytes(std::string_view text, int columns, CodePage cp);

// Display columns of one Unicode code point: 2 for East Asian wide and full-width, else 1.
int CodePointColumns(char32_t cp);

}  // namespace quenda
