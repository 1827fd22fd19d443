// Open, Save As, Font and the colour commands, answered by the fake UI services.
#include <QEvent>

#include "app/current_dir.h"
#include "view/font_mapping.h"
#include "tests/app/window_fixture.h"

namespace quenda {
namespace {

using test_files::ReadBytes;

// Counts the paint events of a widget.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) : QObject(widget) { widget->installEventFilter(this); }
  int count = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return false;
  }
};

class CommandsTest : public WindowTest {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(dir.path() / "start");
    std::filesystem::create_directory(dir.path() / "data");
    std::filesystem::current_path(dir.path() / "start");
  }
  std::string Cwd() const { return std::filesystem::current_path().string(); }
  std::string DataDir() const { return (dir.path() / "data").string(); }

  // Shows the window and lets it paint, then counts the paints that follow.
  PaintCounter* CountPaints() {
    EXPECT_TRUE(QTest::qWaitForWindowExposed(frame));
    QApplication::processEvents();
    return new PaintCounter(frame->view().viewport());
  }
};

TEST_F(CommandsTest, OpenStartsInInitialDirAndPutsTheCurrentDirectoryBack) {
  Settings().WriteProfileString("Option", "InitialDir", DataDir());
  Fixture("data/sales.csv", "a,b\n\"c\",\"d\"\n");
  Start();
  const std::string before = Cwd();

  ui.fileAnswers = {QString("sales.csv")};  // a name relative to the dialog's directory
  Action("actionOpen")->trigger();
  ASSERT_TRUE(WaitIdle());
  EXPECT_EQ(ui.dirsDuringDialog.value(0).toStdString(), DataDir());
  EXPECT_EQ(Cwd(), before);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"a\tb", "\"c\"\t\"d\""}));

  Action("actionOpen")->trigger();  // Cancel
  EXPECT_EQ(ui.dirsDuringDialog.value(1).toStdString(), DataDir());
  EXPECT_EQ(Cwd(), before);
  EXPECT_EQ(Lines().size(), 2u);
}

TEST_F(CommandsTest, OpenWithoutUsableInitialDirStaysWhereItIs) {
  for (const char* initialDir : {"", "/no/such/directory"}) {
    Settings().WriteProfileString("Option", "InitialDir", initialDir);
    Start();
    const std::string before = Cwd();
    Action("actionOpen")->trigger();
    EXPECT_EQ(ui.dirsDuringDialog.last().toStdString(), before) << initialDir;
    EXPECT_EQ(Cwd(), before) << initialDir;
  }
}

TEST_F(CommandsTest, FileDialogsGetTheirNamesAndFilters) {
  Start();
  Action("actionOpen")->trigger();
  Action("actionSaveAs")->trigger();
  ASSERT_EQ(ui.fileRequests.size(), 2u);
  const QStringList filters{"CSV Files (*.CSV)", "TSV Files (*.TSV)", "ALL Files (*.*)"};
  EXPECT_EQ(ui.fileRequests[0].initialName, "*.CSV");
  EXPECT_EQ(ui.fileRequests[0].filters, filters);
  EXPECT_EQ(ui.fileRequests[1].initialName, "default.csv");
  EXPECT_EQ(ui.fileRequests[1].filters, filters);
  EXPECT_TRUE(ui.fileRequests[1].confirmOverwrite);
}

TEST_F(CommandsTest, SaveAsWritesIntoSaveDirAndRestoresTheDirectory) {
  Settings().WriteProfileString("Option", "SaveDir", DataDir());
  Start();
  Load(Fixture("in.tsv", "x\ty\n1\t2"));
  const std::string before = Cwd();
  ui.fileAnswers = {QString("default.csv")};
  Action("actionSaveAs")->trigger();
  ASSERT_TRUE(WaitIdle());
  EXPECT_EQ(ui.dirsDuringDialog.value(0).toStdString(), DataDir());
  EXPECT_EQ(Cwd(), before);
  EXPECT_EQ(ReadBytes(DataDir() + "/default.csv"), "x,y\r\n1,2\r\n");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CommandsTest, SaveAsToAnUnwritablePlaceBeepsAndKeepsTheLines) {
  Start();
  Load(Fixture("in.csv", "a,b\nc,d\n"));
  const std::string target = dir.File("No Such Folder/Out.csv");  // the case stays as typed
  ui.fileAnswers = {QString::fromStdString(target)};
  Action("actionSaveAs")->trigger();
  ASSERT_TRUE(WaitIdle());
  EXPECT_EQ(ui.beeps, 1);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.toStdString(), "Failed to open " + target + "(--;)why?");
  EXPECT_TRUE(ui.messages[0].caption.isEmpty());  // the program's name
  EXPECT_EQ(Lines(), (std::vector<std::string>{"a\tb", "c\td"}));
  EXPECT_TRUE(Action("actionSaveAs")->isEnabled());
}

TEST_F(CommandsTest, LoadFailuresKeepTheLinesShown) {
  Start();
  Load(Fixture("in.csv", "kept\n"));

  Load(dir.File("missing.csv"));  // cannot be opened: silent
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(ui.beeps, 0);
  EXPECT_EQ(Lines(), std::vector<std::string>{"kept"});

  Load("/proc/self/mem");  // opens, then fails to read
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(ui.messages[0].text.startsWith("Command failed.\n"));
  EXPECT_GT(ui.messages[0].text.size(), QString("Command failed.\n").size());  // and why
  EXPECT_EQ(Lines(), std::vector<std::string>{"kept"});
}

TEST_F(CommandsTest, OpenAndSaveAsTakeANewReferenceLine) {
  Start();
  Load(Fixture("in.csv", "a,b\n"));
  frame->view().m_nBorderCount = 3;
  ui.fileAnswers = {QString::fromStdString(dir.File("out.csv"))};
  Action("actionSaveAs")->trigger();
  ASSERT_TRUE(WaitIdle());
  EXPECT_EQ(frame->view().m_nBorderCount, -1);
}

TEST_F(CommandsTest, FontResetsTheTextColour) {
  Start();
  ui.colorAnswers = {QColor(255, 0, 0)};
  Action("actionTextColor")->trigger();
  ASSERT_EQ(frame->view().m_crText, RGB(255, 0, 0));
  ASSERT_EQ(Settings().GetProfileInt("Color", "TxtColor", -1), 255);

  QFont chosen(QStringLiteral("DejaVu Sans Mono"));
  chosen.setPixelSize(20);
  chosen.setBold(true);
  ui.fontAnswers = {chosen};
  Action("actionFont")->trigger();

  // The dialog started from the stored font: the default "FixedSys" record.
  ASSERT_EQ(ui.fontInitials.size(), 1u);
  LOGFONT defaults;
  std::int32_t ignored = 0;
  CFontSetting().GetProfileFont(Profile(dir.File("absent.ini")), "Font", "Disp", defaults, ignored);
  EXPECT_EQ(ui.fontInitials[0], FontFromLogFont(defaults));

  EXPECT_EQ(frame->view().m_crText, 0u);
  EXPECT_EQ(Settings().GetProfileInt("Color", "TxtColor", -1), 0);
  LOGFONT stored;
  std::int32_t storedColor = -1;
  CFontSetting().GetProfileFont(Settings(), "Font", "Disp", stored, storedColor);
  EXPECT_EQ(storedColor, 0);
  EXPECT_EQ(stored.lfHeight, -20);
  EXPECT_EQ(stored.lfWeight, 700);
  EXPECT_STREQ(stored.lfFaceName, "DejaVu Sans Mono");
  EXPECT_EQ(frame->view().logFont().lfHeight, -20);
}

TEST_F(CommandsTest, CancelledFontChangesNothing) {
  Start();
  ui.colorAnswers = {QColor(0, 0, 255)};
  Action("actionTextColor")->trigger();
  const LOGFONT before = frame->view().logFont();
  Action("actionFont")->trigger();  // Cancel
  EXPECT_EQ(frame->view().m_crText, RGB(0, 0, 255));
  EXPECT_EQ(Settings().GetProfileString("Font", "DispFont", "none"), "none");
  EXPECT_EQ(frame->view().logFont().lfHeight, before.lfHeight);
}

TEST_F(CommandsTest, ColourCommandsStoreTheChoiceAndAlwaysRepaint) {
  struct Case {
    const char* action;
    COLORREF CLumoraView::*member;
    const char* key;
  } cases[] = {
      {"actionTextColor", &CLumoraView::m_crText, "TxtColor"},
      {"actionBackColor", &CLumoraView::m_crBack, "BkColor"},
      {"actionLineColor", &CLumoraView::m_crLine, "LineColor"},
  };
  Start();
  PaintCounter* paints = CountPaints();
  for (const Case& c : cases) {
    const COLORREF before = frame->view().*c.member;
    paints->count = 0;
    Action(c.action)->trigger();  // Cancel
    EXPECT_TRUE(QTest::qWaitFor([&] { return paints->count > 0; }, 2000)) << c.action;
    EXPECT_EQ(frame->view().*c.member, before) << c.action;
    EXPECT_EQ(Settings().GetProfileInt("Color", c.key, -1), -1) << c.action;

    ui.colorAnswers = {QColor(10, 20, 30)};
    paints->count = 0;
    Action(c.action)->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return paints->count > 0; }, 2000)) << c.action;
    EXPECT_EQ(frame->view().*c.member, RGB(10, 20, 30)) << c.action;
    EXPECT_EQ(Settings().GetProfileInt("Color", c.key, -1), 10 + 256 * 20 + 65536 * 30) << c.action;
  }
  EXPECT_EQ(ui.colorDialogs, 6);
}

TEST(ScopedCurrentDir, RestoresOnlyWhatItChanged) {
  test_files::TempDir dir;
  const auto start = std::filesystem::current_path();
  {
    const ScopedCurrentDir scoped(dir.path().string());
    EXPECT_EQ(std::filesystem::current_path(), dir.path());
  }
  EXPECT_EQ(std::filesystem::current_path(), start);
  {
    // Nothing remembered: a directory entered meanwhile is kept.
    const ScopedCurrentDir scoped("");
    std::filesystem::current_path(dir.path());
  }
  EXPECT_EQ(std::filesystem::current_path(), dir.path());
  std::filesystem::current_path(start);
}

}  // namespace
}  // namespace quenda
