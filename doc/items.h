// Items of a line: the fields between TABs, numbered from 0. "a\tb\t" has three items, the
// last empty; a line without TAB is one item; quotes belong to the item.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace quenda {

// Item `n` of `line`; nullopt when the line has fewer than n + 1 items.
std::optional<std::string_view> ItemOf(std::string_view line, std::size_t n);

// Number of items: TABs + 1.
std::size_t CountItems(std::string_view line);

// The value a pick-out writes for an item: one double quote dropped from the start and, of
// what remains, one from the end. "\"abc\"" => abc, "\"\"" => empty, "a\"\"b" => a""b.
std::string_view StripOuterQuotes(std::string_view item);

}  // namespace quenda
