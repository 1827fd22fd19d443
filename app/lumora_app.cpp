#include "app/lumora_app.h"

#include <QApplication>

#include "app/app_texts.h"
#include "app/current_dir.h"
#include "app/dialog_colors.h"
#include "app/main_frame.h"
#include "app/resources.h"
#include "app/view_commands.h"
#include "view/lumora_view.h"

namespace quenda {

CLumoraApp::CLumoraApp(Profile profile, UiServices& ui) : m_profile(std::move(profile)), m_ui(ui) {}

CLumoraApp::~CLumoraApp() = default;

void CLumoraApp::InitInstance(const QStringList& arguments) {
  ApplyDialogColors();
  QApplication::setWindowIcon(AppIcon());
  m_doc.SetTitle(kDocumentName);
  m_frame = std::make_unique<CMainFrame>(m_doc, m_profile, m_ui);
  m_frame->view().OnInitialUpdate();
  m_frame->resize(800, 600);
  m_frame->show();
  if (arguments.size() > 1) m_frame->commands().OpenFile(AbsolutePath(arguments.at(1).toStdString()));
}

}  // namespace quenda
