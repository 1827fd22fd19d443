// The grid view's file and display commands: Open and Save As (with their remembered
// directories and the recent-file list) and Font and the three colours. Loading and saving run
// as a LongOperation; their failures are reported through the UI services, and whatever
// happens the lines shown before stay until new ones are complete.
#pragma once

#include <QObject>
#include <string>

#include "platform/display_settings.h"

namespace quenda {

class CLumoraDoc;
class CLumoraView;
class LongOperation;
class Profile;
class RecentFileList;
class Status;
class UiServices;

class ViewCommands : public QObject {
  Q_OBJECT
 public:
  ViewCommands(CLumoraDoc& doc, CLumoraView& view, Profile& profile, UiServices& ui,
               LongOperation& operation, RecentFileList& recentFiles, QObject* parent = nullptr);

  void OnFileOpen();
  void OnFileSaveAs();
  // Entry `index` (from 0) of the recent-file list; a file that is gone leaves the list.
  void OnOpenRecentFile(int index);
  void OnFont();
  void OnTextColor();
  void OnBackColor();
  void OnLineColor();

  // Loads `path` in the background; a file that cannot be opened is ignored silently.
  void OpenFile(const std::string& path);
  // Saves the lines to `path` in the background.
  void SaveFile(const std::string& path);

 signals:
  // The lines were replaced, or an operation on them ended.
  void DocumentChanged();
  void RecentFilesChanged();

 private:
  void ChooseColor(COLORREF& color, const char* key);
  // Ends Open and Save As: a new reference line, and a full repaint.
  void Refresh();
  void ReportLoadFailure(const Status& status);
  void ReportSaveFailure(const Status& status, const std::string& path);
  void Remember(const std::string& path);

  CLumoraDoc& m_doc;
  CLumoraView& m_view;
  Profile& m_profile;
  UiServices& m_ui;
  LongOperation& m_operation;
  RecentFileList& m_recentFiles;
};

}  // namespace quenda
