#include "calculators/fractions_window.h"

#include <QIcon>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QToolButton>

#include "core/fraction_table.h"
#include "platform/desktop_services.h"
#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "platform/window_frame.h"
#include "widgets/look.h"
#include "widgets/nav_bar.h"
#include "widgets/string_grid.h"

namespace orvane {

TFracFrm::TFracFrm(DesktopServices& services, QWidget* parent) : QWidget(parent), services_(services) {
  ConfigureFixedWindow(this, QStringLiteral("Fractions and Stone Size"), 609, 491, false);
  setAttribute(Qt::WA_QuitOnClose, false);
  SetBackground(this, SystemColor(SysColor::Light3D));
  setFont(MakeFont(QStringLiteral("MS Sans Serif"), 13, true));

  // The grid is made when the window is first shown; it goes between the
  // Close button and the tool bar in the tab order.
  CloseBtn = new QPushButton(QStringLiteral("Close"), this);
  CloseBtn->setGeometry(400, 454, 120, 27);
  CloseBtn->setFont(MakeFont(QStringLiteral("Arial"), 15));
  CloseBtn->setAutoDefault(true);  // Enter on the focused button presses it
  GuardedConnect(CloseBtn, &QPushButton::clicked, this, &TFracFrm::CloseBtnClick);
  // Esc presses the Close button wherever the focus is in the window.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  GuardedConnect(escape, &QShortcut::activated, this, [this] { CloseBtn->click(); });
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  help->setContext(Qt::WindowShortcut);
  GuardedConnect(help, &QShortcut::activated, this, [this] { Q_EMIT helpWanted(); });

  CreateToolBar();
}

void TFracFrm::CreateToolBar() {
  auto* bar = new TNavigationBar(this);
  GuardedConnect(bar, &TNavigationBar::stepChosen, this, &TFracFrm::Navigate);
  bar->setGeometry(96, 454, 121, 27);
  ToolBar1 = bar;
  ToolButton1 = bar->Buttons[0];
  ToolButton2 = bar->Buttons[1];
  ToolButton3 = bar->Buttons[2];
  ToolButton4 = bar->Buttons[3];
}

void TFracFrm::BuildGrid() {
  if (FracGrid) return;
  FracGrid = new TStringGrid(9, int(FractionTable.size()) + 1, 1, this);
  FracGrid->setObjectName(QStringLiteral("FracGrid"));
  FracGrid->setAccessibleName(QStringLiteral("Fractions of an inch"));
  FracGrid->setGeometry(18, 18, 573, 424);
  FracGrid->setFont(MakeFont(QStringLiteral("Arial"), 15));
  FracGrid->setShowGrid(true);
  FracGrid->SetColWidths(FractionColumnWidths());
  const QStringList headings = FractionHeadings();
  for (int c = 0; c < headings.size(); ++c) FracGrid->SetCell(c, 0, headings[c]);
  GridRowWriter writer(*FracGrid, FractionPrefixes());
  for (int entry = 0; entry < int(FractionTable.size()); ++entry) writer.FillGridRow(FractionValues(entry));
  QWidget::setTabOrder(CloseBtn, FracGrid);
  FracGrid->show();
}

void TFracFrm::showEvent(QShowEvent* event) {
  BuildGrid();
  QWidget::showEvent(event);
  if (!event->spontaneous()) RunGuarded(this, [this] { FormShow(); });
}

void TFracFrm::FormShow() { FracGrid->setFocus(); }

void TFracFrm::CloseBtnClick() { close(); }

void TFracFrm::Navigate(GridNavigation step) {
  if (FracGrid) NavigateGrid(*FracGrid, step);
}

}  // namespace orvane
