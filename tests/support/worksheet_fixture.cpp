#include "worksheet_fixture.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include "find_child.h"
#include "widgets/entry_box.h"
#include "worksheet/worksheet_window.h"

namespace orvane {

namespace {

WorksheetColumn column(const QWidget* sheet, const char* family) {
  WorksheetColumn boxes{};
  for (int i = 0; i < kWorksheetRows; ++i)
    boxes[i] = findNamed<EntryBox>(sheet, QLatin1String(family) + QString::number(i + 1));
  return boxes;
}

}  // namespace

EntryBox* projectBox(const QWidget* sheet) {
  return findNamed<EntryBox>(sheet, QStringLiteral("projectBox"));
}
EntryBox* totalBox(const QWidget* sheet) { return findNamed<EntryBox>(sheet, QStringLiteral("totalBox")); }
WorksheetColumn descriptionBoxes(const QWidget* sheet) { return column(sheet, "descriptionBox"); }
WorksheetColumn mmBoxes(const QWidget* sheet) { return column(sheet, "mmBox"); }
WorksheetColumn inchBoxes(const QWidget* sheet) { return column(sheet, "inchBox"); }
WorksheetColumn countBoxes(const QWidget* sheet) { return column(sheet, "countBox"); }
WorksheetColumn perInchBoxes(const QWidget* sheet) { return column(sheet, "perInchBox"); }
WorksheetColumn lengthBoxes(const QWidget* sheet) { return column(sheet, "lengthBox"); }
QPushButton* loadButton(const QWidget* sheet) {
  return findNamed<QPushButton>(sheet, QStringLiteral("loadButton"));
}
QPushButton* saveButton(const QWidget* sheet) {
  return findNamed<QPushButton>(sheet, QStringLiteral("saveButton"));
}
QPushButton* printButton(const QWidget* sheet) {
  return findNamed<QPushButton>(sheet, QStringLiteral("printButton"));
}
QPushButton* calculatorButton(const QWidget* sheet) {
  return findNamed<QPushButton>(sheet, QStringLiteral("calculatorButton"));
}
QPushButton* helpButton(const QWidget* sheet) {
  return findNamed<QPushButton>(sheet, QStringLiteral("helpButton"));
}
QPushButton* clearButton(const QWidget* sheet) {
  return findNamed<QPushButton>(sheet, QStringLiteral("clearButton"));
}
QPushButton* recentButton(const QWidget* sheet) {
  return findNamed<QPushButton>(sheet, QStringLiteral("recentButton"));
}
QPushButton* closeButton(const QWidget* sheet) {
  return findNamed<QPushButton>(sheet, QStringLiteral("closeButton"));
}

void WorksheetFixture::openWorksheet() {
  t_ = std::make_unique<TestApp>();
  w_ = t_->app->worksheetWindow();
  dir_ = std::make_unique<QTemporaryDir>();
}

void WorksheetFixture::closeWorksheet() {
  QVERIFY2(!guard_.tripped(), qPrintable(guard_.seen()));
  t_.reset();
  w_ = nullptr;
  dir_.reset();
}

void WorksheetFixture::type(EntryBox* box, const QString& text, Qt::Key leaveWith) {
  if (QApplication::focusWidget() != box) giveFocusTo(box);
  typeText(box, text);
  QTest::keyClick(box, leaveWith);
}

QStringList WorksheetFixture::allTexts() const {
  QStringList texts{projectBox(w_)->text(), totalBox(w_)->text()};
  const WorksheetColumn columns[] = {descriptionBoxes(w_), mmBoxes(w_),      inchBoxes(w_),
                                     countBoxes(w_),       perInchBoxes(w_), lengthBoxes(w_)};
  for (int i = 0; i < kWorksheetRows; ++i)
    for (const WorksheetColumn& boxes : columns) texts << boxes[i]->text();
  return texts;
}

QString WorksheetFixture::writeFile(const QString& name, const QByteArray& bytes) {
  const QString path = dir_->filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
  return path;
}

QByteArray WorksheetFixture::readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace orvane
