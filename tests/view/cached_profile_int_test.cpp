#include "view/cached_profile_int.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "platform/profile.h"

namespace quenda {
namespace {

namespace fs = std::filesystem;

class CachedProfileIntTest : public testing::Test {
 protected:
  // Writes the file as an editor would, and dates it `age` ago so that every rewrite in the
  // test is seen as a change even within one tick of the file system's clock.
  void Edit(const std::string& text, std::chrono::seconds age) {
    std::ofstream(path) << text;
    fs::last_write_time(path, fs::file_time_type::clock::now() - age);
  }

  QTemporaryDir dir;
  std::string path = dir.filePath("quenda.ini").toStdString();
  Profile profile{path};
  CachedProfileInt spreadSheet{profile, "Option", "SpreadSheet", 0};
};

TEST_F(CachedProfileIntTest, FollowsTheFileAsItIsCreatedEditedAndRemoved) {
  EXPECT_EQ(spreadSheet.Value(), 0);  // no file: the default
  Edit("[Option]\nSpreadSheet=1\n", std::chrono::seconds(30));
  EXPECT_EQ(spreadSheet.Value(), 1);
  EXPECT_EQ(spreadSheet.Value(), 1);
  Edit("[Option]\nSpreadSheet=0\n", std::chrono::seconds(20));  // same size, newer
  EXPECT_EQ(spreadSheet.Value(), 0);
  Edit("[Option]\nColumn=20\n", std::chrono::seconds(10));  // the key is gone
  EXPECT_EQ(spreadSheet.Value(), 0);
  ASSERT_TRUE(profile.WriteProfileInt("Option", "SpreadSheet", 1));  // replaced by rename
  EXPECT_EQ(spreadSheet.Value(), 1);
  fs::remove(path);
  EXPECT_EQ(spreadSheet.Value(), 0);
}

}  // namespace
}  // namespace quenda
