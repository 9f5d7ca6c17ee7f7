#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "platform/announcer.h"
#include "widget_fixture.h"
#include "widgets/spoken_boxes.h"

using namespace orvane;

// What a window's boxes tell the rule: the focus inside a box made of parts
// counts as in the box, and a box its window hides is hidden even while the
// window itself is not on screen.
class SpokenBoxesTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init();
  void cleanup() {
    window_.reset();
    announceWithoutScreenReader(false);
  }
  void focusInsideACompositeBoxIsNotRepeated();
  void aBoxHiddenInItsWindowIsNotSpoken();

 private:
  QStringList notices() const {
    QCoreApplication::processEvents();
    QStringList texts;
    for (QWidget* notice : window_->findChildren<QWidget*>(QStringLiteral("spokenNotice")))
      if (notice->isVisible()) texts << notice->accessibleName();
    return texts;
  }

  std::unique_ptr<QWidget> window_;
  QLineEdit* grams_ = nullptr;
  QComboBox* metal_ = nullptr;
  QLineEdit* blank_ = nullptr;
  QWidget* size_ = nullptr;  // a box made of parts: the focus goes to its edit line
  QLineEdit* sizeEdit_ = nullptr;
};

void SpokenBoxesTest::init() {
  announceWithoutScreenReader(true);
  window_ = std::make_unique<QWidget>();
  auto* column = new QVBoxLayout(window_.get());
  grams_ = new QLineEdit(window_.get());
  grams_->setAccessibleName(QStringLiteral("Grams"));
  metal_ = new QComboBox(window_.get());
  metal_->setEditable(true);
  metal_->setAccessibleName(QStringLiteral("Metal"));
  blank_ = new QLineEdit(window_.get());
  blank_->setAccessibleName(QStringLiteral("Blank length"));
  size_ = new QWidget(window_.get());
  size_->setAccessibleName(QStringLiteral("Size"));
  sizeEdit_ = new QLineEdit(size_);
  column->addWidget(size_);
  for (QWidget* w :
       {static_cast<QWidget*>(grams_), static_cast<QWidget*>(metal_), static_cast<QWidget*>(blank_)})
    column->addWidget(w);
}

void SpokenBoxesTest::focusInsideACompositeBoxIsNotRepeated() {
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  giveFocusTo(sizeEdit_);
  QCOMPARE(QApplication::focusWidget(), sizeEdit_);
  announceResults(window_.get(), {{size_, BoxText{QStringLiteral("7"), true}},
                                  {grams_, BoxText{QStringLiteral(" 25.90 "), true}}});
  QCOMPARE(notices(), QStringList{QStringLiteral("Grams 25.90")});
}

void SpokenBoxesTest::aBoxHiddenInItsWindowIsNotSpoken() {
  // Hidden before the window shows: not visible either way until then.
  blank_->hide();
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  giveFocusTo(grams_);
  announceResults(window_.get(), {{blank_, BoxText{QStringLiteral("59.13"), true}},
                                  {metal_, BoxText{QStringLiteral("Sterling"), true}}});
  QCOMPARE(notices(), QStringList{QStringLiteral("Metal Sterling")});
}

QTEST_MAIN(SpokenBoxesTest)
#include "tst_spoken_boxes.moc"
