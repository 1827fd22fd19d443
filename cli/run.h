// Runs one parsed command of the batch tool over the document operations the window uses,
// so its output files are byte for byte what the window writes. Returns the exit status:
// 0 success, 1 a file could not be read or written (one line on stderr), 2 usage.
#pragma once

#include <cstdio>

#include "cli/command_line.h"

namespace quenda::cli {

int Run(const Invocation& invocation, std::FILE* out, std::FILE* err, bool showProgress);

}  // namespace quenda::cli
