#include "app/command_table.h"

#include "app/app_texts.h"

namespace quenda {
namespace {

constexpr CommandSpec kCommands[] = {
    // File
    {"actionNew", "New(&N)\tCtrl+N", "Create new file", "Ctrl+N", ":/toolbar/new.xpm", true},
    {"actionOpen", "Open(&O)...\tCtrl+O", "Open file", "Ctrl+O", ":/toolbar/open.xpm", false},
    {"actionSave", "Save(&S)\tCtrl+S", "Save to text file", "Ctrl+S", ":/toolbar/save.xpm", true},
    {"actionSaveAs", "Save as(&A)...", "Save to text file as", "", nullptr, false},
    {"actionPrint", "Print(&P)...\tCtrl+P", "Print file", "Ctrl+P", ":/toolbar/print.xpm", true},
    {"actionPreview", "Preview(&V)", "Preview page", "", nullptr, true},
    {"actionPrinterSetup", "Printer setting(&R)...", "Printer setting", "", nullptr, false},
    {"actionRecentFiles", "Most Recently Used Files", kRecentFilePrompt, "", nullptr, true},
    {"actionExit", "Exit(&X)", "Exit Quenda", "", nullptr, false},
    // Edit
    {"actionUndo", "Undo(&U)\tCtrl+Z", "Undo", "Ctrl+Z; Alt+Backspace", nullptr, true},
    {"actionCut", "Cut(&T)\tCtrl+X", "Cut and save to the clipboard", "Ctrl+X; Shift+Del",
     ":/toolbar/cut.xpm", true},
    {"actionCopy", "Copy(&C)\tCtrl+C", "Copy to the clipboard", "Ctrl+C; Ctrl+Ins",
     ":/toolbar/copy.xpm", true},
    {"actionPaste", "Paste(&P)\tCtrl+V", "Paste from the clipboard", "Ctrl+V; Shift+Ins",
     ":/toolbar/paste.xpm", true},
    {"actionSort", "Sort\tAlt+S", "Sort Data", "Alt+S", ":/toolbar/sort.xpm", false},
    {"actionPickOut", "Pick out\tAlt+P", "Pick out items to the file", "Alt+P",
     ":/toolbar/pickout.xpm", false},
    // Option, Colors and Font
    {"actionOptionSetting", "Option setting", "Option Setting", "", nullptr, false},
    {"actionSpecialOptions", "Special Options", kSpecialOptionsCaption, "", nullptr, false},
    {"actionTextColor", "Text Color", "Select Text Color", "", nullptr, false},
    {"actionBackColor", "Background Color", "", "", nullptr, false},
    {"actionLineColor", "Line Color", "Select Line Color", "", nullptr, false},
    {"actionFont", "Font", "Change Font", "", nullptr, false},
    // Display
    {"actionToolbar", "Toolbar(&T)", "Toggle toolbar", "", nullptr, false},
    {"actionStatusBar", "Statusbar(&S)", "Toggle status bar", "", nullptr, false},
    // Help
    {"actionHelpContents", "Contents", "Contents", "", nullptr, false},
    {"actionAbout", "About(&A)...", "About Quenda", "", ":/toolbar/about.xpm", false},
};

}  // namespace

std::span<const CommandSpec> Commands() { return kCommands; }

}  // namespace quenda
