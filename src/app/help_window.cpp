#include "app/help_window.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "app/app_context.h"
#include "widgets/ext_page_control.h"
#include "widgets/look.h"

namespace orvane {

THelpFrm::THelpFrm(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  ConfigureFixedWindow(this, QStringLiteral("Help"), 448, 487, false);
  setAttribute(Qt::WA_QuitOnClose, false);
  SetBackground(this, SystemColor(SysColor::Light3D));
  setFont(MakeFont(QStringLiteral("MS Sans Serif"), 11));

  HelpPageControl1 = new TExtPageControl(this);
  HelpPageControl1->setGeometry(8, 8, 433, 473);
  HelpPageControl1->SetTabActiveColor(SystemColor(SysColor::BtnFace));
  HelpPageControl1->SetTabActiveFont(MakeFont(QStringLiteral("MS Sans Serif"), 16, true));
  HelpPageControl1->SetTabInactiveColor(SystemColor(SysColor::Light3D));
  HelpPageControl1->SetTabInactiveFont(MakeFont(QStringLiteral("Arial"), 15));
  TabSheet5 = new TTabSheet;
  TabSheet6 = new TTabSheet;
  TabSheet7 = new TTabSheet;
  TabSheet1 = new TTabSheet;
  HelpPageControl1->AddPage(TabSheet5, QStringLiteral("License"));
  HelpPageControl1->AddPage(TabSheet6, QStringLiteral("Stone Size"));
  HelpPageControl1->AddPage(TabSheet7, QStringLiteral("Bead Calculator"));
  HelpPageControl1->AddPage(TabSheet1, QStringLiteral("Worksheet"));
  HelpPageControl1->SetActivePage(TabSheet5);
}

void THelpFrm::FormClose() { HelpPageControl1->SetActivePage(TabSheet6); }

void THelpFrm::closeEvent(QCloseEvent* event) {
  FormClose();
  QWidget::closeEvent(event);
}

void THelpFrm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace orvane
