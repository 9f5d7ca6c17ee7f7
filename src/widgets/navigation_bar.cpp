#include "widgets/navigation_bar.h"

#include <QButtonGroup>
#include <QIcon>
#include <QToolButton>

#include "widgets/look.h"

namespace orvane {

NavigationBar::NavigationBar(QWidget* parent) : QWidget(parent) {
  setAccessibleName(tr("Record navigation"));
  static constexpr const char* kIcons[4] = {":/icons/nav_first.svg", ":/icons/nav_prior.svg",
                                            ":/icons/nav_next.svg", ":/icons/nav_last.svg"};
  static constexpr const char* kNames[4] = {"firstPageButton", "previousPageButton", "nextPageButton",
                                            "lastPageButton"};
  static constexpr const char* kHints[4] = {QT_TR_NOOP("First Record"), QT_TR_NOOP("Prior Record"),
                                            QT_TR_NOOP("Next Record"), QT_TR_NOOP("Last Record")};
  static constexpr GridNavigation kSteps[4] = {GridNavigation::First, GridNavigation::Prior,
                                               GridNavigation::Next, GridNavigation::Last};
  auto* group = new QButtonGroup(this);
  for (int i = 0; i < 4; ++i) {
    auto* b = new QToolButton(this);
    b->setGeometry(29 * i, 0, 29, 25);
    b->setAutoRaise(true);
    b->setIcon(resourceIcon(QString::fromLatin1(kIcons[i])));
    b->setIconSize(QSize(16, 16));
    b->setToolTip(tr(kHints[i]));
    b->setAccessibleName(tr(kHints[i]));
    b->setFocusPolicy(Qt::TabFocus);  // reached by Tab, yet a click leaves the focus where it was
    group->addButton(b, static_cast<int>(kSteps[i]));
    b->setObjectName(QLatin1String(kNames[i]));
  }
  connect(group, &QButtonGroup::idClicked, this,
          [this](int id) { Q_EMIT stepChosen(static_cast<GridNavigation>(id)); });
}

}  // namespace orvane
