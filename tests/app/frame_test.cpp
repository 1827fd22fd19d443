// The main frame: menu, toolbar, enabled states, accelerators, status bar and bar switches.
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "tests/app/window_fixture.h"

namespace quenda {
namespace {

// The visible entries of a menu as indented lines: "-" is a separator, a submenu's title
// ends with ":" and its entries follow one level deeper.
void Outline(const QList<QAction*>& actions, const QString& indent, QString& out) {
  for (QAction* action : actions) {
    if (!action->isVisible()) continue;
    if (action->isSeparator()) {
      out += indent + "-\n";
    } else if (action->menu()) {
      out += indent + action->text() + ":\n";
      Outline(action->menu()->actions(), indent + "  ", out);
    } else {
      out += indent + action->text() + "\n";
    }
  }
}

class FrameTest : public WindowTest {
 protected:
  void SetUp() override { Start(); }

  void ActivateWindow() {
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
  }
};

TEST_F(FrameTest, CaptionIsTheDocumentTitleThenTheProgramName) {
  EXPECT_EQ(frame->windowTitle(), "Quenda - CSV/TSV Viewer Quenda");
  Load(Fixture("a.csv", "x,y\n"));
  EXPECT_EQ(frame->windowTitle(), "Quenda - CSV/TSV Viewer Quenda");  // opening keeps the title
}

TEST_F(FrameTest, MenuTextsAndOrder) {
  QString outline;
  Outline(frame->menuBar()->actions(), {}, outline);
  EXPECT_EQ(outline.toStdString(),
            "File(&F):\n"
            "  New(&N)\tCtrl+N\n"
            "  Open(&O)...\tCtrl+O\n"
            "  Save(&S)\tCtrl+S\n"
            "  Save as(&A)...\n"
            "  -\n"
            "  Print(&P)...\tCtrl+P\n"
            "  Preview(&V)\n"
            "  Printer setting(&R)...\n"
            "  -\n"
            "  Most Recently Used Files\n"
            "  -\n"
            "  Exit(&X)\n"
            "Edit(&E):\n"
            "  Undo(&U)\tCtrl+Z\n"
            "  -\n"
            "  Cut(&T)\tCtrl+X\n"
            "  Copy(&C)\tCtrl+C\n"
            "  Paste(&P)\tCtrl+V\n"
            "  -\n"
            "  Sort\tAlt+S\n"
            "  Pick out\tAlt+P\n"
            "Option:\n"
            "  Option setting\n"
            "  Special Options\n"
            "  Colors:\n"
            "    Text Color\n"
            "    Background Color\n"
            "    Line Color\n"
            "Font\n"
            "Display(&V):\n"
            "  Toolbar(&T)\n"
            "  Statusbar(&S)\n"
            "Help(&H):\n"
            "  Contents\n"
            "  About(&A)...\n");
}

TEST_F(FrameTest, ToolbarHasThirteenPositionsWithImages) {
  auto* toolBar = frame->findChild<QToolBar*>("toolBar");
  ASSERT_NE(toolBar, nullptr);
  QStringList positions;
  for (QAction* action : toolBar->actions()) {
    positions << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    if (!action->isSeparator()) {
      EXPECT_FALSE(action->icon().isNull()) << action->objectName().toStdString();
      EXPECT_FALSE(action->isIconVisibleInMenu()) << action->objectName().toStdString();
    }
  }
  EXPECT_EQ(positions.join(' ').toStdString(),
            "actionNew actionOpen actionSave - actionSort actionPickOut - actionCut actionCopy "
            "actionPaste - actionPrint actionAbout");
  EXPECT_FALSE(toolBar->isMovable());
  EXPECT_FALSE(toolBar->isFloatable());
}

TEST_F(FrameTest, EnabledStatesAtStartUpAndWithLines) {
  struct Case {
    const char* name;
    bool atStartUp;
    bool withLines;
  } cases[] = {
      {"actionNew", false, false},          {"actionOpen", true, true},
      {"actionSave", false, false},         {"actionSaveAs", true, true},
      {"actionPrint", false, false},        {"actionPreview", false, false},
      {"actionPrinterSetup", true, true},   {"actionRecentFiles", false, false},
      {"actionExit", true, true},           {"actionUndo", false, false},
      {"actionCut", false, false},          {"actionCopy", false, false},
      {"actionPaste", false, false},        {"actionSort", false, true},
      {"actionPickOut", false, true},       {"actionOptionSetting", true, true},
      {"actionSpecialOptions", true, true}, {"actionTextColor", true, true},
      {"actionBackColor", true, true},      {"actionLineColor", true, true},
      {"actionFont", true, true},           {"actionToolbar", true, true},
      {"actionStatusBar", true, true},      {"actionHelpContents", true, true},
      {"actionAbout", true, true},
  };
  auto* toolBar = frame->findChild<QToolBar*>("toolBar");
  auto check = [&](bool withLines) {
    for (const Case& c : cases) {
      const bool expected = withLines ? c.withLines : c.atStartUp;
      QAction* action = Action(c.name);
      EXPECT_EQ(action->isEnabled(), expected) << c.name << (withLines ? " with lines" : "");
      if (QWidget* button = toolBar->widgetForAction(action)) {
        EXPECT_EQ(button->isEnabled(), expected) << c.name << " on the toolbar";
      }
    }
  };
  check(false);
  Load(Fixture("one.csv", "only line\n"));
  check(true);
  Load(Fixture("empty.csv", ""));
  EXPECT_FALSE(Action("actionSort")->isEnabled());
  EXPECT_FALSE(Action("actionPickOut")->isEnabled());
}

TEST_F(FrameTest, AcceleratorsOfDisabledCommandsDoNothing) {
  Load(Fixture("one.csv", "a,b\n"));
  ActivateWindow();
  QStringList triggered;
  for (QAction* action : frame->findChildren<QAction*>())
    QObject::connect(action, &QAction::triggered, frame,
                     [&triggered, action] { triggered << action->objectName(); });

  const QKeySequence disabledKeys[] = {
      QKeySequence("Ctrl+N"), QKeySequence("Ctrl+S"),        QKeySequence("Ctrl+P"),
      QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace"), QKeySequence("Ctrl+X"),
      QKeySequence("Shift+Del"), QKeySequence("Ctrl+C"),     QKeySequence("Ctrl+Ins"),
      QKeySequence("Ctrl+V"), QKeySequence("Shift+Ins")};
  for (const QKeySequence& keys : disabledKeys) QTest::keySequence(frame, keys);
  EXPECT_TRUE(triggered.isEmpty()) << triggered.join(' ').toStdString();

  // The same way of pressing keys does reach enabled commands.
  QTest::keySequence(frame, QKeySequence("Alt+S"));
  QTest::keySequence(frame, QKeySequence("Alt+P"));
  QTest::keySequence(frame, QKeySequence("Ctrl+O"));
  EXPECT_EQ(triggered.join(' ').toStdString(), "actionSort actionPickOut actionOpen");
  EXPECT_EQ(ui.fileRequests.size(), 1u);
}

TEST_F(FrameTest, SortAcceleratorDoesNothingWithoutLines) {
  ActivateWindow();
  QSignalSpy sort(Action("actionSort"), &QAction::triggered);
  QSignalSpy pickOut(Action("actionPickOut"), &QAction::triggered);
  QTest::keySequence(frame, QKeySequence("Alt+S"));
  QTest::keySequence(frame, QKeySequence("Alt+P"));
  EXPECT_EQ(sort.count(), 0);
  EXPECT_EQ(pickOut.count(), 0);
}

TEST_F(FrameTest, MessagePaneShowsThePromptOfTheHighlightedItem) {
  auto* pane = frame->findChild<QLabel*>("messagePane");
  ASSERT_NE(pane, nullptr);
  EXPECT_EQ(pane->text(), "I love KOBE!");

  auto* colors = frame->findChild<QMenu*>("menuColors");
  colors->popup(frame->geometry().center());
  colors->setActiveAction(Action("actionTextColor"));
  EXPECT_EQ(pane->text(), "Select Text Color");
  colors->setActiveAction(Action("actionBackColor"));
  EXPECT_EQ(pane->text(), "");  // no prompt of its own
  colors->hide();
  EXPECT_EQ(pane->text(), "I love KOBE!");

  auto* file = frame->findChild<QMenu*>("menuFile");
  file->popup(frame->geometry().center());
  file->setActiveAction(Action("actionSaveAs"));
  EXPECT_EQ(pane->text(), "Save to text file as");
  file->hide();
  EXPECT_EQ(pane->text(), "I love KOBE!");
}

TEST_F(FrameTest, DisplayMenuSwitchesTheBars) {
  auto* toolBar = frame->findChild<QToolBar*>("toolBar");
  QStatusBar* statusBar = frame->statusBar();
  QAction* toolbarSwitch = Action("actionToolbar");
  QAction* statusSwitch = Action("actionStatusBar");
  EXPECT_TRUE(toolbarSwitch->isChecked());
  EXPECT_TRUE(statusSwitch->isChecked());

  toolbarSwitch->trigger();
  EXPECT_FALSE(toolbarSwitch->isChecked());
  EXPECT_TRUE(toolBar->isHidden());
  EXPECT_FALSE(statusBar->isHidden());
  statusSwitch->trigger();
  EXPECT_TRUE(statusBar->isHidden());

  toolbarSwitch->trigger();
  statusSwitch->trigger();
  EXPECT_FALSE(toolBar->isHidden());
  EXPECT_FALSE(statusBar->isHidden());
  EXPECT_TRUE(toolbarSwitch->isChecked());
}

TEST_F(FrameTest, LockIndicatorsShowTheKeysThatAreOn) {
  auto text = [this](const char* name) {
    return frame->findChild<QLabel*>(QString::fromUtf8(name))->text().toStdString();
  };
  EXPECT_EQ(text("indicatorCAP"), "");
  ui.lockKeys.caps = true;
  ui.lockKeys.scroll = true;
  EXPECT_TRUE(QTest::qWaitFor([&] { return text("indicatorCAP") == "CAP"; }, 3000));
  EXPECT_EQ(text("indicatorKANA"), "");
  EXPECT_EQ(text("indicatorNUM"), "");
  EXPECT_EQ(text("indicatorSCRL"), "SCRL");
  ui.lockKeys = {};
  EXPECT_TRUE(QTest::qWaitFor([&] { return text("indicatorCAP").empty(); }, 3000));
}

TEST_F(FrameTest, ApplicationCommandsUseTheUiServices) {
  Action("actionAbout")->trigger();
  Action("actionPrinterSetup")->trigger();
  EXPECT_EQ(ui.aboutBoxes, 1);
  EXPECT_EQ(ui.printerSetups, 1);

  // The build tree holds the user guide where an installed program finds it.
  Action("actionHelpContents")->trigger();
  ASSERT_EQ(ui.helpPages.size(), 1);
  EXPECT_TRUE(ui.helpPages[0].endsWith("share/quenda/help/index.html"));
  EXPECT_TRUE(QFileInfo::exists(ui.helpPages[0]));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FrameTest, ExitClosesTheWindow) {
  ASSERT_TRUE(frame->isVisible());
  Action("actionExit")->trigger();
  EXPECT_FALSE(frame->isVisible());
}

TEST(FrameCaption, JoinsTitleAndProgramName) {
  EXPECT_EQ(FrameCaption("Quenda").toStdString(), "Quenda - CSV/TSV Viewer Quenda");
  EXPECT_EQ(FrameCaption("Sorting now...").toStdString(), "Sorting now... - CSV/TSV Viewer Quenda");
}

}  // namespace
}  // namespace quenda
