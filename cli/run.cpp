#include "cli/run.h"

#include <algorithm>

#include "cli/progress_meter.h"
#include "doc/document.h"
#include "doc/items.h"

namespace quenda::cli {

namespace {

int Report(const Status& status, const char* verb, std::FILE* err) {
  std::fprintf(err, "quenda-cli: cannot %s %s: %s\n", verb, status.path().c_str(),
               status.reason().c_str());
  return 1;
}

void PrintInfo(const CLumoraDoc& doc, std::FILE* out) {
  const CExStringList& lines = doc.m_lines;
  std::size_t most = 0;
  for (POSITION pos = lines.GetHeadPosition(); pos;) most = std::max(most, CountItems(lines.GetNext(pos)));
  std::fprintf(out, "lines: %zu\n", lines.GetCount());
  std::fprintf(out, "code page: %s\n", CodePageName(doc.codePage()));
  std::fprintf(out, "items in the first line: %zu\n", lines.IsEmpty() ? 0 : CountItems(lines.GetAt(0)));
  std::fprintf(out, "most items in a line: %zu\n", most);
}

}  // namespace

int Run(const Invocation& inv, std::FILE* out, std::FILE* err, bool showProgress) {
  switch (inv.command) {
    case Command::Help:
      std::fputs(kUsage, out);
      return 0;
    case Command::Version:
      std::fputs("quenda-cli " QUENDA_VERSION "\n", out);
      return 0;
    default:
      break;
  }

  Progress progress;
  ProgressMeter meter(progress, err, showProgress);
  CLumoraDoc doc;
  meter.SetPhase("loading");
  if (Status loaded = doc.LoadFile(inv.input, &progress); !loaded.ok()) {
    return Report(loaded, "read", err);
  }

  Status written;
  switch (inv.command) {
    case Command::Info:
      PrintInfo(doc, out);
      return 0;
    case Command::Sort:
      meter.SetPhase("sorting");
      (void)doc.SortByItem({inv.item, !inv.descending, inv.header}, &progress);
      [[fallthrough]];
    case Command::Convert:
      meter.SetPhase("writing");
      written = doc.SaveFile(inv.output, &progress);
      break;
    case Command::PickOut:
      meter.SetPhase("writing");
      written = doc.PickOutItem({inv.item, inv.head, inv.tail, inv.header}, inv.output, &progress);
      break;
    default:
      break;
  }
  return written.ok() ? 0 : Report(written, "write", err);
}

}  // namespace quenda::cli
