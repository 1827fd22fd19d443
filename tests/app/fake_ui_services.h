// UI services that answer at once from queued answers and record what was asked, so that the
// window's commands run in tests without a modal window. An empty queue answers Cancel.
#pragma once

#include <QDir>
#include <deque>
#include <vector>

#include "app/ui_services.h"

namespace quenda {

class FakeUiServices : public UiServices {
 public:
  struct Message {
    QString text;
    QString caption;
  };

  void Beep() override { ++beeps; }
  void ShowMessage(const QString& text, const QString& caption) override {
    messages.push_back({text, caption});
  }
  std::optional<QString> GetOpenFileName(const FileDialogRequest& request) override {
    fileRequests.push_back(request);
    dirsDuringDialog.push_back(QDir::currentPath());
    return Next(fileAnswers);
  }
  std::optional<QString> GetSaveFileName(const FileDialogRequest& request) override {
    return GetOpenFileName(request);
  }
  std::optional<QFont> GetFont(const QFont& initial) override {
    fontInitials.push_back(initial);
    return Next(fontAnswers);
  }
  std::optional<QColor> GetColor() override {
    ++colorDialogs;
    return Next(colorAnswers);
  }
  void ShowPrinterSetup() override { ++printerSetups; }
  void ShowAbout() override { ++aboutBoxes; }
  void ShowHelp(const QString& path) override { helpPages.push_back(path); }
  LockKeys GetLockKeys() override { return lockKeys; }

  // What was asked.
  int beeps = 0;
  std::vector<Message> messages;
  std::vector<FileDialogRequest> fileRequests;  // Open and Save As alike
  QStringList dirsDuringDialog;                 // the current directory while a dialog showed
  std::vector<QFont> fontInitials;
  int colorDialogs = 0;
  int printerSetups = 0;
  int aboutBoxes = 0;
  QStringList helpPages;

  // What to answer.
  std::deque<std::optional<QString>> fileAnswers;
  std::deque<std::optional<QFont>> fontAnswers;
  std::deque<std::optional<QColor>> colorAnswers;
  LockKeys lockKeys;

 private:
  template <typename T>
  static std::optional<T> Next(std::deque<std::optional<T>>& answers) {
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace quenda
