#include "app/help_window.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTextLayout>
#include <QWheelEvent>
#include <algorithm>

#include "app/app_context.h"
#include "app/help_text.h"
#include "app/info_pages.h"
#include "platform/guarded_connect.h"
#include "platform/languages.h"
#include "platform/window_frame.h"
#include "widgets/bevel_panel.h"
#include "widgets/color_tab_widget.h"
#include "widgets/look.h"
#include "widgets/object_names.h"

namespace orvane {

namespace {

constexpr int kWheelNotch = 120;  // angle delta of one wheel notification

QFont arial(int px, bool bold = false) { return makeFont(QStringLiteral("Arial"), px, bold); }

// The lines a memo shows for one written line: more than one where a font
// wider than the one the lines were broken for makes it wrap.
int shownLines(const QString& line, const QFont& font, qreal width) {
  QTextLayout layout(line, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);  // as QPlainTextEdit wraps
  layout.setTextOption(option);
  int count = 0;
  layout.beginLayout();
  for (QTextLine shown = layout.createLine(); shown.isValid(); shown = layout.createLine()) {
    shown.setLineWidth(width);
    ++count;
  }
  layout.endLayout();
  return std::max(count, 1);
}

// Lays a help page's texts and pictures out top to bottom on its panel.
class Column {
 public:
  Column(QWidget* panel, int top) : panel_(panel), y_(top) {}

  // Returns the memos in page order.
  QList<QPlainTextEdit*> layOutPage(const HelpPage& page) {
    // The texts are compiled in: a fault in one is a fault of the build.
    Q_ASSERT_X(page.problems.isEmpty(), "help page", qPrintable(page.problems.join(u'\n')));
    QList<QPlainTextEdit*> memos;
    for (const HelpBlock& block : page.blocks) {
      switch (block.kind) {
        case HelpBlock::Kind::Heading:
          heading(block.text);
          break;
        case HelpBlock::Kind::Memo:
          memos << memoFor(block);
          break;
        case HelpBlock::Kind::Picture:
          addPicture(block);
          break;
        case HelpBlock::Kind::Pair:
          pair(block);
          break;
        case HelpBlock::Kind::Skip:
          y_ += block.pixels;
          break;
      }
    }
    return memos;
  }

  int nextY() const { return y_; }

 private:
  void heading(const QString& text) {
    makeLabel(panel_, QRect(0, y_, panel_->width(), 26), arial(19), text, Qt::AlignCenter);
    y_ += 28;
  }

  QPlainTextEdit* memoFor(const HelpBlock& block) {
    if (!block.size.isEmpty()) {  // a box of its own size, centred; the text below it follows its heading
      const int x = (panel_->width() - block.size.width()) / 2;
      return makeMemo(panel_, QRect(QPoint(x, y_), block.size), arial(block.pixels), block.lines);
    }
    const QFont font = arial(block.pixels);
    const int width = panel_->width() - 20;
    QPlainTextEdit* memo = makeMemo(panel_, QRect(14, y_, width, 0), font, block.lines);
    // Sized to the lines as shown, so a wrapped line never pushes the last
    // one out of sight.
    const qreal textWidth = width - 2 * memo->document()->documentMargin();
    int shown = 0;
    for (const QString& line : block.lines) shown += shownLines(line, font, textWidth);
    const int h = QFontMetrics(font).lineSpacing() * shown + 6;
    memo->resize(width, h);
    y_ += h + 6;
    return memo;
  }

  void addPicture(const HelpBlock& block) {
    const HelpPicture& picture = block.pictures.front();
    const int x = (panel_->width() - block.size.width()) / 2;
    makePicture(panel_, QRect(QPoint(x, y_), block.size), QStringLiteral(":/pictures/") + picture.file,
                block.stretch, picture.description);
    y_ += block.size.height() + 8;
  }

  // Two pictures side by side, each captioned below. A caption takes the
  // width up to the middle between the pictures, and a second line where a
  // language needs more.
  void pair(const HelpBlock& block) {
    static constexpr int kLefts[2] = {64, 208};
    static constexpr int kCaptionWidth = kLefts[1] - kLefts[0] - 1;
    for (int k = 0; k < 2; ++k)
      makePicture(panel_, QRect(QPoint(kLefts[k], y_), block.size),
                  QStringLiteral(":/pictures/") + block.pictures[k].file, false,
                  block.pictures[k].description);
    const int captionTop = y_ + block.size.height() + 3;
    int captionHeight = 18;
    QList<QLabel*> captions;
    for (int k = 0; k < 2; ++k) {
      const int left = kLefts[k] + (block.size.width() - kCaptionWidth) / 2;
      captions << makeLabel(panel_, QRect(left, captionTop, kCaptionWidth, 18), arial(13),
                            block.pictures[k].caption, Qt::AlignHCenter | Qt::AlignTop, true);
      captionHeight = std::max(captionHeight, captions.back()->heightForWidth(kCaptionWidth));
    }
    for (QLabel* caption : captions) caption->resize(kCaptionWidth, captionHeight);
    y_ = captionTop + captionHeight + 7;
  }

  QWidget* panel_;
  int y_;
};

// A help page in the language the program speaks, English where it has none.
HelpPage helpPage(const QString& name) { return loadHelpPage(name, installedLanguage()); }

BevelPanel* whitePanel(QWidget* parent, const QRect& bounds) {
  auto* panel = new BevelPanel(parent);
  panel->setGeometry(bounds);
  panel->setBevels(BevelPanel::Bevel::Lowered, BevelPanel::Bevel::Lowered, 2);
  panel->setColor(cl::White);
  setPaper(panel);
  return panel;
}

// The two long pages: a white panel in a scroll box, grown to its text.
QScrollArea* scrollPage(TabPage* page, QWidget* panel, int width, int minHeight, const QString& name,
                        const QString& accessibleName) {
  QScrollArea* box = makeScrollBox(page, QRect(16, 16, 393, 409), panel, QSize(width, minHeight));
  box->setAccessibleName(accessibleName);
  Column col(panel, 8);
  col.layOutPage(helpPage(name));
  panel->resize(width, std::max(minHeight, col.nextY() + 8));
  return box;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent) {
  configureFixedWindow(this, tr("Help"), 448, 487, false);
  setAttribute(Qt::WA_QuitOnClose, false);
  setBackground(this, systemColor(SysColor::Light3D));
  setFont(makeFont(QStringLiteral("MS Sans Serif"), 11));

  pages = new ColorTabWidget(this);
  pages->setGeometry(8, 8, 433, 473);
  pages->setTabActiveColor(systemColor(SysColor::BtnFace));
  pages->setTabActiveFont(makeFont(QStringLiteral("MS Sans Serif"), 16, true));
  pages->setTabInactiveColor(systemColor(SysColor::Light3D));
  pages->setTabInactiveFont(arial(15));
  // One row as long as the captions fit it; a longer language's take a
  // second rather than running past the window.
  pages->setMultiLine(true);
  licensePage = new TabPage;
  stoneSizePage = new TabPage;
  beadCalculatorPage = new TabPage;
  worksheetPage = new TabPage;
  //: Tab of the help window: the licence agreement and the disclaimer
  pages->addPage(licensePage, tr("License"));
  //: Tab of the help window: help on the stone size converter (PP and SS sizes)
  pages->addPage(stoneSizePage, tr("Stone Size"));
  //: Tab of the help window: help on the bead calculator page
  pages->addPage(beadCalculatorPage, tr("Bead Calculator"));
  //: Tab of the help window: help on the bead worksheet window
  pages->addPage(worksheetPage, tr("Worksheet"));
  nameChildren({{pages, "pages"},
                {licensePage, "licensePage"},
                {stoneSizePage, "stoneSizePage"},
                {beadCalculatorPage, "beadCalculatorPage"},
                {worksheetPage, "worksheetPage"}});
  guardedConnect(beadCalculatorPage, &TabPage::shown, this, &HelpWindow::onBeadCalculatorPageShown);
  guardedConnect(worksheetPage, &TabPage::shown, this, &HelpWindow::onWorksheetPageShown);

  buildLicensePage();
  buildStoneSizePage();
  buildBeadCalculatorPage();
  buildWorksheetPage();
  pages->setActivePage(licensePage);

  // F1 opens the help in every window; here that is this window as it is.
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  help->setContext(Qt::WindowShortcut);
  guardedConnect(help, &QShortcut::activated, this, [this] { showWindow(this); });

  // The window sees every key before the focused control (for Esc), its own
  // included, and the scroll boxes take the wheel by their own rule.
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void HelpWindow::buildLicensePage() {
  licensePanel = whitePanel(licensePage, QRect(8, 16, 393, 401));
  Column col(licensePanel, 10);
  const QList<QPlainTextEdit*> memos = col.layOutPage(helpPage(QStringLiteral("license")));
  licenceText = memos.value(0);
  disclaimerText = memos.value(1);
  licenceText->setAccessibleName(tr("License Agreement"));
  disclaimerText->setAccessibleName(tr("Disclaimer and Warranty"));

  //: Button that closes the help window
  closeButton = new QPushButton(tr("Close"), licensePanel);
  closeButton->setFont(arial(13, true));
  closeButton->setGeometry(160, 360, 75, 25);
  closeButton->setVisible(false);
  guardedConnect(closeButton, &QPushButton::clicked, this, &HelpWindow::onCloseClicked);
  nameChildren({{licensePanel, "licensePanel"},
                {licenceText, "licenceText"},
                {disclaimerText, "disclaimerText"},
                {closeButton, "closeButton"}});
}

void HelpWindow::buildStoneSizePage() {
  stoneSizePanel = whitePanel(stoneSizePage, QRect(32, 16, 361, 401));
  Column col(stoneSizePanel, 10);
  col.layOutPage(helpPage(QStringLiteral("stone_size")));
  stoneSizePanel->setObjectName(QStringLiteral("stoneSizePanel"));
}

void HelpWindow::buildBeadCalculatorPage() {
  beadHelpContent = new QWidget;
  beadHelpScroll = scrollPage(beadCalculatorPage, beadHelpContent, 369, 1100,
                              QStringLiteral("bead_calculator"), tr("Bead Calculator help"));
  nameChildren({{beadHelpContent, "beadHelpContent"}, {beadHelpScroll, "beadHelpScroll"}});
}

void HelpWindow::buildWorksheetPage() {
  worksheetHelpContent = new QWidget;
  worksheetHelpScroll = scrollPage(worksheetPage, worksheetHelpContent, 370, 740, QStringLiteral("worksheet"),
                                   tr("Worksheet help"));
  nameChildren(
      {{worksheetHelpContent, "worksheetHelpContent"}, {worksheetHelpScroll, "worksheetHelpScroll"}});
}

void HelpWindow::showTopic(HelpTopic topic) {
  switch (topic) {
    case HelpTopic::License:
      return pages->setActivePage(licensePage);
    case HelpTopic::StoneSize:
    case HelpTopic::Fractions:
      return pages->setActivePage(stoneSizePage);
    case HelpTopic::BeadCalculator:
      return pages->setActivePage(beadCalculatorPage);
    case HelpTopic::Worksheet:
      return pages->setActivePage(worksheetPage);
  }
}

void HelpWindow::onClosed() { pages->setActivePage(stoneSizePage); }

void HelpWindow::onBeadCalculatorPageShown() { beadHelpScroll->setFocus(Qt::OtherFocusReason); }

void HelpWindow::onWorksheetPageShown() { worksheetHelpScroll->setFocus(Qt::OtherFocusReason); }

void HelpWindow::onCloseClicked() { close(); }

void HelpWindow::scrollBoxWheel(QScrollArea* box, const QPoint& globalPos, bool up) {
  const QPoint inParent = box->parentWidget()->mapFromGlobal(globalPos);
  if (!box->geometry().contains(inParent, true)) return;
  box->verticalScrollBar()->triggerAction(up ? QAbstractSlider::SliderSingleStepSub
                                             : QAbstractSlider::SliderSingleStepAdd);
}

QScrollArea* HelpWindow::boxOf(QObject* object) const {
  for (QObject* o = object; o; o = o->parent()) {
    if (o == beadHelpScroll) return beadHelpScroll;
    if (o == worksheetHelpScroll) return worksheetHelpScroll;
    if (o == this) break;
  }
  return nullptr;
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    close();
    return true;
  }
  if (event->type() == QEvent::Wheel) {
    if (QScrollArea* box = boxOf(watched)) {
      auto* wheel = static_cast<QWheelEvent*>(event);
      // Fine-grained wheels send parts of a notch; a step is taken per notch.
      wheelRemainder_ += wheel->angleDelta().y();
      while (wheelRemainder_ >= kWheelNotch || wheelRemainder_ <= -kWheelNotch) {
        const bool up = wheelRemainder_ > 0;
        wheelRemainder_ += up ? -kWheelNotch : kWheelNotch;
        scrollBoxWheel(box, wheel->globalPosition().toPoint(), up);
      }
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void HelpWindow::closeEvent(QCloseEvent* event) {
  onClosed();
  QWidget::closeEvent(event);
}

}  // namespace orvane
