#include "cli/command_line.h"

#include <charconv>
#include <map>

namespace quenda::cli {

const char* const kUsage =
    "usage: quenda-cli convert IN OUT\n"
    "       quenda-cli sort    IN OUT --item N [--descending] [--header]\n"
    "       quenda-cli pickout IN OUT --item N [--head TEXT] [--tail TEXT] [--header]\n"
    "       quenda-cli info    IN\n"
    "       quenda-cli --help | --version\n"
    "\n"
    "IN is read as TSV when its name ends in .tsv, otherwise as CSV.\n"
    "convert and sort write OUT as CSV when its extension contains CSV, otherwise as TSV.\n"
    "pickout writes item N of every line, between TEXT before and after it.\n"
    "--item N     the item to sort by or pick out, counted from 1\n"
    "--header     the first line is not data: it stays first, or is not picked out\n"
    "--descending sort in descending order (ascending otherwise)\n";

namespace {

struct CommandShape {
  Command command;
  std::size_t files;  // IN, or IN and OUT
  bool needsItem;
  bool sorts;
  bool picks;
};

const std::map<std::string, CommandShape>& Shapes() {
  static const std::map<std::string, CommandShape> shapes = {
      {"convert", {Command::Convert, 2, false, false, false}},
      {"sort", {Command::Sort, 2, true, true, false}},
      {"pickout", {Command::PickOut, 2, true, false, true}},
      {"info", {Command::Info, 1, false, false, false}},
  };
  return shapes;
}

ParseResult Fail(std::string error) {
  ParseResult r;
  r.error = std::move(error);
  return r;
}

// A command that takes no files, such as --help.
ParseResult Only(Command command) {
  ParseResult r;
  r.ok = true;
  r.invocation.command = command;
  return r;
}

}  // namespace

ParseResult ParseCommandLine(const std::vector<std::string>& args) {
  if (args.empty()) return Fail("no command given");
  if (args[0] == "--help" || args[0] == "-h") return Only(Command::Help);
  if (args[0] == "--version") return Only(Command::Version);
  const auto shape = Shapes().find(args[0]);
  if (shape == Shapes().end()) return Fail("unknown command '" + args[0] + "'");
  const CommandShape& s = shape->second;

  ParseResult result;
  result.ok = true;
  Invocation& inv = result.invocation;
  inv.command = s.command;
  std::vector<std::string> files;
  bool haveItem = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= args.size()) return false;
      into = args[++i];
      return true;
    };
    if (a == "--help" || a == "-h") return Only(Command::Help);
    if (a == "--item" && s.needsItem) {
      std::string text;
      if (!value(text)) return Fail("--item needs a number");
      std::size_t n = 0;
      const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
      if (ec != std::errc() || end != text.data() + text.size() || n == 0) {
        return Fail("--item takes a whole number from 1, not '" + text + "'");
      }
      inv.item = n - 1;
      haveItem = true;
    } else if (a == "--descending" && s.sorts) {
      inv.descending = true;
    } else if (a == "--header" && (s.sorts || s.picks)) {
      inv.header = true;
    } else if (a == "--head" && s.picks) {
      if (!value(inv.head)) return Fail("--head needs a text");
    } else if (a == "--tail" && s.picks) {
      if (!value(inv.tail)) return Fail("--tail needs a text");
    } else if (a == "--") {
      files.insert(files.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
      break;
    } else if (a.size() > 1 && a[0] == '-') {
      return Fail("unknown option '" + a + "' for " + args[0]);
    } else {
      files.push_back(a);
    }
  }
  if (files.size() != s.files) {
    return Fail(args[0] + (s.files == 1 ? " takes one file, IN" : " takes two files, IN and OUT"));
  }
  if (s.needsItem && !haveItem) return Fail(args[0] + " needs --item N");
  inv.input = files[0];
  if (s.files == 2) inv.output = files[1];
  return result;
}

}  // namespace quenda::cli
