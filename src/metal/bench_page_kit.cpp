#include "metal/bench_page_kit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "platform/desktop_services.h"
#include "platform/guarded_connect.h"
#include "widgets/edit.h"
#include "widgets/look.h"

namespace orvane {

namespace {
constexpr int kBoxWidth = 100;
constexpr int kBoxHeight = 24;
}  // namespace

void styleBenchPage(QWidget* page) {
  SetBackground(page, SystemColor(SysColor::Light3D));
  page->setFont(MakeFont(QStringLiteral("Arial"), 15));
}

QGridLayout* benchGrid(QWidget* page) {
  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(12, 14, 12, 12);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(6);
  return grid;
}

TEdit* makeBenchBox(QWidget* page, const QString& accessibleName, KeyFilterKind kind,
                    DesktopServices& services, std::function<void()> onEnter) {
  auto* box = new TEdit(page);
  box->setAccessibleName(accessibleName);
  box->setFixedSize(kBoxWidth, kBoxHeight);
  box->SetKeyFilter(kind, services);
  if (onEnter) GuardedConnect(box, &TEdit::calculationWanted, page, std::move(onEnter));
  return box;
}

TEdit* makeBenchResult(QWidget* page, const QString& accessibleName) {
  auto* box = new TEdit(page);
  box->setAccessibleName(accessibleName);
  box->setFixedSize(kBoxWidth, kBoxHeight);
  box->SetReadOnlyBox(true);
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

QLabel* makeBenchCaption(QWidget* page, const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text, page);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setBuddy(buddy);
  return label;
}

QLabel* makeBenchNote(QWidget* page, const QString& text, Qt::Alignment align) {
  auto* label = new QLabel(text, page);
  label->setAlignment(align);
  return label;
}

void setBoxText(TEdit* box, const QString& text) {
  if (box->text() != text) box->setText(text);
}

BenchSize BenchSizeBoxes::texts() const { return {mm->text(), inch->text(), source}; }

void BenchSizeBoxes::show(const BenchSize& shown) {
  setBoxText(mm, shown.mm);
  setBoxText(inch, shown.inch);
  source = shown.source;
}

void makeBenchSizeBoxes(QWidget* page, BenchSizeBoxes& boxes, const QString& name, DesktopServices& services,
                        std::function<void(TEdit*)> onEnter, std::function<void()> edited) {
  boxes.mm = makeBenchBox(page, name + QStringLiteral(" in mm"), KeyFilterKind::MmBox, services, {});
  boxes.inch = makeBenchBox(page, name + QStringLiteral(" in inches"), KeyFilterKind::InchBox, services, {});
  for (TEdit* box : {boxes.mm, boxes.inch}) {
    const KeyFilterKind kind = box == boxes.mm ? KeyFilterKind::MmBox : KeyFilterKind::InchBox;
    box->SetKeyFilter(kind, services);
    GuardedConnect(box, &TEdit::calculationWanted, page, [onEnter, box] { onEnter(box); });
    const BenchUnit unit = box == boxes.mm ? BenchUnit::Mm : BenchUnit::Inch;
    GuardedConnect(box, &QLineEdit::textEdited, page, [&boxes, unit, edited] {
      boxes.source = unit;
      if (edited) edited();
    });
  }
}

void focusBenchBox(TEdit* box) {
  box->setFocus(Qt::OtherFocusReason);
  box->selectAll();
}

}  // namespace orvane
