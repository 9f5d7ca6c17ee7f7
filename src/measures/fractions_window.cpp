#include "measures/fractions_window.h"

#include <QIcon>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>

#include "core/fraction_table.h"
#include "platform/desktop_services.h"
#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "platform/window_frame.h"
#include "widgets/look.h"
#include "widgets/navigation_bar.h"
#include "widgets/string_grid.h"

namespace orvane {

FractionsWindow::FractionsWindow(DesktopServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  configureFixedWindow(this, tr("Fractions and Stone Size"), 609, 491, false);
  setAttribute(Qt::WA_QuitOnClose, false);
  setBackground(this, systemColor(SysColor::Light3D));
  setFont(makeFont(QStringLiteral("MS Sans Serif"), 13, true));

  // The grid is made when the window is first shown; it goes between the
  // Close button and the tool bar in the tab order.
  closeButton = new QPushButton(tr("Close"), this);
  closeButton->setObjectName(QStringLiteral("closeButton"));
  closeButton->setGeometry(400, 454, 120, 27);
  closeButton->setFont(makeFont(QStringLiteral("Arial"), 15));
  closeButton->setAutoDefault(true);  // Enter on the focused button presses it
  guardedConnect(closeButton, &QPushButton::clicked, this, &FractionsWindow::onCloseClicked);
  // Esc presses the Close button wherever the focus is in the window.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  guardedConnect(escape, &QShortcut::activated, this, [this] { closeButton->click(); });
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  help->setContext(Qt::WindowShortcut);
  guardedConnect(help, &QShortcut::activated, this, [this] { Q_EMIT helpWanted(); });

  createToolBar();
}

void FractionsWindow::createToolBar() {
  auto* bar = new NavigationBar(this);
  guardedConnect(bar, &NavigationBar::stepChosen, this, &FractionsWindow::navigate);
  bar->setGeometry(96, 454, 121, 27);
  bar->setObjectName(QStringLiteral("pageButtonBar"));
}

void FractionsWindow::buildGrid() {
  if (fractionGrid) return;
  fractionGrid = new StringGrid(9, int(FractionTable.size()) + 1, 1, this);
  fractionGrid->setObjectName(QStringLiteral("fractionGrid"));
  fractionGrid->setAccessibleName(tr("Fractions of an inch"));
  fractionGrid->setGeometry(18, 18, 573, 424);
  fractionGrid->setFont(makeFont(QStringLiteral("Arial"), 15));
  fractionGrid->setShowGrid(true);
  fractionGrid->setColWidths(fractionColumnWidths());
  const QStringList headings = fractionHeadings();
  for (int c = 0; c < headings.size(); ++c) fractionGrid->setCell(c, 0, headings[c]);
  GridRowWriter writer(*fractionGrid, fractionPrefixes());
  for (int entry = 0; entry < int(FractionTable.size()); ++entry) writer.fillGridRow(fractionValues(entry));
  QWidget::setTabOrder(closeButton, fractionGrid);
  fractionGrid->show();
}

void FractionsWindow::showEvent(QShowEvent* event) {
  buildGrid();
  QWidget::showEvent(event);
  if (!event->spontaneous()) runGuarded(this, [this] { onShown(); });
}

void FractionsWindow::onShown() { fractionGrid->setFocus(); }

void FractionsWindow::onCloseClicked() { close(); }

void FractionsWindow::navigate(GridNavigation step) {
  if (fractionGrid) navigateGrid(*fractionGrid, step);
}

}  // namespace orvane
