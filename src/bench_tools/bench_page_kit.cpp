#include "bench_tools/bench_page_kit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "platform/desktop_services.h"
#include "platform/guarded_connect.h"
#include "widgets/entry_box.h"
#include "widgets/look.h"
#include "widgets/spoken_boxes.h"

namespace orvane {

namespace {
constexpr int kBoxWidth = 100;
constexpr int kBoxHeight = 24;

// "&Gauge (B&&S)" as heard: "Gauge (B&S)".
QString withoutMnemonic(const QString& caption) {
  QString plain;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    plain += caption[i];
  }
  return plain;
}

}  // namespace

void styleBenchPage(QWidget* page) {
  setBackground(page, systemColor(SysColor::Light3D));
  page->setFont(makeFont(QStringLiteral("Arial"), 15));
}

QGridLayout* benchGrid(QWidget* page) {
  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(12, 14, 12, 12);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(6);
  return grid;
}

EntryBox* makeBenchBox(QWidget* page, const QString& accessibleName, KeyFilterKind kind,
                       DesktopServices& services, std::function<void()> onEnter) {
  auto* box = new EntryBox(page);
  box->setAccessibleName(accessibleName);
  box->setFixedSize(kBoxWidth, kBoxHeight);
  box->setKeyFilter(kind, services);
  if (onEnter) guardedConnect(box, &EntryBox::calculationWanted, page, std::move(onEnter));
  return box;
}

EntryBox* makeBenchResult(QWidget* page, const QString& accessibleName) {
  auto* box = new EntryBox(page);
  box->setAccessibleName(accessibleName);
  box->setFixedSize(kBoxWidth, kBoxHeight);
  box->setReadOnlyBox(true);
  box->setFocusPolicy(Qt::StrongFocus);
  return box;
}

QComboBox* makeBenchList(QWidget* page, const QString& accessibleName, const QStringList& items,
                         const QString& placeholder) {
  auto* list = new QComboBox(page);
  list->setAccessibleName(accessibleName);
  list->addItems(items);
  list->setMaxVisibleItems(16);
  if (!placeholder.isEmpty()) {
    list->setPlaceholderText(placeholder);
    list->setCurrentIndex(-1);
  }
  return list;
}

int benchListWidth(const QComboBox* list, int least) {
  QStyleOptionComboBox option;
  option.initFrom(list);
  option.rect = QRect(0, 0, least, list->sizeHint().height());
  const int field =
      list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
  const QFontMetrics metrics(list->font());
  int widest = 0;
  for (int i = 0; i < list->count(); ++i)
    widest = std::max(widest, metrics.horizontalAdvance(list->itemText(i)));
  return least + std::max(0, widest - field);
}

QLabel* makeBenchCaption(QWidget* page, const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text, page);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setBuddy(buddy);
  if (buddy->accessibleName().isEmpty() && !text.isEmpty()) buddy->setAccessibleName(withoutMnemonic(text));
  return label;
}

QLabel* makeBenchNote(QWidget* page, const QString& text, Qt::Alignment align) {
  auto* label = new QLabel(text, page);
  label->setAlignment(align);
  return label;
}

void setBoxText(EntryBox* box, const QString& text) {
  if (box->text() != text) box->setText(text);
}

namespace {

void writeAndSpeak(QWidget* source, const std::vector<BoxWrite>& writes, const QString& lead,
                   const QString& missing) {
  QList<WrittenBox> written;
  for (const auto& [box, text] : writes) {
    const bool changed = box->text() != text;
    if (changed) box->setText(text);
    written.append({box, BoxText{text, true}, changed});
  }
  announceResults(source, written, lead, missing);
}

}  // namespace

void writeResults(QWidget* source, const std::vector<BoxWrite>& writes) {
  writeAndSpeak(source, writes, {}, {});
}

void writeResults(QWidget* source, const std::vector<BoxWrite>& writes, const QComboBox* picked,
                  const QString& missing) {
  writeAndSpeak(source, writes, pickedItem(picked), missing);
}

QString pickedItem(const QComboBox* list) {
  if (list == nullptr || list->currentIndex() < 0) return {};
  return list->accessibleName() + u' ' + list->currentText();
}

BenchSize BenchSizeBoxes::texts() const { return {mm->text(), inch->text(), source}; }

void BenchSizeBoxes::show(const BenchSize& shown) {
  setBoxText(mm, shown.mm);
  setBoxText(inch, shown.inch);
  source = shown.source;
}

void makeBenchSizeBoxes(QWidget* page, BenchSizeBoxes& boxes, const QString& name, DesktopServices& services,
                        std::function<void(EntryBox*)> onEnter, std::function<void()> edited) {
  boxes.mm = makeBenchBox(page, {}, KeyFilterKind::MmBox, services, {});
  boxes.inch = makeBenchBox(page, {}, KeyFilterKind::InchBox, services, {});
  nameBenchSizeBoxes(boxes, name);
  for (EntryBox* box : {boxes.mm, boxes.inch}) {
    const KeyFilterKind kind = box == boxes.mm ? KeyFilterKind::MmBox : KeyFilterKind::InchBox;
    box->setKeyFilter(kind, services);
    guardedConnect(box, &EntryBox::calculationWanted, page, [onEnter, box] { onEnter(box); });
    const BenchUnit unit = box == boxes.mm ? BenchUnit::Mm : BenchUnit::Inch;
    guardedConnect(box, &QLineEdit::textEdited, page, [&boxes, unit, edited] {
      boxes.source = unit;
      if (edited) edited();
    });
  }
}

void nameBenchSizeBoxes(BenchSizeBoxes& boxes, const QString& name) {
  //: The name a screen reader gives a size's millimetre box; %1 is the size ("Wire diameter")
  boxes.mm->setAccessibleName(QCoreApplication::translate("BenchPageKit", "%1 in mm").arg(name));
  //: The name a screen reader gives a size's inch box; %1 is the size ("Wire diameter")
  boxes.inch->setAccessibleName(QCoreApplication::translate("BenchPageKit", "%1 in inches").arg(name));
}

void focusBenchBox(EntryBox* box) {
  box->setFocus(Qt::OtherFocusReason);
  box->selectAll();
}

}  // namespace orvane
