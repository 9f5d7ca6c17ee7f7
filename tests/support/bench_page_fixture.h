#pragma once

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QStringList>
#include <QTest>
#include <memory>

#include "find_child.h"
#include "platform/error_boundary.h"
#include "widget_fixture.h"
#include "widgets/entry_box.h"

namespace orvane {

// What the screen reader has been told in `window` since the last call, in
// order: the texts of the notices shown there, which go with it. Needs
// QAccessible::setActive(true) first, as with a screen reader listening.
inline QStringList takeNotices(QWidget* window) {
  QCoreApplication::processEvents();  // a notice shows once its step is over
  QStringList texts;
  for (QWidget* notice : window->findChildren<QWidget*>(QStringLiteral("spokenNotice"))) {
    if (notice->isVisible()) texts << notice->accessibleName();
    notice->hide();
    notice->deleteLater();
  }
  return texts;
}

// As a user's pick, which reports itself; a program's change does not.
inline void pick(QComboBox* combo, int index) {
  combo->setCurrentIndex(index);
  Q_EMIT combo->activated(index);
}

// Into the box, over what it held, key by key; then Enter.
inline void typeInto(EntryBox* box, const QString& text) {
  giveFocusTo(box);
  box->selectAll();
  typeText(box, text);
  QTest::keyClick(box, Qt::Key_Return);
}

// The accessible names of the controls the Tab key visits from `first`, as
// many as `stops`, as a keyboard user meets them; shorter when the focus is
// lost on the way.
inline QStringList tabOrderFrom(QWidget* first, qsizetype stops) {
  giveFocusTo(first);
  QStringList visited;
  for (qsizetype i = 0; i < stops; ++i) {
    QWidget* w = QApplication::focusWidget();
    if (!w) break;
    visited << w->accessibleName();
    QTest::keyClick(w, Qt::Key_Tab);
  }
  return visited;
}

// One Bench page shown on its own with the recording services and the guard
// against modal dialogs.
template <typename Page>
class BenchPageFixture {
 protected:
  void openPage() {
    services_.reset();
    setErrorServices(&services_);
    guard_ = std::make_unique<ModalDialogGuard>();
    page_ = std::make_unique<Page>(services_);
    page_->show();
    QVERIFY(QTest::qWaitForWindowExposed(page_.get()));
  }

  void closePage() {
    QVERIFY2(!guard_->tripped(), qPrintable(guard_->seen()));
    page_.reset();
    guard_.reset();
    setErrorServices(nullptr);
  }

  RecordingServices services_;
  std::unique_ptr<ModalDialogGuard> guard_;
  std::unique_ptr<Page> page_;
};

}  // namespace orvane
