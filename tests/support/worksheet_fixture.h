#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <array>
#include <memory>

#include "core/worksheet_rows.h"
#include "widget_fixture.h"

class QPushButton;

namespace orvane {

class EntryBox;
class WorksheetWindow;

// The worksheet window's children, found by their object names; a name that
// is missing stops the test with that name.
using WorksheetColumn = std::array<EntryBox*, kWorksheetRows>;
EntryBox* projectBox(const QWidget* sheet);
EntryBox* totalBox(const QWidget* sheet);
WorksheetColumn descriptionBoxes(const QWidget* sheet);
WorksheetColumn mmBoxes(const QWidget* sheet);
WorksheetColumn inchBoxes(const QWidget* sheet);
WorksheetColumn countBoxes(const QWidget* sheet);
WorksheetColumn perInchBoxes(const QWidget* sheet);
WorksheetColumn lengthBoxes(const QWidget* sheet);
QPushButton* loadButton(const QWidget* sheet);
QPushButton* saveButton(const QWidget* sheet);
QPushButton* printButton(const QWidget* sheet);
QPushButton* calculatorButton(const QWidget* sheet);
QPushButton* helpButton(const QWidget* sheet);
QPushButton* clearButton(const QWidget* sheet);
QPushButton* recentButton(const QWidget* sheet);
QPushButton* closeButton(const QWidget* sheet);

// The whole program built offscreen with recording services, its worksheet
// window, a folder of its own for the files a test writes, and the guard
// against modal dialogs. A test class derives from it and calls
// openWorksheet() in init() and closeWorksheet() in cleanup().
class WorksheetFixture {
 protected:
  void openWorksheet();
  void closeWorksheet();

  // Types into a box key by key as a user does (focusing it first), then
  // leaves it with `leaveWith`.
  void type(EntryBox* box, const QString& text, Qt::Key leaveWith = Qt::Key_Return);
  // Project, total, then each row's six boxes: every text the window shows.
  QStringList allTexts() const;
  // A file in the test's folder with these bytes; its path, or empty.
  QString writeFile(const QString& name, const QByteArray& bytes);
  static QByteArray readFile(const QString& path);

  std::unique_ptr<TestApp> t_;
  WorksheetWindow* w_ = nullptr;
  std::unique_ptr<QTemporaryDir> dir_;
  ModalDialogGuard guard_;
};

}  // namespace orvane
