#include "app/main_frame.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/app_texts.h"
#include "app/command_table.h"
#include "app/help_page.h"
#include "app/resources.h"
#include "app/ui_services.h"
#include "app/view_commands.h"
#include "doc/document.h"
#include "view/lumora_view.h"

namespace quenda {
namespace {

// The toolbar shows no tool tips.
class NoToolTips : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::ToolTip; }
};

// Toolbar buttons from the left; nullptr is a separator.
constexpr const char* kToolBarLayout[] = {
    "actionNew",  "actionOpen", "actionSave",  nullptr,      "actionSort", "actionPickOut",
    nullptr,      "actionCut",  "actionCopy",  "actionPaste", nullptr,      "actionPrint",
    "actionAbout"};

constexpr const char* kIndicatorTexts[] = {"KANA", "CAP", "NUM", "SCRL"};

}  // namespace

QString FrameCaption(const std::string& documentTitle) {
  return QString::fromStdString(documentTitle) + QStringLiteral(" - ") + QString(kAppName);
}

CMainFrame::CMainFrame(CLumoraDoc& doc, Profile& profile, UiServices& ui, QWidget* parent)
    : QMainWindow(parent), m_doc(doc), m_ui(ui), m_recentFiles(profile) {
  InitResources();
  setWindowIcon(AppIcon());
  m_view = new CLumoraView(doc, profile, this);
  setCentralWidget(m_view);
  m_commands = new ViewCommands(doc, *m_view, profile, ui, m_operation, m_recentFiles, this);

  CreateActions();
  CreateMenus();
  CreateToolBar();
  CreateStatusBar();
  ConnectCommands();
  UpdateRecentFileMenu();
  UpdateFromDocument();
}

CMainFrame::~CMainFrame() { m_operation.CancelAndWait(); }

QAction* CMainFrame::CommandAction(const char* name) const {
  return findChild<QAction*>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
}

void CMainFrame::CreateActions() {
  for (const CommandSpec& spec : Commands()) {
    auto* action = new QAction(QString::fromUtf8(spec.text), this);
    action->setObjectName(QString::fromUtf8(spec.name));
    action->setStatusTip(QString::fromUtf8(spec.prompt));
    action->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(spec.keys)));
    if (spec.image) action->setIcon(QIcon(QString::fromUtf8(spec.image)));
    action->setIconVisibleInMenu(false);  // the images belong to the toolbar only
    action->setEnabled(!spec.neverEnabled);
  }
  for (QAction* barSwitch : {CommandAction("actionToolbar"), CommandAction("actionStatusBar")}) {
    barSwitch->setCheckable(true);
    barSwitch->setChecked(true);
  }
  for (int i = 0; i < RecentFileList::kMaxFiles; ++i) {
    auto* entry = new QAction(this);
    entry->setObjectName(QStringLiteral("actionRecentFile%1").arg(i + 1));
    entry->setStatusTip(QString::fromUtf8(i == 0 ? kRecentFilePrompt : kOtherRecentFilePrompt));
    connect(entry, &QAction::triggered, m_commands, [this, i] { m_commands->OnOpenRecentFile(i); });
    m_recentEntries[i] = entry;
  }
}

void CMainFrame::CreateMenus() {
  QMenuBar* bar = menuBar();
  bar->setNativeMenuBar(false);  // "Font" is a command on the bar itself
  auto named = [this](QMenu* menu, const char* name) {
    menu->setObjectName(QString::fromUtf8(name));
    WatchMenuPrompts(menu);
    return menu;
  };
  auto add = [this](QMenu* menu, std::initializer_list<const char*> names) {
    for (const char* name : names) {
      if (name)
        menu->addAction(CommandAction(name));
      else
        menu->addSeparator();
    }
  };

  QMenu* file = named(bar->addMenu(QStringLiteral("File(&F)")), "menuFile");
  add(file, {"actionNew", "actionOpen", "actionSave", "actionSaveAs", nullptr, "actionPrint",
             "actionPreview", "actionPrinterSetup", nullptr, "actionRecentFiles"});
  for (QAction* entry : m_recentEntries) file->addAction(entry);
  add(file, {nullptr, "actionExit"});

  QMenu* edit = named(bar->addMenu(QStringLiteral("Edit(&E)")), "menuEdit");
  add(edit, {"actionUndo", nullptr, "actionCut", "actionCopy", "actionPaste", nullptr,
             "actionSort", "actionPickOut"});

  QMenu* option = named(bar->addMenu(QStringLiteral("Option")), "menuOption");
  add(option, {"actionOptionSetting", "actionSpecialOptions"});
  QMenu* colors = named(option->addMenu(QStringLiteral("Colors")), "menuColors");
  add(colors, {"actionTextColor", "actionBackColor", "actionLineColor"});

  bar->addAction(CommandAction("actionFont"));

  QMenu* display = named(bar->addMenu(QStringLiteral("Display(&V)")), "menuDisplay");
  add(display, {"actionToolbar", "actionStatusBar"});

  QMenu* help = named(bar->addMenu(QStringLiteral("Help(&H)")), "menuHelp");
  add(help, {"actionHelpContents", "actionAbout"});
}

void CMainFrame::CreateToolBar() {
  m_toolBar = addToolBar(QStringLiteral("Toolbar"));
  m_toolBar->setObjectName(QStringLiteral("toolBar"));
  m_toolBar->setMovable(false);
  m_toolBar->setFloatable(false);
  m_toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
  m_toolBar->setIconSize(QSize(16, 15));
  auto* noToolTips = new NoToolTips(m_toolBar);
  for (const char* name : kToolBarLayout) {
    if (!name) {
      m_toolBar->addSeparator();
      continue;
    }
    QAction* action = CommandAction(name);
    m_toolBar->addAction(action);
    m_toolBar->widgetForAction(action)->installEventFilter(noToolTips);
  }
}

void CMainFrame::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("statusBar"));
  m_messagePane = new QLabel(QString::fromUtf8(kIdleMessage), bar);
  m_messagePane->setObjectName(QStringLiteral("messagePane"));
  bar->addWidget(m_messagePane, 1);

  m_progressBar = new QProgressBar(bar);
  m_progressBar->setObjectName(QStringLiteral("progressBar"));
  m_progressBar->setRange(0, 1000);
  m_progressBar->setTextVisible(false);
  m_progressBar->setMaximumWidth(160);
  m_progressBar->hide();
  bar->addPermanentWidget(m_progressBar);

  for (std::size_t i = 0; i < m_indicators.size(); ++i) {
    auto* indicator = new QLabel(bar);
    indicator->setObjectName(QStringLiteral("indicator%1").arg(kIndicatorTexts[i]));
    indicator->setAlignment(Qt::AlignCenter);
    indicator->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Sized to its text, which shows only while the key is on.
    indicator->setFixedWidth(indicator->fontMetrics().horizontalAdvance(
                                 QString::fromUtf8(kIndicatorTexts[i])) + 10);
    bar->addPermanentWidget(indicator);
    m_indicators[i] = indicator;
  }
  m_lockPoll.setInterval(250);
  connect(&m_lockPoll, &QTimer::timeout, this, &CMainFrame::UpdateLockIndicators);
  m_lockPoll.start();
  UpdateLockIndicators();
}

void CMainFrame::ConnectCommands() {
  auto on = [this](const char* name, auto handler) {
    connect(CommandAction(name), &QAction::triggered, this, handler);
  };
  ViewCommands* commands = m_commands;
  on("actionOpen", [commands] { commands->OnFileOpen(); });
  on("actionSaveAs", [commands] { commands->OnFileSaveAs(); });
  on("actionFont", [commands] { commands->OnFont(); });
  on("actionTextColor", [commands] { commands->OnTextColor(); });
  on("actionBackColor", [commands] { commands->OnBackColor(); });
  on("actionLineColor", [commands] { commands->OnLineColor(); });
  on("actionPrinterSetup", [this] { m_ui.ShowPrinterSetup(); });
  on("actionExit", [this] { close(); });
  on("actionHelpContents", [this] { OnHelpContents(); });
  on("actionAbout", [this] { m_ui.ShowAbout(); });
  connect(CommandAction("actionToolbar"), &QAction::toggled, m_toolBar, &QWidget::setVisible);
  connect(CommandAction("actionStatusBar"), &QAction::toggled, statusBar(), &QWidget::setVisible);

  connect(m_commands, &ViewCommands::DocumentChanged, this, &CMainFrame::UpdateFromDocument);
  connect(m_commands, &ViewCommands::RecentFilesChanged, this, &CMainFrame::UpdateRecentFileMenu);
  connect(&m_operation, &LongOperation::RunningChanged, this, [this](bool running) {
    m_progressBar->setValue(0);
    m_progressBar->setVisible(running);
    UpdateFromDocument();
  });
  connect(&m_operation, &LongOperation::ProgressChanged, m_progressBar, &QProgressBar::setValue);
}

void CMainFrame::WatchMenuPrompts(QMenu* menu) {
  connect(menu, &QMenu::hovered, this, [this](QAction* action) {
    SetMessageText(action->statusTip());  // empty for a command without a prompt
  });
  connect(menu, &QMenu::aboutToHide, this,
          [this] { SetMessageText(QString::fromUtf8(kIdleMessage)); });
}

void CMainFrame::SetMessageText(const QString& text) { m_messagePane->setText(text); }

bool CMainFrame::event(QEvent* event) {
  // The message pane follows the menus alone (WatchMenuPrompts); Qt's own status tips, which
  // would also come from toolbar buttons and blank the pane for items without a prompt, are
  // dropped.
  if (event->type() == QEvent::StatusTip) return true;
  return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  // Stops a load or save half-way: the document and the target file stay as they were.
  m_operation.CancelAndWait();
  QMainWindow::closeEvent(event);
}

void CMainFrame::UpdateFromDocument() {
  setWindowTitle(FrameCaption(m_doc.GetTitle()));
  const bool idle = !m_operation.IsRunning();
  const bool hasLines = !m_doc.m_lines.IsEmpty();
  CommandAction("actionOpen")->setEnabled(idle);
  CommandAction("actionSaveAs")->setEnabled(idle);
  CommandAction("actionSort")->setEnabled(idle && hasLines);
  CommandAction("actionPickOut")->setEnabled(idle && hasLines);
  for (QAction* entry : m_recentEntries) entry->setEnabled(idle);
}

void CMainFrame::UpdateRecentFileMenu() {
  const auto& files = m_recentFiles.files();
  CommandAction("actionRecentFiles")->setVisible(files.empty());
  for (std::size_t i = 0; i < m_recentEntries.size(); ++i) {
    m_recentEntries[i]->setVisible(i < files.size());
    if (i < files.size()) m_recentEntries[i]->setText(RecentFileMenuText(static_cast<int>(i), files[i]));
  }
}

void CMainFrame::UpdateLockIndicators() {
  const LockKeys keys = m_ui.GetLockKeys();
  const bool on[] = {keys.kana, keys.caps, keys.num, keys.scroll};
  for (std::size_t i = 0; i < m_indicators.size(); ++i)
    m_indicators[i]->setText(on[i] ? QString::fromUtf8(kIndicatorTexts[i]) : QString());
}

void CMainFrame::OnHelpContents() {
  const QString path = HelpPagePath(QCoreApplication::applicationDirPath());
  if (QFileInfo::exists(path))
    m_ui.ShowHelp(path);
  else
    m_ui.ShowMessage(QStringLiteral("The user guide was not found.\nIt was looked for at:\n") + path);
}

}  // namespace quenda
