// Hostile input against the whole program: every text box of every window gets
// nasty pasted texts followed by Enter, Tab, Shift+Tab and the window's
// calculating buttons, and the worksheet loads every kind of broken file. The
// program must answer each with a clear message or a sound result: no crash,
// no hang, no modal dialog of its own, no "nan", "inf" or negative count.
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

#include "app/help_window.h"
#include "app/main_window.h"
#include "desk_calculator/calculator_pad.h"
#include "desk_calculator/calculator_window.h"
#include "find_child.h"
#include "measures/fractions_window.h"
#include "widget_fixture.h"
#include "widgets/color_tab_widget.h"
#include "widgets/entry_box.h"
#include "worksheet/worksheet_window.h"
#include "worksheet_fixture.h"

using namespace orvane;

namespace {

// A hang cannot be caught from the thread that hangs: a watchdog thread ends
// the whole test with the name of the step that did not finish.
class HangWatch {
 public:
  explicit HangWatch(std::chrono::seconds limit) : limit_(limit), thread_([this] { run(); }) {}
  ~HangWatch() {
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
  }
  void noteStep(const QString& what) {
    std::lock_guard lock(mutex_);
    what_ = what.left(200).toStdString();
    started_ = std::chrono::steady_clock::now();
  }

 private:
  void run() {
    std::unique_lock lock(mutex_);
    while (!stop_) {
      wake_.wait_for(lock, std::chrono::milliseconds(250));
      if (!stop_ && !what_.empty() && std::chrono::steady_clock::now() - started_ > limit_) {
        std::fprintf(stderr, "FAIL! hung for more than %lld s in: %s\n",
                     static_cast<long long>(limit_.count()), what_.c_str());
        std::fflush(stderr);
        std::_Exit(3);
      }
    }
  }

  std::chrono::seconds limit_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  std::string what_;
  std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
  std::thread thread_;
};

// Long texts are named by their length, control characters made visible.
QString onTabShown(const QString& text) {
  QString out;
  for (QChar c : text.left(40)) {
    if (c.unicode() < 32)
      out += QStringLiteral("\\x%1").arg(int(c.unicode()), 2, 16, QChar(u'0'));
    else
      out += c;
  }
  if (text.size() > 40) out += QStringLiteral("... (%1 characters)").arg(text.size());
  return u'"' + out + u'"';
}

// The texts the program itself shows in a box; anything else (a library's
// exception text, say) is no clear message for a user.
bool isProgramMessage(const RecordedMessage& m) {
  static const QRegularExpression known(
      QStringLiteral("^(?:'.*' is not a valid (?:floating point|integer) value\\."
                     "|Floating point division by zero\\.|Invalid floating point operation\\."
                     "|Floating point overflow\\.|Integer overflow\\."
                     "|Too many stones to count for this area\\."
                     "|'.*' is below zero: a (?:size or length|weight) cannot be negative\\."
                     "|Cannot convert Fraction to Decimal\\."
                     "|File not found\\.|Invalid filename\\.|Too many open files\\.|File access denied\\."
                     "|Disk full\\.|I/O error \\d+\\."
                     "|Cannot (?:save the worksheet to|load the worksheet) .+: .+\\."
                     "|Some texts in .+ are longer than a box can hold; .+"
                     "|Error: .+|Success:  Bead Worksheet Saved\\.)$"),
      QRegularExpression::DotMatchesEverythingOption);
  return known.match(m.text).hasMatch();
}

QStringList messageProblems(const QList<RecordedMessage>& messages, qsizetype from) {
  QStringList problems;
  for (qsizetype i = from; i < messages.size(); ++i) {
    const RecordedMessage& m = messages[i];
    if (m.caption.trimmed().isEmpty() || m.text.trimmed().isEmpty())
      problems
          << QStringLiteral("a message without caption or text (%1: %2)").arg(m.caption, onTabShown(m.text));
    else if (!isProgramMessage(m))
      problems << QStringLiteral("an unclear message %1: %2").arg(m.caption, onTabShown(m.text));
  }
  return problems;
}

bool showsNonNumber(const QString& text) {
  static const QRegularExpression nonNumber(QStringLiteral("(?<![A-Za-z])(?:nan|inf|infinity)(?![A-Za-z])"),
                                            QRegularExpression::CaseInsensitiveOption);
  return nonNumber.match(text).hasMatch();
}

QString boxName(const QWidget* box) {
  if (!box->accessibleName().isEmpty()) return box->accessibleName();
  if (!box->objectName().isEmpty()) return box->objectName();
  return QString::fromLatin1(box->metaObject()->className());
}

// Counts of beads or stones: a negative one is a wrong answer, never a size
// the user may have meant.
bool isCountBox(const QWidget* box) {
  static const QRegularExpression count(QStringLiteral("count|number of|beads needed|stones|^beads$"),
                                        QRegularExpression::CaseInsensitiveOption);
  return count.match(box->accessibleName()).hasMatch();
}

// Every text a window shows in its boxes, lists and labels.
QStringList resultProblems(QWidget* window, const QWidget* typedInto) {
  QStringList problems;
  for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
    const QWidget* named = qobject_cast<QComboBox*>(box->parentWidget()) ? box->parentWidget() : box;
    if (showsNonNumber(box->text()))
      problems << QStringLiteral("%1 shows %2").arg(boxName(named), onTabShown(box->text()));
    // A read-only box holds a result: sizes, lengths and counts are never
    // below zero.
    const bool result = box->isReadOnly() || (named != typedInto && isCountBox(named));
    if (result && box->text().trimmed().startsWith(u'-'))
      problems
          << QStringLiteral("%1 shows the negative result %2").arg(boxName(named), onTabShown(box->text()));
  }
  for (QLabel* label : window->findChildren<QLabel*>())
    if (showsNonNumber(label->text()))
      problems << QStringLiteral("label shows %1").arg(onTabShown(label->text()));
  for (CalculatorPad* calc : window->findChildren<CalculatorPad*>())
    if (showsNonNumber(calc->shownText()))
      problems << QStringLiteral("calculator shows %1").arg(onTabShown(calc->shownText()));
  return problems;
}

// One place a user can type: a window, the page it is on, the box.
struct Target {
  QString name;
  QWidget* window;
  int page;  // main window page, -1 elsewhere
  QWidget* box;
};

QList<QWidget*> typedBoxes(QWidget* window) {
  QList<QWidget*> boxes;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window) || !w->isEnabled()) continue;
    if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->isEditable()) boxes << combo;
    if (auto* edit = qobject_cast<QLineEdit*>(w);
        edit && !edit->isReadOnly() && !qobject_cast<QComboBox*>(edit->parentWidget()))
      boxes << edit;
  }
  return boxes;
}

void showPage(MainWindow* main, int page) {
  if (page >= 0 && findNamed<ColorTabWidget>(main, "pages")->activePageIndex() != page) {
    findNamed<ColorTabWidget>(main, "pages")->setActivePageIndex(page);
    QApplication::processEvents();
  }
}

QList<Target> targetsOf(TestApp& t) {
  QList<Target> targets;
  QSet<QWidget*> seen;
  MainWindow* main = t.app->mainWindow();
  main->show();
  for (int page = 0; page < findNamed<ColorTabWidget>(main, "pages")->pageCount(); ++page) {
    showPage(main, page);
    for (QWidget* box : typedBoxes(main)) {
      if (seen.contains(box)) continue;
      seen.insert(box);
      targets.append(
          {findNamed<ColorTabWidget>(main, "pages")->caption(page) + u'/' + boxName(box), main, page, box});
    }
  }
  showPage(main, 0);
  for (QWidget* window :
       {static_cast<QWidget*>(t.app->fractionsWindow()), static_cast<QWidget*>(t.app->worksheetWindow()),
        static_cast<QWidget*>(t.app->helpWindow())}) {
    window->show();
    QApplication::processEvents();
    for (QWidget* box : typedBoxes(window))
      targets.append({window->windowTitle() + u'/' + boxName(box), window, -1, box});
    window->hide();
  }
  return targets;
}

// The buttons that work something out in the window the box is in. Buttons
// that end the program, close the window or only show another window are
// left out, as are the clearing buttons (they would wipe the sound values the
// other boxes hold) and the invisible buttons that Enter and Tab already click.
QList<QAbstractButton*> calculatingButtons(TestApp& t, QWidget* window) {
  MainWindow* main = t.app->mainWindow();
  WorksheetWindow* sheet = t.app->worksheetWindow();
  const QList<const QAbstractButton*> notCalculating = {
      findNamed<QPushButton>(main, "exitButton"),
      findNamed<QPushButton>(main, "calculatorButton"),
      findNamed<QPushButton>(main, "helpButton"),
      findNamed<QPushButton>(main, "fractionsButton"),
      findNamed<QPushButton>(main, "worksheetButton"),
      closeButton(sheet),
      calculatorButton(sheet),
      helpButton(sheet),
      clearButton(sheet),
      recentButton(sheet),  // pops up a menu that waits
      findNamed<QPushButton>(t.app->fractionsWindow(), "closeButton"),
      findNamed<QPushButton>(t.app->helpWindow(), "closeButton")};
  QList<QAbstractButton*> buttons;
  for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
    if (!b->isVisibleTo(window) || !b->isEnabled() || notCalculating.contains(b)) continue;
    const bool clears = b->text().contains(QStringLiteral("Clear")) ||
                        b->accessibleName().contains(QStringLiteral("Clear"), Qt::CaseInsensitive) ||
                        b->toolTip().contains(QStringLiteral("Clear"), Qt::CaseInsensitive);
    if (!clears) buttons << b;
  }
  return buttons;
}

void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers, QWidget* fallback) {
  QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : fallback;
  QTest::keyClick(target, key, modifiers);
}

QLineEdit* editOf(QWidget* box) {
  if (auto* combo = qobject_cast<QComboBox*>(box)) return combo->lineEdit();
  return qobject_cast<QLineEdit*>(box);
}

// A sound value typed the way a user types it, so that the nasty text in one
// box meets a calculation that would otherwise work. The designation lists
// take no typing.
void typeSoundValue(QWidget* box) {
  if (qobject_cast<QComboBox*>(box)) return;
  giveFocusTo(box);
  editOf(box)->selectAll();
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("4"));
  pressKey(Qt::Key_Tab, Qt::NoModifier, box);
}

// The worksheet's boxes, typed and computed, in one list to compare.
QStringList sheetTexts(WorksheetWindow* sheet) {
  QStringList texts{projectBox(sheet)->text(), totalBox(sheet)->text()};
  for (int i = 0; i < kWorksheetRows; ++i)
    texts << descriptionBoxes(sheet)[i]->text() << mmBoxes(sheet)[i]->text() << inchBoxes(sheet)[i]->text()
          << countBoxes(sheet)[i]->text() << perInchBoxes(sheet)[i]->text() << lengthBoxes(sheet)[i]->text();
  return texts;
}

// Faults this suite has found and that are still open, by box and text; each
// row stays visible as an expected failure until it is mended.
struct KnownFault {
  const char* box;   // regular expression on the target's name
  const char* text;  // data row tag
  const char* reason;
};
const std::vector<KnownFault> kKnownFaults = {};

const char* knownFaultReason(const QString& target, const char* row) {
  for (const KnownFault& f : kKnownFaults) {
    if (qstrcmp(f.text, row) == 0 && QRegularExpression(QString::fromLatin1(f.box)).match(target).hasMatch())
      return f.reason;
  }
  return nullptr;
}

}  // namespace

class RobustnessTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void cleanup() { QVERIFY2(!guard_.tripped(), qPrintable(guard_.seen())); }
  void pastedTextInEveryBox_data();
  void pastedTextInEveryBox();
  void pastedTextInCalculator_data() { pastedTextInEveryBox_data(); }
  void pastedTextInCalculator();
  void brokenWorksheetFiles_data();
  void brokenWorksheetFiles();
  void longPastedNumberAnswersAtOnce();

 private:
  ModalDialogGuard guard_;
};

void RobustnessTest::pastedTextInEveryBox_data() {
  QTest::addColumn<QString>("text");
  QString digits;
  while (digits.size() < 10000) digits += QStringLiteral("1234567890");
  QTest::newRow("empty") << QString();
  QTest::newRow("blanks") << QStringLiteral("   ");
  QTest::newRow("zero") << QStringLiteral("0");
  QTest::newRow("two points") << QStringLiteral("1.2.3");
  QTest::newRow("points only") << QStringLiteral("..");
  QTest::newRow("one over zero") << QStringLiteral("1/0");
  QTest::newRow("zero over zero") << QStringLiteral("0/0");
  QTest::newRow("lone slash") << QStringLiteral("/");
  QTest::newRow("blank after slash") << QStringLiteral("1 1/ 2");
  QTest::newRow("negative") << QStringLiteral("-5");
  QTest::newRow("beyond float") << QStringLiteral("1e4000");
  QTest::newRow("large") << QStringLiteral("1E30");
  QTest::newRow("below float") << QStringLiteral("1e-50");
  QTest::newRow("twenty digits") << QStringLiteral("99999999999999999999");
  QTest::newRow("ten thousand digits") << digits;
  QTest::newRow("tab cr lf") << QStringLiteral("1\t2\r3\n4");
  QTest::newRow("arabic-indic digits") << QStringLiteral("\u0661\u0662.\u0663");
  QTest::newRow("latin letter") << QStringLiteral("\u0141");
  QTest::newRow("emoji") << QStringLiteral("\U0001F48E");
  QTest::newRow("nul") << QString(QStringLiteral("4\u00002"));
}

void RobustnessTest::pastedTextInEveryBox() {
  QFETCH(QString, text);
  TestApp t;
  HangWatch watch(std::chrono::seconds(30));
  const QList<Target> targets = targetsOf(t);
  QVERIFY2(targets.size() > 20, "the windows' boxes were not found");

  for (const Target& target : targets) {
    watch.noteStep(QStringLiteral("filling ") + target.name);
    if (target.page >= 0) showPage(t.app->mainWindow(), target.page);
    typeSoundValue(target.box);
  }

  QStringList unexpected;
  for (const Target& target : targets) {
    watch.noteStep(target.name + QStringLiteral(" with ") + onTabShown(text));
    const qsizetype firstMessage = t.services.messages.size();
    QStringList problems;

    if (target.page >= 0) showPage(t.app->mainWindow(), target.page);
    giveFocusTo(target.box);
    QLineEdit* edit = editOf(target.box);
    QGuiApplication::clipboard()->setText(text);
    t.services.clipboard = text;
    edit->selectAll();
    pressKey(Qt::Key_V, Qt::ControlModifier, target.box);
    // Boxes whose filter refuses Ctrl+V still take Shift+Insert.
    const int limit = edit->maxLength();
    if (edit->text() != text.left(limit)) {
      giveFocusTo(target.box);
      edit->selectAll();
      pressKey(Qt::Key_Insert, Qt::ShiftModifier, target.box);
    }
    // A paste that never arrives would make this whole test vacuous.
    if (edit->text() != text.left(limit)) problems << QStringLiteral("the pasted text did not arrive");
    pressKey(Qt::Key_Return, Qt::NoModifier, target.box);
    giveFocusTo(target.box);
    pressKey(Qt::Key_Tab, Qt::NoModifier, target.box);
    pressKey(Qt::Key_Backtab, Qt::ShiftModifier, target.box);
    QApplication::processEvents();
    problems << resultProblems(target.window, target.box);

    if (target.page >= 0) showPage(t.app->mainWindow(), target.page);
    for (QAbstractButton* button : calculatingButtons(t, target.window)) {
      if (!button->isVisible()) continue;
      QTest::mouseClick(button, Qt::LeftButton);
      QApplication::processEvents();
      for (const QString& p : resultProblems(target.window, target.box))
        problems << QStringLiteral("after %1: %2").arg(boxName(button), p);
    }
    problems << messageProblems(t.services.messages, firstMessage);
    problems.removeDuplicates();

    if (target.page >= 0) showPage(t.app->mainWindow(), target.page);
    typeSoundValue(target.box);

    const QString report = target.name + QStringLiteral(": ") + problems.join(QStringLiteral("; "));
    if (const char* reason = knownFaultReason(target.name, QTest::currentDataTag())) {
      QEXPECT_FAIL("", reason, Continue);
      QVERIFY2(problems.isEmpty(), qPrintable(report));
    } else if (!problems.isEmpty()) {
      unexpected << report;
    }
  }
  // One line per box: a joined report would be cut short by the test log.
  for (const QString& line : unexpected) qWarning("%s", qPrintable(line));
  QVERIFY2(unexpected.isEmpty(),
           qPrintable(QStringLiteral("%1 boxes went wrong, listed above").arg(unexpected.size())));
}

// "0." and 100,000 digits pasted, then Enter: every box of the main and
// fractions windows and the calculator answer within a second (far more than
// the work takes). The worksheet's boxes have tests of their own.
void RobustnessTest::longPastedNumberAnswersAtOnce() {
  TestApp t;
  HangWatch watch(std::chrono::seconds(60));
  const QString text = QStringLiteral("0.") + QString(100000, u'7');
  QGuiApplication::clipboard()->setText(text);
  t.services.clipboard = text;
  QStringList slow;
  auto timed = [&](const QString& name, QWidget* box, QWidget* window) {
    watch.noteStep(QStringLiteral("long paste into ") + name);
    QElapsedTimer timer;
    timer.start();
    pressKey(Qt::Key_V, Qt::ControlModifier, box);
    pressKey(Qt::Key_Return, Qt::NoModifier, box);
    // The answer counts once it is painted.
    window->repaint();
    QApplication::processEvents();
    if (timer.elapsed() >= 1000) slow << QStringLiteral("%1: %2 ms").arg(name).arg(timer.elapsed());
  };
  for (const Target& target : targetsOf(t)) {
    if (target.window == t.app->worksheetWindow()) continue;
    if (target.page >= 0) showPage(t.app->mainWindow(), target.page);
    target.window->show();
    giveFocusTo(target.box);
    editOf(target.box)->selectAll();
    timed(target.name, target.box, target.window);
    QVERIFY2(editOf(target.box)->text() == text.left(editOf(target.box)->maxLength()) ||
                 qobject_cast<QComboBox*>(target.box),
             qPrintable(target.name + QStringLiteral(": the pasted text did not arrive")));
  }
  CalculatorWindow* calculator = t.app->calculatorWindow();
  calculator->show();
  auto* pad = calculator->findChild<CalculatorPad*>(QStringLiteral("calculatorPad"));
  giveFocusTo(pad);
  timed(QStringLiteral("calculator"), pad, calculator);
  QCOMPARE(pad->shownText(), QStringLiteral("0.777777777777778 "));
  QVERIFY2(slow.isEmpty(), qPrintable(slow.join(QStringLiteral("; "))));
}

// The calculator has no text box: it takes pasted text through Ctrl+V and is
// worked by its own keypad.
void RobustnessTest::pastedTextInCalculator() {
  QFETCH(QString, text);
  TestApp t;
  HangWatch watch(std::chrono::seconds(30));
  CalculatorWindow* window = t.app->calculatorWindow();
  CalculatorPad* calc = window->findChild<CalculatorPad*>(QStringLiteral("calculatorPad"));
  giveFocusTo(calc);
  t.services.clipboard = text;
  QGuiApplication::clipboard()->setText(text);
  watch.noteStep(QStringLiteral("calculator paste of ") + onTabShown(text));
  QTest::keyClick(calc, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(calc, Qt::Key_Return);
  QStringList problems = resultProblems(window, nullptr);

  // Every key once after the pasted value, the clearing ones last, and the
  // whole round twice so the pasted value meets each operation.
  QList<CalculatorKey> keys;
  for (int b = keyIndex(CalculatorKey::Add); b < kCalculatorKeyCount; ++b) keys << CalculatorKey(b);
  keys << CalculatorKey::Back << CalculatorKey::ClearEntry << CalculatorKey::Clear;
  for (int round = 0; round < 2; ++round) {
    t.services.clipboard = text;
    QTest::keyClick(calc, Qt::Key_V, Qt::ControlModifier);
    for (CalculatorKey b : keys) {
      const CalculatorPad::ButtonInfo& info = calc->buttonFor(b);
      if (!info.visible) continue;
      watch.noteStep(QStringLiteral("calculator key %1 after %2").arg(info.caption, onTabShown(text)));
      QTest::mouseClick(calc, Qt::LeftButton, Qt::NoModifier, info.rect.center());
      for (const QString& p : resultProblems(window, nullptr))
        problems << QStringLiteral("after %1: %2").arg(info.caption, p);
    }
  }
  problems << messageProblems(t.services.messages, 0);
  problems.removeDuplicates();
  QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void RobustnessTest::brokenWorksheetFiles_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QString>("kind");     // file, directory, unreadable, missing
  QTest::addColumn<QString>("outcome");  // loads, refused, either

  QByteArray garbage(4096, '\0');
  QRandomGenerator random(20261210);
  for (char& c : garbage) c = char(random.bounded(256));
  // Under the file limit, far over what a box holds.
  QByteArray big(3 * 1024 * 1024, 'A');
  QByteArray manyLines = "Many lines\r\n";
  for (int k = 1; k <= 1000; ++k)
    manyLines += QByteArray::number(k) + "\tRow\t4\t\t" + QByteArray::number(k) + "\r\n";

  QTest::newRow("empty file") << QByteArray() << "file"
                              << "loads";
  QTest::newRow("binary garbage") << garbage << "file"
                                  << "either";
  QTest::newRow("3 MB on one line") << big << "file"
                                    << "loads";
  QTest::newRow("5 MB, over the limit") << QByteArray(5 * 1024 * 1024, 'A') << "file"
                                        << "refused";
  QTest::newRow("1000 lines") << manyLines << "file"
                              << "loads";
  QTest::newRow("Ctrl-Z early") << QByteArray(
                                       "Stopped\r\n1\tA\t4\t\t36\r\n\x1a"
                                       "2\tB\t5\t\t10\r\n")
                                << "file"
                                << "loads";
  QTest::newRow("CR only") << QByteArray("Mac\r1\tA\t4\t\t36\r2\tB\t\t1/8\t24\r") << "file"
                           << "loads";
  QTest::newRow("LF only") << QByteArray("Unix\n1\tA\t4\t\t36\n2\tB\t5\t\t10\n") << "file"
                           << "loads";
  QTest::newRow("undefined code page bytes")
      << QByteArray("Bytes \x81\x8d\r\n1\t\x81\x8d\t4\t\t36\r\n") << "file"
      << "loads";
  // A letter in a fraction is reported, and the rest of the file still loads.
  QTest::newRow("letter in a fraction")
      << QByteArray("Frac\r\n1\tA\t\t1/8x\t36\r\n2\tB\t4\t\t10\r\n") << "file"
      << "loads";
  // Faults in the third line load as the window would hold them: a count it
  // cannot read counts no beads, a size it cannot read is reported.
  QTest::newRow("bad count") << QByteArray("Bad\r\n1\tA\t4\t\t36\r\n2\tB\t5\t\t1x\r\n") << "file"
                             << "loads";
  QTest::newRow("size beyond float") << QByteArray("Big\r\n1\tA\t4\t\t36\r\n2\tB\t1e4000\t\t10\r\n") << "file"
                                     << "loads";
  QTest::newRow("count beyond integer")
      << QByteArray("Many\r\n1\tA\t4\t\t36\r\n2\tB\t5\t\t99999999999\r\n") << "file"
      << "loads";
  QTest::newRow("directory") << QByteArray() << "directory"
                             << "refused";
  QTest::newRow("unreadable") << QByteArray("Secret\r\n") << "unreadable"
                              << "refused";
  QTest::newRow("missing") << QByteArray() << "missing"
                           << "refused";
}

void RobustnessTest::brokenWorksheetFiles() {
  QFETCH(QByteArray, bytes);
  QFETCH(QString, kind);
  QFETCH(QString, outcome);
  if (kind == QLatin1String("unreadable") && geteuid() == 0) QSKIP("root reads a file without permissions");

  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  TestApp t;
  HangWatch watch(std::chrono::seconds(30));
  WorksheetWindow* sheet = t.app->worksheetWindow();
  sheet->show();

  // A worksheet the user has worked on: a failed load must leave it so.
  const QString good = dir.filePath(QStringLiteral("good.bws"));
  {
    QFile f(good);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Before\r\n1\tFirst\t4\t\t36\r\n2\tSecond\t\t1/8\t24\r\n");
  }
  t.services.openAnswers.push_back(good);
  loadButton(sheet)->click();
  QCOMPARE(projectBox(sheet)->text(), QStringLiteral("Before"));
  QVERIFY(!totalBox(sheet)->text().isEmpty());
  const QStringList before = sheetTexts(sheet);
  t.services.messages.clear();

  QString path = dir.filePath(QStringLiteral("chosen.bws"));
  if (kind == QLatin1String("directory")) {
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.bws")));
    path = dir.filePath(QStringLiteral("folder.bws"));
  } else if (kind != QLatin1String("missing")) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
    f.close();
    if (kind == QLatin1String("unreadable")) QVERIFY(f.setPermissions(QFileDevice::Permissions()));
  }

  watch.noteStep(QStringLiteral("loading ") + QString::fromLatin1(QTest::currentDataTag()));
  QElapsedTimer clock;
  clock.start();
  t.services.openAnswers.push_back(path);
  QTest::mouseClick(loadButton(sheet), Qt::LeftButton);
  QApplication::processEvents();
  if (kind == QLatin1String("unreadable"))
    QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);

  QVERIFY2(clock.elapsed() < 10000, qPrintable(QStringLiteral("loading took %1 ms").arg(clock.elapsed())));
  QStringList problems = messageProblems(t.services.messages, 0);
  problems << resultProblems(sheet, nullptr);
  QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));

  // A load either failed with a message and changed nothing, or it took the
  // file; a row's own message (a size that cannot be read) and the notice of
  // texts cut to fit a box do not stop a load.
  bool failed = false;
  for (const RecordedMessage& m : t.services.messages) {
    if (!m.text.startsWith(QLatin1String("Error: Bead Worksheet not Loaded.")) &&
        !m.text.startsWith(QLatin1String("Cannot load the worksheet ")))
      continue;
    failed = true;
    QCOMPARE(m.icon, MessageIcon::Error);
    if (m.text.startsWith(QLatin1String("Error: Bead Worksheet not Loaded.")))
      QVERIFY2(m.text.contains(path), qPrintable(m.text));
  }
  if (failed) {
    QCOMPARE(sheetTexts(sheet), before);
  } else {
    QVERIFY2(sheetTexts(sheet) != before, "a load without a message left the old worksheet");
  }
  if (outcome == QLatin1String("loads")) QVERIFY2(!failed, qPrintable(t.services.messages.value(0).text));
  if (outcome == QLatin1String("refused"))
    QVERIFY2(failed, "a file that cannot be a worksheet loaded without a message");

  // What the sound loads hold.
  const QByteArray tag = QTest::currentDataTag();
  if (tag == "3 MB on one line") {
    // Cut to what a box holds: megabytes in a box make every key take seconds.
    QCOMPARE(projectBox(sheet)->text(), QString(kBoxCapacity, u'A'));
    QCOMPARE(t.services.messages.size(), 1);
    QCOMPARE(t.services.messages[0].icon, MessageIcon::Warning);
  } else if (tag == "bad count" || tag == "count beyond integer") {
    QCOMPARE(descriptionBoxes(sheet)[1]->text(), QStringLiteral("B"));
    QCOMPARE(perInchBoxes(sheet)[1]->text(), QStringLiteral("5.08"));
    QCOMPARE(lengthBoxes(sheet)[1]->text(), QString());
    QCOMPARE(totalBox(sheet)->text(), QStringLiteral("5.67"));
  } else if (tag == "size beyond float") {
    QCOMPARE(t.services.messages.size(), 1);
    QCOMPARE(mmBoxes(sheet)[1]->text(), QStringLiteral("1e4000"));
    QCOMPARE(perInchBoxes(sheet)[1]->text(), QString());
    QCOMPARE(totalBox(sheet)->text(), QStringLiteral("5.67"));
  } else if (tag == "1000 lines") {
    QCOMPARE(projectBox(sheet)->text(), QStringLiteral("Many lines"));
    QCOMPARE(countBoxes(sheet)[9]->text(), QStringLiteral("10"));
  } else if (tag == "Ctrl-Z early") {
    QCOMPARE(descriptionBoxes(sheet)[0]->text(), QStringLiteral("A"));
    QCOMPARE(descriptionBoxes(sheet)[1]->text(), QString());
    QCOMPARE(countBoxes(sheet)[1]->text(), QString());
  } else if (tag == "CR only") {
    QCOMPARE(projectBox(sheet)->text(), QStringLiteral("Mac"));
    QCOMPARE(inchBoxes(sheet)[1]->text(), QStringLiteral("1/8"));
    QCOMPARE(lengthBoxes(sheet)[1]->text(), QStringLiteral("3.00"));
  } else if (tag == "LF only") {
    QVERIFY(projectBox(sheet)->text().startsWith(QLatin1String("Unix\n1\tA")));
    for (int i = 0; i < kWorksheetRows; ++i) QCOMPARE(descriptionBoxes(sheet)[i]->text(), QString());
    QCOMPARE(totalBox(sheet)->text(), QStringLiteral("0.00"));
  } else if (tag == "empty file") {
    const WorksheetText typed = sheet->typedText();
    QCOMPARE(typed.Project, QString());
    for (const WorksheetRowText& row : typed.Rows)
      QCOMPARE(row.Desc + row.Mm + row.Inch + row.BeadCount, QString());
  } else if (tag == "letter in a fraction") {
    QVERIFY(!t.services.messages.isEmpty());
    QCOMPARE(descriptionBoxes(sheet)[1]->text(), QStringLiteral("B"));
    QCOMPARE(lengthBoxes(sheet)[1]->text(), QStringLiteral("1.57"));
  } else if (tag == "undefined code page bytes") {
    QCOMPARE(descriptionBoxes(sheet)[0]->text().size(), 2);
    QCOMPARE(countBoxes(sheet)[0]->text(), QStringLiteral("36"));
  }
}

QTEST_MAIN(RobustnessTest)
#include "tst_robustness.moc"
