#include "app/view_commands.h"

#include <filesystem>
#include <memory>
#include <optional>

#include "app/app_texts.h"
#include "app/current_dir.h"
#include "app/file_filter.h"
#include "app/long_operation.h"
#include "app/recent_file_list.h"
#include "app/ui_services.h"
#include "doc/document.h"
#include "doc/loader.h"
#include "platform/profile.h"
#include "view/font_mapping.h"
#include "view/lumora_view.h"

namespace quenda {
namespace {

// The dialog's answer as a full path. Called while the dialog's directory is still current,
// so that a relative answer means a file in it.
std::optional<std::string> FullPath(const std::optional<QString>& chosen) {
  if (!chosen) return std::nullopt;
  return AbsolutePath(chosen->toStdString());
}

// Shows the file dialog `ask` with `dirKey` of "Option" as the current directory meanwhile.
template <typename Ask>
std::optional<std::string> ChooseFile(const Profile& profile, const char* dirKey, Ask ask) {
  const ScopedCurrentDir dir(profile.GetProfileString("Option", dirKey, ""));
  return FullPath(ask());
}

QString CommandFailedText(const Status& status) {
  return QString::fromUtf8(kCommandFailed) + u'\n' + QString::fromStdString(status.reason());
}

}  // namespace

ViewCommands::ViewCommands(CLumoraDoc& doc, CLumoraView& view, Profile& profile, UiServices& ui,
                           LongOperation& operation, RecentFileList& recentFiles,
                           QObject* parent)
    : QObject(parent),
      m_doc(doc),
      m_view(view),
      m_profile(profile),
      m_ui(ui),
      m_operation(operation),
      m_recentFiles(recentFiles) {}

void ViewCommands::OnFileOpen() {
  const auto path = ChooseFile(m_profile, "InitialDir", [this] {
    return m_ui.GetOpenFileName({QStringLiteral("Open"), QString::fromUtf8(kOpenInitialName),
                                 FileDialogFilters(QString::fromUtf8(kFileFilter)), true});
  });
  if (path) OpenFile(*path);
}

void ViewCommands::OnFileSaveAs() {
  const auto path = ChooseFile(m_profile, "SaveDir", [this] {
    return m_ui.GetSaveFileName({QStringLiteral("Save As"), QString::fromUtf8(kSaveInitialName),
                                 FileDialogFilters(QString::fromUtf8(kFileFilter)), true});
  });
  if (path) SaveFile(*path);
}

void ViewCommands::OnOpenRecentFile(int index) {
  const auto& files = m_recentFiles.files();
  if (index < 0 || index >= static_cast<int>(files.size())) return;
  const std::string path = files[index];
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    m_recentFiles.Remove(path);
    emit RecentFilesChanged();
    m_ui.ShowMessage(QString::fromStdString(path) +
                     QStringLiteral("\nThis file no longer exists; it was taken off the list."));
    return;
  }
  OpenFile(path);
}

void ViewCommands::OpenFile(const std::string& path) {
  auto loaded = std::make_shared<LoadedFile>();
  m_operation.Start([path, loaded](Progress& progress) {
    return ReadLinesFile(path, *loaded, &progress);
  }, [this, path, loaded](const Status& status) {
    if (status.ok()) {
      m_doc.ReplaceLines(std::move(loaded->lines), loaded->codePage);
      Remember(path);
    } else {
      ReportLoadFailure(status);
    }
    Refresh();
  });
}

void ViewCommands::SaveFile(const std::string& path) {
  // The worker only reads the lines; every command that could change them waits meanwhile.
  const CLumoraDoc& doc = m_doc;
  m_operation.Start([&doc, path](Progress& progress) { return doc.SaveFile(path, &progress); },
                    [this, path](const Status& status) {
                      if (status.ok())
                        Remember(path);
                      else
                        ReportSaveFailure(status, path);
                      Refresh();
                    });
}

void ViewCommands::OnFont() {
  LOGFONT stored;
  std::int32_t storedColor = 0;
  m_view.m_fontSetting.GetProfileFont(m_profile, "Font", "Disp", stored, storedColor);
  const auto chosen = m_ui.GetFont(FontFromLogFont(stored));
  if (!chosen) return;
  const LOGFONT font = LogFontFromFont(*chosen, stored);
  // The font dialog offers no colour, so its colour is black: the text turns black too.
  const COLORREF color = RGB(0, 0, 0);
  m_view.m_fontSetting.WriteProfileFont(m_profile, "Font", "Disp", font,
                                        static_cast<std::int32_t>(color));
  m_view.m_colorSetting.WriteProfileColor(m_profile, "Color", "TxtColor", color);
  m_view.m_crText = color;
  m_view.SetDisplayFont(font);
  m_view.UpdateAllViews();
}

void ViewCommands::OnTextColor() { ChooseColor(m_view.m_crText, "TxtColor"); }
void ViewCommands::OnBackColor() { ChooseColor(m_view.m_crBack, "BkColor"); }
void ViewCommands::OnLineColor() { ChooseColor(m_view.m_crLine, "LineColor"); }

void ViewCommands::ChooseColor(COLORREF& color, const char* key) {
  if (const auto chosen = m_ui.GetColor()) {
    color = ColorRefFromColor(*chosen);
    m_view.m_colorSetting.WriteProfileColor(m_profile, "Color", key, color);
  }
  m_view.UpdateAllViews();  // also after Cancel
}

void ViewCommands::Refresh() {
  m_view.m_nBorderCount = -1;
  m_view.UpdateAllViews();
  emit DocumentChanged();
}

void ViewCommands::ReportLoadFailure(const Status& status) {
  // A file that cannot be opened is passed over without a word.
  if (status.kind() != FailureKind::OpenFailed) m_ui.ShowMessage(CommandFailedText(status));
}

void ViewCommands::ReportSaveFailure(const Status& status, const std::string& path) {
  if (status.kind() == FailureKind::OpenFailed) {
    m_ui.Beep();
    m_ui.ShowMessage(QStringLiteral("Failed to open ") + QString::fromStdString(path) +
                     QStringLiteral("(--;)why?"));
  } else {
    m_ui.ShowMessage(CommandFailedText(status));
  }
}

void ViewCommands::Remember(const std::string& path) {
  m_recentFiles.Add(path);
  emit RecentFilesChanged();
}

}  // namespace quenda
