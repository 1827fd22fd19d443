// A started program (CLumoraApp with its window) on a fresh settings file in a temporary
// directory, with fake UI services.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/lumora_app.h"
#include "app/main_frame.h"
#include "app/view_commands.h"
#include "doc/document.h"
#include "platform/profile.h"
#include "tests/app/fake_ui_services.h"
#include "tests/common/temp_dir.h"
#include "view/lumora_view.h"

namespace quenda {

class WindowTest : public ::testing::Test {
 protected:
  ~WindowTest() override {
    app.reset();
    std::error_code ignored;
    std::filesystem::current_path(m_startDir, ignored);
  }

  // Starts the program as "quenda ARGS...".
  void Start(const QStringList& args = {}) {
    app = std::make_unique<CLumoraApp>(Profile(ini), ui);
    app->InitInstance(QStringList{QStringLiteral("quenda")} + args);
    frame = app->mainFrame();
  }

  QAction* Action(const char* name) const {
    QAction* action = frame->findChild<QAction*>(QString::fromUtf8(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
  }

  // Waits for a load or save to end; false if it did not within ten seconds.
  bool WaitIdle() {
    return QTest::qWaitFor([this] { return !frame->operation().IsRunning(); }, 10000);
  }

  // Opens `path` as the Open command does, and waits for it.
  void Load(const std::string& path) {
    frame->commands().OpenFile(path);
    ASSERT_TRUE(WaitIdle());
  }

  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    const CExStringList& list = app->document().m_lines;
    for (std::size_t i = 0; i < list.GetCount(); ++i) lines.emplace_back(list.GetAt(i));
    return lines;
  }

  // A file `name` in the temporary directory holding `bytes`.
  std::string Fixture(const std::string& name, std::string_view bytes) {
    const std::string path = dir.File(name);
    test_files::WriteBytes(path, bytes);
    return path;
  }

  Profile Settings() const { return Profile(ini); }

  test_files::TempDir dir;
  const std::string ini = dir.File("quenda.ini");
  FakeUiServices ui;
  std::unique_ptr<CLumoraApp> app;
  CMainFrame* frame = nullptr;

 private:
  std::filesystem::path m_startDir = std::filesystem::current_path();
};

}  // namespace quenda
