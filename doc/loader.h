// Reads a CSV or TSV file into lines. The file is read once into one block; lines are cut at
// LF (a CR before it belongs to the line end), CSV lines are converted in place, and the block
// is handed to the line list. Nothing else is dropped: NUL, a lone CR and Ctrl-Z are data.
#pragma once

#include <string>

#include "doc/line_list.h"
#include "platform/byte_block.h"
#include "platform/code_page.h"
#include "platform/progress.h"
#include "platform/status.h"

namespace quenda {

struct LoadedFile {
  CExStringList lines;
  CodePage codePage = CodePage::Utf8;
};

enum class LoadFormat { Csv, Tsv };

// Lines of `bytes` in `format`, converted in place; the views point into `block`.
// Exposed for tests and benchmarks; ReadLinesFile uses it.
LoadedFile ParseLines(ByteBlock block, std::size_t size, LoadFormat format,
                      Progress* progress = nullptr);

// The format follows the name (IsTsvPath). On failure `out` is untouched.
Status ReadLinesFile(const std::string& path, LoadedFile& out, Progress* progress = nullptr);

}  // namespace quenda
