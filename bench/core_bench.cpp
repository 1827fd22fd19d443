// Micro-benchmarks of the core on the sample data: cutting a loaded CSV block into lines, and
// sorting those lines by their third item from random, sorted and reverse-sorted order.
// The batch tool's end-to-end times are cli_bench.sh's job; these isolate the two hot loops.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "bench/sample_data.h"
#include "doc/document.h"
#include "doc/loader.h"

namespace {

constexpr std::size_t kLines = 200000;

const std::string& SampleCsv() {
  static const std::string csv = quenda::bench::MakeSampleCsv(kLines, 1);
  return csv;
}

// A block holding `csv`, as the loader fills one from a file.
quenda::ByteBlock CopyBlock(const std::string& csv) {
  quenda::ByteBlock block = quenda::AllocateByteBlock(csv.size());
  std::memcpy(block.get(), csv.data(), csv.size());
  return block;
}

void BM_ParseLines(benchmark::State& state) {
  const std::string& csv = SampleCsv();
  for (auto _ : state) {
    state.PauseTiming();
    quenda::ByteBlock block = CopyBlock(csv);
    state.ResumeTiming();
    quenda::LoadedFile file =
        quenda::ParseLines(std::move(block), csv.size(), quenda::LoadFormat::Csv);
    benchmark::DoNotOptimize(file.lines.GetCount());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * csv.size()));
}
BENCHMARK(BM_ParseLines)->Unit(benchmark::kMillisecond)->UseRealTime();

enum Order { kRandom, kSorted, kReverse };

// The sample in the given order, as one CSV text.
std::string SampleInOrder(Order order) {
  const std::string& csv = SampleCsv();
  if (order == kRandom) return csv;
  std::vector<std::string_view> lines = quenda::bench::SortByThirdField(csv);
  if (order == kReverse) std::reverse(lines.begin(), lines.end());
  std::string text;
  text.reserve(csv.size());
  for (std::string_view line : lines) text += line;
  return text;
}

void BM_SortLines(benchmark::State& state) {
  const std::string csv = SampleInOrder(static_cast<Order>(state.range(0)));
  const quenda::LoadedFile file =
      quenda::ParseLines(CopyBlock(csv), csv.size(), quenda::LoadFormat::Csv);
  const quenda::SortSpec spec{.item = 2};
  for (auto _ : state) {
    quenda::CExStringList sorted;
    benchmark::DoNotOptimize(quenda::SortLines(file.lines, spec, file.codePage, sorted));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kLines));
}
BENCHMARK(BM_SortLines)
    ->ArgName("order")  // 0 random, 1 sorted, 2 reverse sorted
    ->Arg(kRandom)
    ->Arg(kSorted)
    ->Arg(kReverse)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
