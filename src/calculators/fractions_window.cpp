#include "calculators/fractions_window.h"

#include <QIcon>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QToolButton>

#include "app/app_context.h"
#include "app/error_boundary.h"
#include "calculators/fraction_table.h"
#include "widgets/look.h"
#include "widgets/string_grid.h"

namespace orvane {

TFracFrm::TFracFrm(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  ConfigureFixedWindow(this, QStringLiteral("Fractions and Stone Size"), 609, 491, false);
  setAttribute(Qt::WA_QuitOnClose, false);
  SetBackground(this, SystemColor(SysColor::Light3D));
  setFont(MakeFont(QStringLiteral("MS Sans Serif"), 13, true));

  // Created in tab order: the Close button, the grid, the tool bar.
  CloseBtn = new QPushButton(QStringLiteral("Close"), this);
  CloseBtn->setGeometry(400, 454, 120, 27);
  CloseBtn->setFont(MakeFont(QStringLiteral("Arial"), 15));
  connect(CloseBtn, &QPushButton::clicked, this, [this] { RunGuarded(this, [this] { CloseBtnClick(); }); });
  // Esc presses the Close button wherever the focus is in the window.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, CloseBtn, &QPushButton::click);

  FracGrid = new TStringGrid(9, int(FractionTable.size()) + 1, 1, this);
  FracGrid->setObjectName(QStringLiteral("FracGrid"));
  FracGrid->setAccessibleName(QStringLiteral("Fractions of an inch"));
  FracGrid->setGeometry(18, 18, 573, 424);
  FracGrid->setFont(MakeFont(QStringLiteral("Arial"), 15));
  FracGrid->setShowGrid(true);

  CreateToolBar();
  FormCreate();
}

void TFracFrm::CreateToolBar() {
  ToolBar1 = new QWidget(this);
  ToolBar1->setGeometry(96, 454, 121, 27);
  ToolBar1->setAccessibleName(QStringLiteral("Record navigation"));
  const struct {
    QToolButton** button;
    const char* icon;
    const char* hint;
    void (TFracFrm::*handler)();
  } tools[] = {{&ToolButton1, ":/icons/nav_first.svg", "First Record", &TFracFrm::ToolButton1Click},
               {&ToolButton2, ":/icons/nav_prior.svg", "Prior Record", &TFracFrm::ToolButton2Click},
               {&ToolButton3, ":/icons/nav_next.svg", "Next Record", &TFracFrm::ToolButton3Click},
               {&ToolButton4, ":/icons/nav_last.svg", "Last Record", &TFracFrm::ToolButton4Click}};
  int x = 0;
  for (const auto& t : tools) {
    auto* b = new QToolButton(ToolBar1);
    b->setGeometry(x, 0, 29, 25);
    b->setAutoRaise(true);
    b->setIcon(QIcon(QString::fromLatin1(t.icon)));
    b->setIconSize(QSize(16, 16));
    b->setToolTip(QString::fromLatin1(t.hint));
    b->setAccessibleName(QString::fromLatin1(t.hint));
    b->setFocusPolicy(Qt::NoFocus);  // the grid keeps the focus
    connect(b, &QToolButton::clicked, this,
            [this, h = t.handler] { RunGuarded(this, [&] { (this->*h)(); }); });
    *t.button = b;
    x += 29;
  }
}

void TFracFrm::FormCreate() {
  FracGrid->SetColWidths(FractionColumnWidths());
  const QStringList headings = FractionHeadings();
  for (int c = 0; c < headings.size(); ++c) FracGrid->SetCell(c, 0, headings[c]);
  GridRowWriter writer(*FracGrid, FractionPrefixes());
  for (int entry = 0; entry < int(FractionTable.size()); ++entry) writer.FillGridRow(FractionValues(entry));
}

void TFracFrm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) RunGuarded(this, [this] { FormShow(); });
}

void TFracFrm::FormShow() { FracGrid->setFocus(); }

void TFracFrm::CloseBtnClick() { close(); }

void TFracFrm::ToolButton1Click() { NavigateGrid(*FracGrid, GridNavigation::First); }
void TFracFrm::ToolButton2Click() { NavigateGrid(*FracGrid, GridNavigation::Prior); }
void TFracFrm::ToolButton3Click() { NavigateGrid(*FracGrid, GridNavigation::Next); }
void TFracFrm::ToolButton4Click() { NavigateGrid(*FracGrid, GridNavigation::Last); }

}  // namespace orvane
