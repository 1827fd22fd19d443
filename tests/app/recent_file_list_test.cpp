// The recent-file list: its profile entries, its menu and opening from it.
#include <QMenu>

#include "app/recent_file_list.h"
#include "tests/app/window_fixture.h"

namespace quenda {
namespace {

std::vector<std::string> Stored(const Profile& profile) {
  std::vector<std::string> entries;
  for (const char* key : {"File1", "File2", "File3", "File4"})
    entries.push_back(profile.GetProfileString("Recent File List", key, "-"));
  return entries;
}

TEST(RecentFileList, NewestFirstAtMostFourWithoutDuplicates) {
  test_files::TempDir dir;
  Profile profile(dir.File("quenda.ini"));
  RecentFileList list(profile);
  EXPECT_TRUE(list.files().empty());
  for (const char* path : {"/a", "/b", "/c", "/d", "/e"}) list.Add(path);
  EXPECT_EQ(list.files(), (std::vector<std::string>{"/e", "/d", "/c", "/b"}));
  list.Add("/c");
  EXPECT_EQ(list.files(), (std::vector<std::string>{"/c", "/e", "/d", "/b"}));
  list.Remove("/e");
  EXPECT_EQ(Stored(profile), (std::vector<std::string>{"/c", "/d", "/b", ""}));

  // A second list reads what the first wrote; emptied entries are skipped.
  EXPECT_EQ(RecentFileList(profile).files(), (std::vector<std::string>{"/c", "/d", "/b"}));
}

TEST(RecentFileList, MenuTextsAreNumberedAndShort) {
  struct Case {
    const char* path;
    const char* text;
  } cases[] = {
      {"/data/sales.csv", "&1 /data/sales.csv"},
      {"/home/user/projects/data/sample-file.csv", "&1 /.../data/sample-file.csv"},
      {"/home/user/a-very-long-file-name-of-data.csv", "&1 a-very-long-file-name-of-data.csv"},
      {"/home/R&D/q1.csv", "&1 /home/R&&D/q1.csv"},
      {"/home/user/データ/とても長い名前のファイルです.csv", "&1 /.../データ/とても長い名前のファイルです.csv"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(RecentFileMenuText(0, c.path).toStdString(), c.text) << c.path;
  EXPECT_EQ(RecentFileMenuText(3, "/x.csv").toStdString(), "&4 /x.csv");
}

class RecentFilesTest : public WindowTest {
 protected:
  QStringList Shown() const {
    QStringList texts;
    for (QAction* action : frame->findChild<QMenu*>("menuFile")->actions())
      if (action->isVisible() && action->objectName().startsWith("actionRecent"))
        texts << action->text();
    return texts;
  }
};

TEST_F(RecentFilesTest, EmptyListShowsTheGreyedEntryAndStartUpWritesNothing) {
  Start();
  EXPECT_EQ(Shown(), QStringList{"Most Recently Used Files"});
  EXPECT_FALSE(Action("actionRecentFiles")->isEnabled());
  EXPECT_FALSE(std::filesystem::exists(ini));
}

TEST_F(RecentFilesTest, OpenAndSaveAsAddTheirFiles) {
  Start();
  const std::string in = Fixture("in.csv", "a\n");
  ui.fileAnswers = {QString::fromStdString(in), QString::fromStdString(dir.File("out.tsv"))};
  Action("actionOpen")->trigger();
  ASSERT_TRUE(WaitIdle());
  Action("actionSaveAs")->trigger();
  ASSERT_TRUE(WaitIdle());
  EXPECT_EQ(Shown(), (QStringList{RecentFileMenuText(0, dir.File("out.tsv")),
                                  RecentFileMenuText(1, in)}));
  EXPECT_EQ(Settings().GetProfileString("Recent File List", "File1", ""), dir.File("out.tsv"));
  EXPECT_EQ(Settings().GetProfileString("Recent File List", "File2", ""), in);
}

TEST_F(RecentFilesTest, ChoosingAnEntryLoadsItsFile) {
  const std::string in = Fixture("in.csv", "x,y\n");
  Settings().WriteProfileString("Recent File List", "File1", in);
  Start();
  EXPECT_EQ(Shown(), QStringList{RecentFileMenuText(0, in)});
  Action("actionRecentFile1")->trigger();
  ASSERT_TRUE(WaitIdle());
  EXPECT_EQ(Lines(), std::vector<std::string>{"x\ty"});
  EXPECT_EQ(Action("actionRecentFile1")->statusTip(), "Open this file");
}

TEST_F(RecentFilesTest, AnEntryWhoseFileIsGoneIsRemovedWithAMessage) {
  const std::string kept = Fixture("kept.csv", "k\n");
  const std::string gone = dir.File("gone.csv");
  Settings().WriteProfileString("Recent File List", "File1", gone);
  Settings().WriteProfileString("Recent File List", "File2", kept);
  Start();
  Action("actionRecentFile1")->trigger();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(ui.messages[0].text.contains(QString::fromStdString(gone)));
  EXPECT_EQ(Shown(), QStringList{RecentFileMenuText(0, kept)});
  EXPECT_EQ(Settings().GetProfileString("Recent File List", "File1", ""), kept);
  EXPECT_EQ(Action("actionRecentFile2")->statusTip(), "この文書を開く");
}

TEST_F(RecentFilesTest, CommandLineFileIsOpenedAtStartUp) {
  const std::string in = Fixture("start.csv", "1,2,3\n");
  Start({QString::fromStdString(in)});
  ASSERT_TRUE(WaitIdle());
  EXPECT_EQ(Lines(), std::vector<std::string>{"1\t2\t3"});
  EXPECT_EQ(frame->windowTitle(), "Quenda - CSV/TSV Viewer Quenda");
}

}  // namespace
}  // namespace quenda
