// Sample data for the benchmarks: a CSV of customer records whose third item is a city.
// The same seed always gives the same bytes, so timings of different builds are comparable.
//
//   42,"Anna Berg",Kamiton,31,72.15,anna.berg@example.com,"call back, after 5pm",2019-04-12,山田 花子
//
// No line holds a quote, comma, quote sequence, so the loader turns every comma into a TAB and
// the document's item 3 (counted from 1) is exactly the third comma-separated field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quenda::bench {

// `lines` records, each ended by LF, with ids 1 to `lines` in order and random other fields.
std::string MakeSampleCsv(std::size_t lines, std::uint64_t seed);

// The lines of `csv` (each with its LF) in the order of the document's ascending sort by
// item 3: by the third field, then by the whole line, ASCII letters compared without case.
std::vector<std::string_view> SortByThirdField(std::string_view csv);

}  // namespace quenda::bench
