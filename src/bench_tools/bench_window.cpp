#include "bench_tools/bench_window.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>
#include <utility>
#include <vector>

#include "bench_tools/alloying_page.h"
#include "bench_tools/bezel_page.h"
#include "bench_tools/casting_page.h"
#include "bench_tools/gauge_page.h"
#include "bench_tools/jump_ring_page.h"
#include "bench_tools/knotted_strand_page.h"
#include "bench_tools/metal_page.h"
#include "bench_tools/pricing_page.h"
#include "bench_tools/ring_resize_page.h"
#include "bench_tools/seed_bead_page.h"
#include "bench_tools/stone_weight_page.h"
#include "platform/guarded_connect.h"
#include "widgets/entry_box.h"
#include "widgets/look.h"

namespace orvane {

BenchWindow::BenchWindow(DesktopServices& services, QWidget* parent) : QWidget(parent), services_(services) {
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  //: The jeweller's workbench: the window of bench calculators
  setWindowTitle(tr("Bench"));
  setAttribute(Qt::WA_QuitOnClose, false);
  setBackground(this, systemColor(SysColor::Light3D));
  setFont(makeFont(QStringLiteral("Arial"), 15));

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(8, 8, 8, 8);
  // As large as the largest page and no larger: the pages are laid out for it.
  column->setSizeConstraint(QLayout::SetFixedSize);
  pages = new QTabWidget(this);
  pages->setObjectName(QStringLiteral("BenchPages"));
  pages->setAccessibleName(tr("Bench calculators"));
  pages->setUsesScrollButtons(false);
  column->addWidget(pages);
  createPages();

  closeButton = new QPushButton(tr("Close"), this);
  closeButton->setObjectName(QStringLiteral("closeButton"));
  closeButton->setAutoDefault(true);  // Enter on the focused button presses it
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(closeButton);
  column->addLayout(buttons);
  guardedConnect(closeButton, &QPushButton::clicked, this, [this] { close(); });
  // Esc closes wherever the focus is in the window.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  guardedConnect(escape, &QShortcut::activated, this, [this] { closeButton->click(); });
  addPageKeys();
}

void BenchWindow::addPageKeys() {
  const std::pair<QKeySequence, int> keys[] = {
      {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
  };
  for (const auto& entry : keys) {
    // A plain copy: clang 14 cannot capture a structured binding.
    const int step = entry.second;
    auto* shortcut = new QShortcut(entry.first, this);
    shortcut->setContext(Qt::WindowShortcut);
    guardedConnect(shortcut, &QShortcut::activated, this, [this, step] {
      const int count = pages->count();
      pages->setCurrentIndex((pages->currentIndex() + step + count) % count);
      // The page's first control takes the focus, so that the screen reader
      // names where the user now is.
      QWidget* page = pages->currentWidget();
      for (QWidget* w = page->nextInFocusChain(); w != page && page->isAncestorOf(w);
           w = w->nextInFocusChain()) {
        if (w->isVisibleTo(page) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
          w->setFocus(Qt::TabFocusReason);
          break;
        }
      }
    });
  }
}

void BenchWindow::createPages() {
  metal_ = new MetalPage(services_);
  casting_ = new CastingPage(services_);
  pricing_ = new PricingPage(services_);

  // The pages in the order of their tabs; each is a widget of its own, so a
  // new calculator is one more line here.
  const QString metalTitle = tr("Metal");
  //: Metal casting (lost wax)
  const QString castingTitle = tr("Casting");
  //: Working out a piece's cost and prices
  const QString pricingTitle = tr("Pricing");
  const std::vector<std::pair<QWidget*, QString>> list = {
      {metal_, metalTitle},
      {casting_, castingTitle},
      {new StoneWeightPage(services_), StoneWeightPage::pageTitle()},
      {pricing_, pricingTitle},
      {new GaugePage(services_), GaugePage::pageTitle()},
      {new KnottedStrandPage(services_), KnottedStrandPage::pageTitle()},
      {new JumpRingPage(services_), JumpRingPage::pageTitle()},
      {new RingResizePage(services_), RingResizePage::pageTitle()},
      {new AlloyingPage(services_), AlloyingPage::pageTitle()},
      {new SeedBeadPage(services_), SeedBeadPage::pageTitle()},
      {new BezelPage(services_), BezelPage::pageTitle()},
  };
  for (const auto& [page, title] : list) pages->addTab(page, title);

  // The metal cost of the Metal or Casting page, whichever was worked out
  // last, is what Pricing can take into its materials; the page is named as its tab.
  guardedConnect(metal_, &MetalPage::metalCostChanged, pricing_,
                 [this, metalTitle] { pricing_->setMetalCost(metal_->metalCost(), metalTitle); });
  guardedConnect(casting_, &CastingPage::metalCostChanged, pricing_,
                 [this, castingTitle] { pricing_->setMetalCost(casting_->metalCost(), castingTitle); });
}

void BenchWindow::showPage(QWidget* page) { pages->setCurrentWidget(page); }

}  // namespace orvane
