// The files a document writes, each replaced atomically: on failure the old file is intact.
#pragma once

#include <cstddef>
#include <string>

#include "doc/line_list.h"
#include "platform/progress.h"
#include "platform/status.h"

namespace quenda {

// Every line followed by CR LF; TABs become commas when IsCsvSavePath(path).
Status WriteLinesFile(const CExStringList& lines, const std::string& path,
                      Progress* progress = nullptr);

struct PickOutSpec {
  std::size_t item = 0;       // from 0
  std::string head;           // written before each value
  std::string tail;           // written after each value
  bool skipFirstLine = false; // the first line is a header, not data
};

// One output line (head, value, tail, CR LF) for every line whose item, stripped of its outer
// quotes, is not empty. Lines without that item yield nothing.
Status WritePickOutFile(const CExStringList& lines, const PickOutSpec& spec,
                        const std::string& path, Progress* progress = nullptr);

}  // namespace quenda
