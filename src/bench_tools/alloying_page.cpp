#include "bench_tools/alloying_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "bench_tools/bench_page_kit.h"
#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "widgets/entry_box.h"

namespace orvane {

namespace {

// What is added, and how much, for each task in the list's order: the
// result's caption, its box's name and the rule. Translated where shown.
struct TaskTexts {
  const char* added;
  const char* addedName;
  const char* formula;
};
constexpr TaskTexts kTaskTexts[] = {
    {QT_TRANSLATE_NOOP("orvane::AlloyingPage", "Alloy to &add"),
     QT_TRANSLATE_NOOP("orvane::AlloyingPage", "Alloy to add in grams"),
     QT_TRANSLATE_NOOP("orvane::AlloyingPage",
                       "Alloy = weight \u00d7 (karat \u2212 karat wanted) \u00f7 karat wanted.")},
    {QT_TRANSLATE_NOOP("orvane::AlloyingPage", "Fine gold to &add"),
     QT_TRANSLATE_NOOP("orvane::AlloyingPage", "Fine gold to add in grams"),
     QT_TRANSLATE_NOOP(
         "orvane::AlloyingPage",
         "Fine gold = weight \u00d7 (karat wanted \u2212 karat) \u00f7 (24 \u2212 karat wanted).")},
    {QT_TRANSLATE_NOOP("orvane::AlloyingPage", "Copper to &add"),
     QT_TRANSLATE_NOOP("orvane::AlloyingPage", "Copper to add in grams"),
     QT_TRANSLATE_NOOP("orvane::AlloyingPage",
                       "Copper = weight \u00d7 75 \u00f7 925 (0.0811 \u00d7 weight): sterling is 925 parts "
                       "silver in 1000.")},
};

}  // namespace

AlloyingPage::AlloyingPage(DesktopServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  setObjectName(QStringLiteral("AlloyingPage"));
  styleBenchPage(this);
  QGridLayout* grid = benchGrid(this);
  auto numberBox = [this](const QString& name, AlloyField field) {
    return makeBenchBox(this, name, KeyFilterKind::MmBox, services_, [this, field] { enterPressed(field); });
  };

  // Created in tab order, top to bottom.
  // The task is read by its index in the list.
  taskBox_ = makeBenchList(this, tr("Task"), alloyTaskNames());
  gramsBox_ = numberBox(tr("Weight in grams"), AlloyField::Grams);
  //: The gold's purity in karats, as it is before alloying
  fromBox_ = numberBox(tr("Gold's karat"), AlloyField::From);
  toBox_ = numberBox(tr("Karat wanted"), AlloyField::To);
  addedBox_ = makeBenchResult(this, QString());
  totalBox_ = makeBenchResult(this, tr("Resulting weight in grams"));

  int row = 0;
  grid->addWidget(makeBenchCaption(this, tr("&Task"), taskBox_), row, 0);
  grid->addWidget(taskBox_, row++, 1, 1, 2);
  grid->addWidget(makeBenchCaption(this, tr("&Weight"), gramsBox_), row, 0);
  grid->addWidget(gramsBox_, row, 1);
  grid->addWidget(makeBenchNote(this, tr("grams")), row++, 2);
  //: Karat: the purity of gold in 24ths
  const QString karat = tr("ct");
  grid->addWidget(makeBenchCaption(this, tr("Gold's &karat"), fromBox_), row, 0);
  grid->addWidget(fromBox_, row, 1);
  grid->addWidget(makeBenchNote(this, karat), row++, 2);
  grid->addWidget(makeBenchCaption(this, tr("Karat wa&nted"), toBox_), row, 0);
  grid->addWidget(toBox_, row, 1);
  grid->addWidget(makeBenchNote(this, karat), row++, 2);
  addedCaption_ = makeBenchCaption(this, QString(), addedBox_);
  grid->addWidget(addedCaption_, row, 0);
  grid->addWidget(addedBox_, row, 1);
  grid->addWidget(makeBenchNote(this, tr("grams")), row++, 2);
  grid->addWidget(makeBenchCaption(this, tr("&Resulting weight"), totalBox_), row, 0);
  grid->addWidget(totalBox_, row, 1);
  grid->addWidget(makeBenchNote(this, tr("grams")), row++, 2);
  formula_ = makeBenchNote(this, QString());
  formula_->setWordWrap(true);
  grid->addWidget(formula_, row++, 0, 1, 4);
  grid->setColumnStretch(3, 1);
  grid->setRowStretch(row, 1);

  const std::pair<QWidget*, const char*> names[] = {
      {taskBox_, "taskBox"},  {gramsBox_, "gramsBox"}, {fromBox_, "fromKaratBox"},
      {toBox_, "toKaratBox"}, {addedBox_, "addedBox"}, {totalBox_, "totalBox"},
  };
  for (const auto& [widget, name] : names) widget->setObjectName(QLatin1String(name));

  guardedConnect(taskBox_, &QComboBox::activated, this, &AlloyingPage::onTaskPicked);
  runGuarded(this, [this] { onTaskPicked(); });
}

QString AlloyingPage::pageTitle() { return tr("Alloying"); }

void AlloyingPage::enterPressed(AlloyField field) {
  runGuarded(this, [this, field] { calculate(field); });
}

// Throws before anything is written: a bad box leaves every box as it was.
void AlloyingPage::calculate(AlloyField entered) {
  const AlloyInputs in{AlloyTask(taskBox_->currentIndex()), gramsBox_->text(), fromBox_->text(),
                       toBox_->text()};
  const AlloyResult result = alloyEnter(in, entered);
  writeResults(this, {{addedBox_, result.added}, {totalBox_, result.total}});
  if (!result.added.isEmpty() || entered == AlloyField::None) return;
  switch (result.missing) {
    case AlloyField::Grams:
      focusBenchBox(gramsBox_);
      break;
    case AlloyField::From:
      focusBenchBox(fromBox_);
      break;
    case AlloyField::To:
      focusBenchBox(toBox_);
      break;
    case AlloyField::None:
      break;
  }
}

// Sterling needs no karats; the result's caption and the rule follow the task.
void AlloyingPage::onTaskPicked() {
  const int task = std::max(0, taskBox_->currentIndex());
  const bool karats = AlloyTask(task) != AlloyTask::Sterling;
  fromBox_->setEnabled(karats);
  toBox_->setEnabled(karats);
  addedCaption_->setText(tr(kTaskTexts[task].added));
  addedBox_->setAccessibleName(tr(kTaskTexts[task].addedName));
  formula_->setText(tr(kTaskTexts[task].formula));
  calculate(AlloyField::None);
}

}  // namespace orvane
