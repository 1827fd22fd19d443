// The window's commands as data: one row per QAction. The menu bar and the toolbar are built
// from these rows (main_frame.cpp), so texts, prompts and accelerators live only here.
#pragma once

#include <span>

namespace quenda {

struct CommandSpec {
  const char* name;    // object name of the QAction: "actionOpen"
  const char* text;    // menu text; a TAB separates the accelerator shown on the right
  const char* prompt;  // status bar text while the item is highlighted; "" for none
  const char* keys;    // accelerators, "; "-separated ("Ctrl+C; Ctrl+Ins"); "" for none
  const char* image;   // toolbar image resource, or nullptr
  bool neverEnabled;   // nothing in the program handles it (Print, Cut, ...), or always off
};

std::span<const CommandSpec> Commands();

// Prompts of the recent-file entries: the first, then the second to fourth.
inline constexpr const char* kRecentFilePrompt = "Open this file";
inline constexpr const char* kOtherRecentFilePrompt = "この文書を開く";

}  // namespace quenda
