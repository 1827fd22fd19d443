// CMainFrame: the program's one window. It carries the menu bar, the toolbar, the grid view
// and the status bar (message pane, progress of a long operation, lock-key indicators), and
// keeps every command's enabled state in step with the document and the running operation.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <string>

#include "app/long_operation.h"
#include "app/recent_file_list.h"

class QLabel;
class QMenu;
class QProgressBar;
class QToolBar;

namespace quenda {

class CLumoraDoc;
class CLumoraView;
class Profile;
class UiServices;
class ViewCommands;

// "Quenda" => "Quenda - CSV/TSV Viewer Quenda"
QString FrameCaption(const std::string& documentTitle);

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  CMainFrame(CLumoraDoc& doc, Profile& profile, UiServices& ui, QWidget* parent = nullptr);
  ~CMainFrame() override;

  CLumoraView& view() { return *m_view; }
  ViewCommands& commands() { return *m_commands; }
  // Runs the document operations one at a time; the commands that read or change the
  // document are disabled while it runs.
  LongOperation& operation() { return m_operation; }

  // The caption and the enabled commands, from the document and the running operation.
  void UpdateFromDocument();

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QAction* CommandAction(const char* name) const;
  void CreateActions();
  void CreateMenus();
  void CreateToolBar();
  void CreateStatusBar();
  void ConnectCommands();
  void WatchMenuPrompts(QMenu* menu);
  void SetMessageText(const QString& text);
  void UpdateRecentFileMenu();
  void UpdateLockIndicators();
  void OnHelpContents();

  CLumoraDoc& m_doc;
  UiServices& m_ui;
  RecentFileList m_recentFiles;
  LongOperation m_operation;
  CLumoraView* m_view = nullptr;
  ViewCommands* m_commands = nullptr;
  QToolBar* m_toolBar = nullptr;
  QLabel* m_messagePane = nullptr;
  QProgressBar* m_progressBar = nullptr;
  std::array<QLabel*, 4> m_indicators{};  // KANA, CAP, NUM, SCRL
  std::array<QAction*, RecentFileList::kMaxFiles> m_recentEntries{};
  QTimer m_lockPoll;
};

}  // namespace quenda
