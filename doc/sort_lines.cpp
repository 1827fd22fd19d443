#include "doc/document.h"
#include "doc/items.h"
#include "doc/sort_tree.h"

#include <optional>

namespace quenda {

namespace {

constexpr std::size_t kProgressEvery = 1 << 16;  // lines

}  // namespace

bool SortLines(const CExStringList& lines, const SortSpec& spec, CodePage cp,
               CExStringList& sorted, Progress* progress) {
  const std::size_t count = lines.GetCount();
  POSITION pos = lines.GetHeadPosition();
  std::optional<std::string_view> header;
  if (spec.keepFirstLine && pos) header = lines.GetNext(pos);
  CStringTreeS tree(cp);
  for (std::size_t i = 0; pos; ++i) {
    if (i % kProgressEvery == 0) {
      if (IsCancelled(progress)) return false;
      Report(progress, i, 3 * count);
    }
    const std::string_view line = lines.GetNext(pos);
    // A line without the item sorts by an empty key.
    tree.Insert(ItemOf(line, spec.item).value_or(std::string_view()), line);
  }
  CExStringList result;
  result.ShareBlocksOf(lines);  // the sorted lines are the same bytes in another order
  if (spec.ascending) {
    tree.AppendAscending(result);
  } else {
    tree.AppendDescending(result);
  }
  if (header) result.AddHead(*header);  // the header goes back first
  if (IsCancelled(progress)) return false;
  Report(progress, 3 * count, 3 * count);
  sorted = std::move(result);
  return true;
}

}  // namespace quenda
