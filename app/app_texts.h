// The window's own fixed texts.
#pragma once

namespace quenda {

// Caption of every message box without one of its own, and the second half of the caption.
inline constexpr const char* kAppName = "CSV/TSV Viewer Quenda";
// The title of the one document: the first half of the caption.
inline constexpr const char* kDocumentName = "Quenda";
// The status bar's message pane when no menu item is highlighted.
inline constexpr const char* kIdleMessage = "I love KOBE!";

// Open and Save As: pairs of description and pattern, ended by two bars.
inline constexpr const char* kFileFilter =
    "CSV Files (*.CSV)|*.CSV|TSV Files (*.TSV)|*.TSV|ALL Files (*.*)|*.*||";
inline constexpr const char* kOpenInitialName = "*.CSV";
inline constexpr const char* kSaveInitialName = "default.csv";

inline constexpr const char* kCommandFailed = "Command failed.";

// Caption of the directory options dialog, which is also the Special Options prompt.
inline constexpr const char* kSpecialOptionsCaption = "Directory Options";

}  // namespace quenda
