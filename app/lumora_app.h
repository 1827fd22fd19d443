// CLumoraApp: start-up. It owns the profile, the one document and the main frame, and
// builds them in order: dialog colours, the document titled "Quenda", the frame with its
// view, the view's initial update, the window shown, then the file named on the command line.
#pragma once

#include <QStringList>
#include <memory>

#include "doc/document.h"
#include "platform/profile.h"

namespace quenda {

class CMainFrame;
class UiServices;

class CLumoraApp {
 public:
  CLumoraApp(Profile profile, UiServices& ui);
  ~CLumoraApp();

  // `arguments` as QCoreApplication::arguments(): the program, then an optional file to open.
  void InitInstance(const QStringList& arguments);

  CLumoraDoc& document() { return m_doc; }
  CMainFrame* mainFrame() { return m_frame.get(); }

 private:
  Profile m_profile;
  CLumoraDoc m_doc;
  UiServices& m_ui;
  std::unique_ptr<CMainFrame> m_frame;
};

}  // namespace quenda
