// quenda-cli: the document operations of the viewer from the command line.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/run.h"

int main(int argc, char** argv) {
  // A write past the file-size limit must fail with EFBIG and be reported, not kill us.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::vector<std::string> args(argv + 1, argv + argc);
  const quenda::cli::ParseResult parsed = quenda::cli::ParseCommandLine(args);
  if (!parsed.ok) {
    std::fprintf(stderr, "quenda-cli: %s\n\n%s", parsed.error.c_str(), quenda::cli::kUsage);
    return 2;
  }
  return quenda::cli::Run(parsed.invocation, stdout, stderr, isatty(STDERR_FILENO) != 0);
}
