#include "dialogs/about_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "app/resources.h"

namespace quenda {
namespace {

QLabel* CentredLabel(const char* text, const char* name, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(QString::fromUtf8(name));
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About Quenda"));

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("iconLabel"));
  icon->setPixmap(AppIcon().pixmap(32, 32));

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("okButton"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  // The icon on the left, the three lines of text in the middle, OK at the top right.
  auto* layout = new QGridLayout(this);
  layout->setHorizontalSpacing(24);
  layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
  layout->addWidget(CentredLabel("CSV/TSV Viewer Quenda for Win32", "titleLabel", this), 0, 1);
  layout->addWidget(CentredLabel("for Win32", "platformLabel", this), 1, 1);
  layout->addWidget(CentredLabel("ver.1.02a", "versionLabel", this), 2, 1);
  layout->addWidget(ok, 0, 2, Qt::AlignTop);
  layout->setRowStretch(3, 1);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace quenda
