#include "doc/writers.h"

#include <algorithm>
#include <cstring>

#include "doc/file_names.h"
#include "doc/items.h"
#include "platform/atomic_file.h"

namespace quenda {

namespace {

constexpr std::size_t kProgressEvery = 1 << 16;  // lines

// Writes one output line per line of `lines` through `emit`, with progress and cancelling,
// then replaces the target. `emit(writer, line)` formats one line into the writer.
template <typename Emit>
Status WriteEachLine(const CExStringList& lines, bool skipFirst, const std::string& path,
                     Progress* progress, Emit emit) {
  AtomicFileWriter writer;
  if (Status opened = writer.Open(path); !opened.ok()) return opened;
  const std::size_t count = lines.GetCount();
  POSITION pos = lines.GetHeadPosition();
  if (skipFirst && pos) lines.GetNext(pos);
  for (std::size_t i = 0; pos; ++i) {
    if (i % kProgressEvery == 0) {
      if (IsCancelled(progress)) return Status::Cancelled();
      if (writer.failed()) break;  // Commit() reports the failure
      Report(progress, i, count);
    }
    emit(writer, lines.GetNext(pos));
  }
  Report(progress, count, count);
  return writer.Commit();
}

void PutLine(AtomicFileWriter& writer, std::string_view text, bool tabsToCommas) {
  char* out = writer.Reserve(text.size() + 2);
  std::memcpy(out, text.data(), text.size());
  if (tabsToCommas) std::replace(out, out + text.size(), '\t', ',');
  out[text.size()] = '\r';
  out[text.size() + 1] = '\n';
  writer.Advance(text.size() + 2);
}

}  // namespace

Status WriteLinesFile(const CExStringList& lines, const std::string& path, Progress* progress) {
  const bool csv = IsCsvSavePath(path);
  return WriteEachLine(lines, false, path, progress, [csv](AtomicFileWriter& writer, std::string_view line) {
    PutLine(writer, line, csv);
  });
}

Status WritePickOutFile(const CExStringList& lines, const PickOutSpec& spec,
                        const std::string& path, Progress* progress) {
  return WriteEachLine(lines, spec.skipFirstLine, path, progress, [&spec](AtomicFileWriter& writer, std::string_view line) {
    const auto item = ItemOf(line, spec.item);
    if (!item) return;  // a line without the item yields nothing
    const std::string_view value = StripOuterQuotes(*item);
    if (value.empty()) return;
    writer.Write(spec.head);
    writer.Write(value);
    writer.Write(spec.tail);
    writer.Write("\r\n");
  });
}

}  // namespace quenda
