#include "worksheet/worksheet_rows_panel.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <algorithm>

#include "core/box_text.h"
#include "core/key_filter.h"
#include "core/spoken_results.h"
#include "core/text_rules.h"
#include "core/worksheet_csv.h"
#include "platform/announcer.h"
#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "widgets/entry_box.h"
#include "widgets/look.h"
#include "widgets/spoken_boxes.h"
#include "worksheet/worksheet_controls.h"

namespace orvane {

namespace {

constexpr int kDescLimit = 40;

// Column positions inside the panel.
constexpr int kLabelLeft = 6, kLabelWidth = 28;
constexpr int kDescLeft = 38, kDescWidth = 326;
constexpr int kMmLeft = 376, kOrLeft = 434, kInchLeft = 458, kCountLeft = 526, kPerInchLeft = 594,
              kLengthLeft = 662;
constexpr int kOrWidth = 22;
constexpr int kNumberWidth = 55, kBoxHeight = 23;
constexpr int kHeadingTop = 10, kHeadingHeight = 36;
constexpr int kFirstRowTop = 52, kRowPitch = 35;
// The panel's height as designed, for headings of two lines.
constexpr int kPanelHeight = 435;
// The panel spans the window; its last column keeps at least this much room
// on its right.
constexpr int kPanelWidth = 762, kRightMargin = 8;
// The total's caption ends this far left of its box.
constexpr int kTotalCaptionGap = 6;

}  // namespace

// A word between the size boxes wider than "or" (German "oder") widens its
// column: the columns right of it move along into the free room on the
// right, and past that the description box gives up the rest.
WorksheetRowsPanel::Columns WorksheetRowsPanel::columnsFor(int orTextWidth) {
  Columns c{kDescWidth, kMmLeft, kOrLeft, kOrWidth, kInchLeft, kCountLeft, kPerInchLeft, kLengthLeft};
  const int extra = std::max(0, orTextWidth - kOrWidth);
  const int rightRoom = kPanelWidth - kRightMargin - (kLengthLeft + kNumberWidth);
  const int right = std::min(extra, rightRoom), left = extra - right;
  c.descWidth -= left;
  c.mm -= left;
  c.orLeft -= left;
  c.orWidth += extra;
  for (int* column : {&c.inch, &c.count, &c.perInch, &c.length}) *column += right;
  return c;
}

int WorksheetRowsPanel::neededHeight() const { return kPanelHeight + extraHeight_; }

WorksheetRowsPanel::WorksheetRowsPanel(DesktopServices& services, QWidget* parent)
    : BevelPanel(parent), services_(services) {
  const QuietAccessibility quiet;
  setObjectName(QStringLiteral("rowsPanel"));
  setColor(systemColor(SysColor::Light3D));

  //: Between the two size boxes of a row: a size in millimetres or in inches.
  orText_ = tr("or");
  // Two pixels each side, as the English word has in its column.
  columns_ = columnsFor(QFontMetrics(worksheetFont()).horizontalAdvance(orText_) + 4);
  const Columns& c = columns_;

  const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignBottom;
  // As wide as their boxes, so that they wrap onto two lines like the others.
  const struct {
    QString text;
    int left, width;
    Qt::Alignment align;
  } headings[] = {{tr("Description"), kDescLeft, c.descWidth, Qt::AlignLeft | Qt::AlignBottom},
                  {tr("Size MM"), c.mm, kNumberWidth, centred},
                  {tr("Size Inch"), c.inch, kNumberWidth, centred},
                  {tr("Number of Beads"), c.count - 6, kNumberWidth + 12, centred},
                  {tr("Beads per Inch"), c.perInch - 6, kNumberWidth + 12, centred},
                  {tr("Length Inches"), c.length - 6, kNumberWidth + 12, centred}};
  // Headings that wrap onto more lines than the English two push the rows
  // down, and the panel grows by as much.
  const QFontMetrics metrics(worksheetFont());
  int headingHeight = kHeadingHeight;
  for (const auto& heading : headings)
    headingHeight = std::max(
        headingHeight,
        metrics.boundingRect(QRect(0, 0, heading.width, 1000), Qt::TextWordWrap | heading.align, heading.text)
            .height());
  extraHeight_ = headingHeight - kHeadingHeight;
  for (const auto& heading : headings)
    makeWorksheetLabel(this, heading.text, QRect(heading.left, kHeadingTop, heading.width, headingHeight),
                       heading.align);

  const int firstRowTop = kFirstRowTop + extraHeight_;
  for (int k = 1; k <= kWorksheetRows; ++k) createRow(k, firstRowTop + (k - 1) * kRowPitch);

  const int totalTop = firstRowTop + kWorksheetRows * kRowPitch + 8;
  // Right-aligned against its box: a longer caption reaches further left.
  const QString totalCaption = tr("Total Length in Inches");
  const int totalWidth =
      std::max(170, QFontMetrics(worksheetFont()).horizontalAdvance(totalCaption) + kTotalCaptionGap);
  makeWorksheetLabel(this, totalCaption,
                     QRect(c.length - kTotalCaptionGap - totalWidth, totalTop, totalWidth, kBoxHeight),
                     Qt::AlignRight | Qt::AlignVCenter);
  totalBox_ = makeWorksheetBox(this, QRect(c.length, totalTop, kNumberWidth, kBoxHeight),
                               tr("Total Length in Inches"), QStringLiteral("totalBox"), true);
  for (int k = 1; k <= kWorksheetRows; ++k) bindRow(k);
}

void WorksheetRowsPanel::createRow(int k, int top) {
  const int i = k - 1;

  const QString number = k < 10 ? QStringLiteral("  %1.").arg(k) : QStringLiteral("10.");
  makeWorksheetLabel(this, number, QRect(kLabelLeft, top, kLabelWidth, kBoxHeight),
                     Qt::AlignRight | Qt::AlignVCenter)
      ->setWordWrap(false);
  // Each box is named for the screen reader by its column and row.
  const Columns& c = columns_;
  const auto box = [&](int left, const QString& column, const char* name, bool readOnly = false) {
    //: A box's name for the screen reader: %1 the column's heading, %2 the row's number.
    const QString caption = tr("%1 row %2").arg(column).arg(k);
    return makeWorksheetBox(this,
                            QRect(left, top, left == kDescLeft ? c.descWidth : kNumberWidth, kBoxHeight),
                            caption, QLatin1String(name) + QString::number(k), readOnly);
  };
  descriptionBoxes_[i] = box(kDescLeft, tr("Description"), "descriptionBox");
  descriptionBoxes_[i]->setMaxLength(kDescLimit);
  mmBoxes_[i] = box(c.mm, tr("Size MM"), "mmBox");
  makeWorksheetLabel(this, orText_, QRect(c.orLeft, top, c.orWidth, kBoxHeight), Qt::AlignCenter);
  inchBoxes_[i] = box(c.inch, tr("Size Inch"), "inchBox");
  countBoxes_[i] = box(c.count, tr("Number of Beads"), "countBox");
  perInchBoxes_[i] = box(c.perInch, tr("Beads per Inch"), "perInchBox", true);
  lengthBoxes_[i] = box(c.length, tr("Length Inches"), "lengthBox", true);
}

void WorksheetRowsPanel::bindRow(int k) {
  const int i = k - 1;
  // The typed boxes all record that the user is in them; only the size boxes
  // act when they are left.
  for (EntryBox* box : {descriptionBoxes_[i], mmBoxes_[i], inchBoxes_[i], countBoxes_[i]}) {
    guardedConnect(box, &EntryBox::focusGained, this, [this, box] { enteredBox_ = box; });
    guardedConnect(box, &QLineEdit::textChanged, this, [this] { Q_EMIT edited(); });
  }
  auto exitOf = [this](EntryBox* box, void (WorksheetRowsPanel::*handler)(int), int row) {
    return [this, box, handler, row] {
      if (enteredBox_ != box) return;
      enteredBox_ = nullptr;
      (this->*handler)(row);
    };
  };
  guardedConnect(mmBoxes_[i], &EntryBox::focusLost, this,
                 exitOf(mmBoxes_[i], &WorksheetRowsPanel::sizeFromMm, k));
  guardedConnect(inchBoxes_[i], &EntryBox::focusLost, this,
                 exitOf(inchBoxes_[i], &WorksheetRowsPanel::sizeFromInch, k));
  for (EntryBox* box : {descriptionBoxes_[i], countBoxes_[i]})
    guardedConnect(box, &EntryBox::focusLost, this, [this, box] {
      if (enteredBox_ == box) enteredBox_ = nullptr;
    });

  // Enter moves on from every box of a row.
  mmBoxes_[i]->setKeyFilter(KeyFilterKind::WorksheetMm, services_);
  inchBoxes_[i]->setKeyFilter(KeyFilterKind::WorksheetInch, services_);
  countBoxes_[i]->setKeyFilter(KeyFilterKind::WorksheetBeadCount, services_);
  descriptionBoxes_[i]->setKeyFilter(KeyFilterKind::Text, services_);
  guardedConnect(descriptionBoxes_[i], &QLineEdit::textChanged, this,
                 [this, i] { relaxLimit(descriptionBoxes_[i], kDescLimit); });

  guardedConnect(countBoxes_[i], &EntryBox::changed, this, [this, k] { lengthFromCount(k); });
  guardedConnect(lengthBoxes_[i], &EntryBox::changed, this, [this] {
    // Filling every row works the total out once, after its last row.
    if (!loading_) recomputeTotal();
  });
  countBoxes_[i]->installEventFilter(this);
}

// Up and Down walk the bead count column, wrapping round at both ends.
bool WorksheetRowsPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    for (int i = 0; i < kWorksheetRows; ++i) {
      if (watched != countBoxes_[i]) continue;
      if (key == Qt::Key_Up) moveFocusTo(countBoxes_[(i + kWorksheetRows - 1) % kWorksheetRows]);
      if (key == Qt::Key_Down) moveFocusTo(countBoxes_[(i + 1) % kWorksheetRows]);
      break;
    }
  }
  return BevelPanel::eventFilter(watched, event);
}

void WorksheetRowsPanel::moveFocusTo(QWidget* box) {
  if (loading_) return;
  box->setFocus(Qt::TabFocusReason);
}

// Leaving a box (Tab, Enter, a click) happens inside Qt's own focus change,
// which tells the screen reader last of the box it was heading for. The move
// is made at once, so that keys typed right after land in the box moved to;
// once the change is over, the screen reader hears again of the box that
// really has the focus.
void WorksheetRowsPanel::moveFocusOnLeaving(QWidget* box) {
  if (loading_) return;
  box->setFocus(Qt::TabFocusReason);
  QTimer::singleShot(0, box, [box] {
    if (QApplication::focusWidget() != box) return;
    QAccessibleEvent focus(box, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
  });
}

// Runs a row step on the row's values and boxes and shows what it changed,
// also when it fails part way: what it had done by then stays done. The
// length box comes last, as its change brings the total up to date.
bool WorksheetRowsPanel::runRowStep(int k, const RowStep& step) {
  const int i = k - 1;
  WorksheetRowBoxes boxes{mmBoxes_[i]->text(), inchBoxes_[i]->text(), countBoxes_[i]->text(),
                          perInchBoxes_[i]->text(), lengthBoxes_[i]->text()};
  const std::pair<EntryBox*, const QString*> writes[] = {{mmBoxes_[i], &boxes.Mm},
                                                         {inchBoxes_[i], &boxes.Inch},
                                                         {perInchBoxes_[i], &boxes.BeadsPerInch},
                                                         {lengthBoxes_[i], &boxes.Length}};
  const QString totalBefore = totalBox_->text();
  QList<WrittenBox> changed;
  const bool moveOn = runShowingBoxes(
      boxes, [&](WorksheetRowBoxes& row) { return step(rows_[i], row); },
      [&](const WorksheetRowBoxes&) {
        for (const auto& [box, text] : writes) {
          if (box->text() == *text) continue;
          box->setText(*text);
          changed.append({box, BoxText{*text, true}});
        }
      });
  if (!loading_) {
    // The step may already have moved the focus on into a box it wrote:
    // every changed box is read out (the box typed in is unchanged).
    QList<SpokenBox> spoken;
    for (const WrittenBox& box : changed) spoken.append({box.widget->accessibleName(), box.text});
    spoken.append(
        {totalBox_->accessibleName(), BoxText{totalBox_->text(), totalBox_->text() != totalBefore}});
    announce(window(), spokenResults(spoken));
  }
  return moveOn;
}

void WorksheetRowsPanel::sizeFromMm(int k) {
  if (runRowStep(k, worksheetSizeFromMm)) moveFocusOnLeaving(countBoxes_[k - 1]);
}

void WorksheetRowsPanel::sizeFromInch(int k) {
  if (runRowStep(k, worksheetSizeFromInch)) moveFocusOnLeaving(countBoxes_[k - 1]);
}

void WorksheetRowsPanel::lengthFromCount(int k) {
  runRowStep(k, [](WorksheetRowValues& row, WorksheetRowBoxes& boxes) {
    worksheetLengthFromCount(row, boxes);
    return false;
  });
}

void WorksheetRowsPanel::recomputeTotal() { totalBox_->setText(worksheetTotal(rows_, totalValue_)); }

WorksheetRowsPanel::RowTexts WorksheetRowsPanel::typedRows() const {
  RowTexts texts;
  for (int i = 0; i < kWorksheetRows; ++i)
    texts[i] = {descriptionBoxes_[i]->text(), mmBoxes_[i]->text(), inchBoxes_[i]->text(),
                countBoxes_[i]->text()};
  return texts;
}

void WorksheetRowsPanel::showRows(const RowTexts& texts) {
  loading_ = true;
  enteredBox_ = nullptr;  // leaving whatever box had the focus is no exit
  rows_ = {};
  totalValue_ = 0;
  for (int i = 0; i < kWorksheetRows; ++i) {
    perInchBoxes_[i]->clear();
    lengthBoxes_[i]->clear();
  }
  totalBox_->clear();
  for (int i = 0; i < kWorksheetRows; ++i) {
    setLimitedText(descriptionBoxes_[i], kDescLimit, texts[i].Desc);
    mmBoxes_[i]->setText(texts[i].Mm);
    inchBoxes_[i]->setText(texts[i].Inch);
  }
  for (int k = 1; k <= kWorksheetRows; ++k) {
    runGuarded(this, [&] {
      runRowStep(k, [](WorksheetRowValues& row, WorksheetRowBoxes& boxes) {
        worksheetLoadedSize(row, boxes);
        return false;
      });
    });
    // The change handler works the length out; an unchanged text must too.
    EntryBox* count = countBoxes_[k - 1];
    const bool unchanged = count->text() == texts[k - 1].BeadCount;
    count->setText(texts[k - 1].BeadCount);
    if (unchanged) runGuarded(this, [&] { lengthFromCount(k); });
  }
  runGuarded(this, [&] { recomputeTotal(); });
  loading_ = false;
  enteredBox_ = nullptr;
}

void WorksheetRowsPanel::clearRows() {
  totalValue_ = 0;
  rows_ = {};
  for (int i = 0; i < kWorksheetRows; ++i)
    for (EntryBox* box : {descriptionBoxes_[i], mmBoxes_[i], inchBoxes_[i], countBoxes_[i], perInchBoxes_[i],
                          lengthBoxes_[i]})
      // An empty box is left alone: clearing it anyway floods a screen
      // reader with changes, and it then drops the spoken notice.
      if (!box->text().isEmpty()) box->clear();
  totalBox_->clear();
}

void WorksheetRowsPanel::fillCsv(WorksheetCsv& sheet) const {
  for (int i = 0; i < kWorksheetRows; ++i)
    sheet.Rows[i] = {descriptionBoxes_[i]->text(), mmBoxes_[i]->text(),      inchBoxes_[i]->text(),
                     countBoxes_[i]->text(),       perInchBoxes_[i]->text(), lengthBoxes_[i]->text()};
  sheet.Total = totalBox_->text();
}

QString WorksheetRowsPanel::totalText() const { return totalBox_->text(); }

bool WorksheetRowsPanel::isTypedBox(const QObject* object) const {
  for (int i = 0; i < kWorksheetRows; ++i)
    if (object == descriptionBoxes_[i] || object == mmBoxes_[i] || object == inchBoxes_[i] ||
        object == countBoxes_[i])
      return true;
  return false;
}

std::optional<QString> WorksheetRowsPanel::reportValue(const QString& name) const {
  if (name == QLatin1String("TOTAL1")) return trimBlanks(totalBox_->text());
  if (name.size() < 2) return std::nullopt;
  const std::array<EntryBox*, kWorksheetRows>* family = nullptr;
  switch (name[0].unicode()) {
    case u'D':
      family = &descriptionBoxes_;
      break;
    case u'M':
      family = &mmBoxes_;
      break;
    case u'N':
      family = &inchBoxes_;
      break;
    case u'B':
      family = &countBoxes_;
      break;
    case u'P':
      family = &perInchBoxes_;
      break;
    case u'L':
      family = &lengthBoxes_;
      break;
    default:
      return std::nullopt;
  }
  const QString digits = name.mid(1);
  for (int k = 1; k <= kWorksheetRows; ++k)
    if (digits == QString::number(k)) return trimBlanks((*family)[k - 1]->text());
  return std::nullopt;
}

}  // namespace orvane
