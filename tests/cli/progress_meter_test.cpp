#include "cli/progress_meter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace quenda::cli {
namespace {

std::string Contents(std::FILE* f) {
  std::rewind(f);
  std::string text;
  for (int c; (c = std::fgetc(f)) != EOF;) text += static_cast<char>(c);
  return text;
}

TEST(ProgressMeter, QuietForShortRuns) {
  std::FILE* out = std::tmpfile();
  Progress progress;
  { ProgressMeter meter(progress, out, true); }
  EXPECT_EQ(Contents(out), "");
  std::fclose(out);
}

TEST(ProgressMeter, LongRunsShowThePhaseAndPercentageThenWipeTheLine) {
  std::FILE* out = std::tmpfile();
  Progress progress;
  progress.Set(42, 100);
  {
    ProgressMeter meter(progress, out, true);
    meter.SetPhase("sorting");
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
  }
  const std::string text = Contents(out);
  EXPECT_EQ(text.rfind("\rsorting 42%\033[K", 0), 0u) << text;
  EXPECT_EQ(text.substr(text.size() - 4), "\r\033[K");
  std::fclose(out);
}

TEST(ProgressMeter, DisabledWritesNothing) {
  std::FILE* out = std::tmpfile();
  Progress progress;
  {
    ProgressMeter meter(progress, out, false);
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
  }
  EXPECT_EQ(Contents(out), "");
  std::fclose(out);
}

}  // namespace
}  // namespace quenda::cli
