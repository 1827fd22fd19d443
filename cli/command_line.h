// The batch tool's command line, parsed into what to do:
//   quenda-cli convert IN OUT
//   quenda-cli sort    IN OUT --item N [--descending] [--header]
//   quenda-cli pickout IN OUT --item N [--head TEXT] [--tail TEXT] [--header]
//   quenda-cli info    IN
// --item counts from 1, as the dialogs list the items ("001th item" is item 1).
#pragma once

#include <string>
#include <vector>

namespace quenda::cli {

enum class Command { Help, Version, Convert, Sort, PickOut, Info };

struct Invocation {
  Command command = Command::Help;
  std::string input;
  std::string output;
  std::size_t item = 0;  // from 0
  bool descending = false;
  bool header = false;
  std::string head;
  std::string tail;
};

struct ParseResult {
  bool ok = false;
  Invocation invocation;
  std::string error;  // for a usage error
};

ParseResult ParseCommandLine(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace quenda::cli
