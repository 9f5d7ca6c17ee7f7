#include "worksheet/worksheet_window.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <algorithm>

#include "core/key_filter.h"
#include "core/spoken_results.h"
#include "core/text_rules.h"
#include "core/worksheet_document.h"
#include "platform/announcer.h"
#include "platform/guarded_connect.h"
#include "platform/window_frame.h"
#include "widgets/bevel_panel.h"
#include "widgets/entry_box.h"
#include "widgets/look.h"
#include "worksheet/worksheet_controls.h"
#include "worksheet/worksheet_files.h"
#include "worksheet/worksheet_printing.h"
#include "worksheet/worksheet_rows_panel.h"

namespace orvane {

namespace {

constexpr int kProjectLimit = 50;
constexpr int kWidth = 762, kTopPanelHeight = 46, kButtonBarHeight = 48;
constexpr int kBoxHeight = 23;
// Filling every box sends the screen reader a burst of changes; a notice
// sent within it is dropped. Said once the burst is over.
constexpr int kNoticeAfterBurstMs = 600;

QPushButton* makeButton(QWidget* parent, const QRect& geometry, const QString& caption, const QString& icon,
                        const QString& hint, const char* objectName, const QKeySequence& shortcut = {}) {
  auto* button = makeWorksheetButton(parent, caption);
  button->setObjectName(QLatin1String(objectName));
  button->setGeometry(geometry);
  button->setFont(worksheetFont());
  button->setIcon(resourceIcon(icon, 20));
  button->setIconSize(QSize(20, 20));
  const QString name = caption.isEmpty() ? hint : caption;
  makeKeyboardButton(button, name, shortcut);
  button->setAccessibleName(name);
  return button;
}

// A caption longer than its button (a translation, most often) widens the
// button; the buttons after it in the row move along. Close stays at the
// right edge and grows to the left.
void widenToCaptions(const QList<QPushButton*>& row, QPushButton* closeButton) {
  int shift = 0;
  for (QPushButton* button : row) {
    const QRect designed = button->geometry();
    const int width = std::max(designed.width(), button->sizeHint().width());
    button->setGeometry(designed.x() + shift, designed.y(), width, designed.height());
    shift += width - designed.width();
  }
  const QRect close = closeButton->geometry();
  const int width = std::max(close.width(), closeButton->sizeHint().width());
  closeButton->setGeometry(close.right() + 1 - width, close.y(), width, close.height());
}

}  // namespace

WorksheetWindow::WorksheetWindow(DesktopServices& services, QWidget* parent)
    : QWidget(parent), services_(services), printing_(std::make_unique<WorksheetPrinting>(services)) {
  configureFixedWindow(this, worksheetCaption({}), kWidth, 529, false);
  setAttribute(Qt::WA_QuitOnClose, false);
  setBackground(this, systemColor(SysColor::Light3D));
  setFont(worksheetFont());

  // Created in tab order: project, the rows, then the buttons.
  createTopPanel();
  rowsPanel_ = new WorksheetRowsPanel(services_, this);
  rowsPanel_->setGeometry(0, kTopPanelHeight, kWidth, rowsPanel_->neededHeight());
  files_ = new WorksheetFiles(services_, this,
                              {[this] { return typedText(); },
                               [this] {
                                 WorksheetCsv sheet;
                                 sheet.Project = projectBox_->text();
                                 rowsPanel_->fillCsv(sheet);
                                 return sheet;
                               },
                               [this](const WorksheetText& text) { showLoaded(text); }});
  createButtonBar();
  // Taller than designed only where the rows panel needs it.
  setFixedSize(kWidth, kTopPanelHeight + rowsPanel_->height() + kButtonBarHeight);

  // Every typed box takes part in the unsaved mark and the crash recovery.
  guardedConnect(projectBox_, &QLineEdit::textChanged, this, &WorksheetWindow::updateModified);
  guardedConnect(rowsPanel_, &WorksheetRowsPanel::edited, this, &WorksheetWindow::updateModified);
  guardedConnect(files_, &WorksheetFiles::documentChanged, this, [this] {
    setWindowTitle(worksheetCaption(files_->documentPath()));
    updateModified();
  });
  connect(files_, &WorksheetFiles::recentFilesChanged, this, &WorksheetWindow::recentFilesChanged);

  // Ctrl+Z after Clear All brings the rows back, whichever box has the focus.
  auto* undo = new QShortcut(QKeySequence::Undo, this);
  guardedConnect(undo, &QShortcut::activated, this, &WorksheetWindow::undoClear);
  for (EntryBox* box : findChildren<EntryBox*>()) box->installEventFilter(this);
}

WorksheetWindow::~WorksheetWindow() = default;

void WorksheetWindow::createTopPanel() {
  auto* panel = new BevelPanel(this);
  panel->setObjectName(QStringLiteral("projectPanel"));
  panel->setGeometry(0, 0, kWidth, kTopPanelHeight);
  panel->setColor(systemColor(SysColor::Light3D));
  // A caption longer than the English one moves the box along to the right.
  const QString captionText = tr("Project Name");
  const int captionWidth = std::max(100, QFontMetrics(worksheetFont()).horizontalAdvance(captionText) + 2);
  auto* caption = makeWorksheetLabel(panel, captionText, QRect(16, 12, captionWidth, 22),
                                     Qt::AlignLeft | Qt::AlignVCenter);
  projectBox_ = makeWorksheetBox(panel, QRect(22 + captionWidth, 11, 408, kBoxHeight), captionText,
                                 QStringLiteral("projectBox"));
  projectBox_->setMaxLength(kProjectLimit);
  caption->setBuddy(projectBox_);
  // Enter goes on to the first description, as it does from box to box below.
  projectBox_->setKeyFilter(KeyFilterKind::Text, services_);
  guardedConnect(projectBox_, &QLineEdit::textChanged, this,
                 [this] { relaxLimit(projectBox_, kProjectLimit); });
}

void WorksheetWindow::createButtonBar() {
  auto* bar = new BevelPanel(this);
  bar->setObjectName(QStringLiteral("buttonBar"));
  bar->setGeometry(0, rowsPanel_->geometry().bottom() + 1, kWidth, kButtonBarHeight);
  bar->setColor(systemColor(SysColor::Light3D));
  const int top = 9, height = 30;
  auto* loadButton =
      makeButton(bar, QRect(12, top, 84, height), tr("Load"), QStringLiteral(":/icons/ws_folder.svg"), {},
                 "loadButton", QKeySequence(Qt::CTRL | Qt::Key_O));
  auto* saveButton =
      makeButton(bar, QRect(104, top, 84, height), tr("Save"), QStringLiteral(":/icons/ws_disk.svg"), {},
                 "saveButton", QKeySequence(Qt::CTRL | Qt::Key_S));
  auto* printButton =
      makeButton(bar, QRect(196, top, 84, height), tr("Print"), QStringLiteral(":/icons/ws_printer.svg"), {},
                 "printButton", QKeySequence(Qt::CTRL | Qt::Key_P));
  // Not Ctrl+K: a line edit deletes to the end of the line with it.
  auto* calculatorButton =
      makeButton(bar, QRect(300, top, 36, height), {}, QStringLiteral(":/icons/calculator.svg"),
                 tr("Calculator"), "calculatorButton", QKeySequence(Qt::Key_F9));
  auto* helpButton = makeButton(bar, QRect(344, top, 36, height), {}, QStringLiteral(":/icons/help.svg"),
                                tr("Help"), "helpButton", QKeySequence(Qt::Key_F1));
  auto* clearButton = makeButton(bar, QRect(388, top, 36, height), {}, QStringLiteral(":/icons/clear.svg"),
                                 tr("Clear All"), "clearButton");
  //: The button that lists the worksheets loaded or saved last.
  auto* recentButton = makeButton(bar, QRect(432, top, 104, height), tr("Recent"),
                                  QStringLiteral(":/icons/ws_folder.svg"), {}, "recentButton");
  recentButton->setToolTip(tr("Recent Worksheets"));
  recentButton->setAccessibleDescription(tr("Recent Worksheets"));
  auto* recentMenu = new QMenu(recentButton);
  recentButton->setMenu(recentMenu);
  // The open menu shows its entries at once; a screen reader says nothing
  // until an entry is chosen with the arrows.
  guardedConnect(recentMenu, &QMenu::aboutToShow, this, [this] {
    const qsizetype entries = files_->recentFiles().size();
    announce(this, entries == 0 ? tr("Recent worksheets menu, empty")
                                : tr("Recent worksheets menu, %n entries", nullptr, int(entries)));
  });
  files_->setRecentMenu(recentMenu);
  auto* closeButton = makeWorksheetButton(bar, tr("Close"));
  closeButton->setObjectName(QStringLiteral("closeButton"));
  closeButton->setGeometry(664, top, 84, height);
  closeButton->setFont(worksheetFont());
  closeButton->setAccessibleName(tr("Close"));
  // Esc is the window's own shortcut (below), not the button's.
  makeKeyboardButton(closeButton, tr("Close"), QKeySequence(Qt::Key_Escape), false);
  widenToCaptions(
      {loadButton, saveButton, printButton, calculatorButton, helpButton, clearButton, recentButton},
      closeButton);

  guardedConnect(loadButton, &QAbstractButton::clicked, this, [this] { files_->load(); });
  guardedConnect(saveButton, &QAbstractButton::clicked, this, [this] { files_->save(); });
  guardedConnect(printButton, &QAbstractButton::clicked, this, [this] {
    printing_->print(this, [this](const QString& name) { return reportValue(name); });
  });
  guardedConnect(calculatorButton, &QAbstractButton::clicked, this, [this] { Q_EMIT calculatorWanted(); });
  guardedConnect(helpButton, &QAbstractButton::clicked, this, [this] { Q_EMIT helpWanted(); });
  guardedConnect(clearButton, &QAbstractButton::clicked, this, &WorksheetWindow::clearAll);
  guardedConnect(closeButton, &QAbstractButton::clicked, this, [this] { close(); });

  // The Close button is the window's cancel button.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, closeButton, &QPushButton::click);
}

// While Clear All can be undone, Ctrl+Z in a box is the window's: a box's
// own undo would only bring back its own text.
bool WorksheetWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && cleared_ &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Undo)) {
    event->ignore();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void WorksheetWindow::setWorksheetFolder(const QString& folder) { files_->setWorksheetFolder(folder); }

QString WorksheetWindow::lastWorksheetFile() const { return files_->lastWorksheetFile(); }

void WorksheetWindow::loadFile(const QString& path) { files_->loadFile(path); }

QStringList WorksheetWindow::recentFiles() const { return files_->recentFiles(); }

void WorksheetWindow::setRecentFiles(const QStringList& files) { files_->setRecentFiles(files); }

void WorksheetWindow::openRecentFile(const QString& path) { files_->openRecentFile(path); }

QString WorksheetWindow::documentPath() const { return files_->documentPath(); }

bool WorksheetWindow::mayReplaceRows() { return files_->mayReplaceRows(); }

const std::array<WorksheetRowValues, kWorksheetRows>& WorksheetWindow::rowValues() const {
  return rowsPanel_->rowValues();
}

double WorksheetWindow::totalLength() const { return rowsPanel_->totalLength(); }

WorksheetText WorksheetWindow::typedText() const {
  WorksheetText text;
  text.Project = projectBox_->text();
  const auto rows = rowsPanel_->typedRows();
  for (int i = 0; i < kWorksheetRows; ++i) text.Rows[i] = rows[i];
  return text;
}

std::optional<QString> WorksheetWindow::reportValue(const QString& name) const {
  if (name == QLatin1String("TITLE1")) return trimBlanks(projectBox_->text());
  return rowsPanel_->reportValue(name);
}

void WorksheetWindow::showText(const WorksheetText& text) {
  const QuietAccessibility quiet;
  filling_ = true;
  setLimitedText(projectBox_, kProjectLimit, text.Project);
  WorksheetRowsPanel::RowTexts rows;
  for (int i = 0; i < kWorksheetRows; ++i) rows[i] = text.Rows[i];
  rowsPanel_->showRows(rows);
  filling_ = false;
  cleared_.reset();
}

// Every box is worked out afresh from the file's texts; nothing the previous
// worksheet showed or held remains.
void WorksheetWindow::showLoaded(const WorksheetText& text) {
  showText(text);
  rowsPanel_->firstBox()->setFocus(Qt::TabFocusReason);
  const QString loadedFigures =
      //: Spoken before the project's name once a worksheet is loaded.
      spokenResults({{tr("Project"), BoxText{projectBox_->text(), true}},
                     {tr("Total length in inches"), BoxText{rowsPanel_->totalText(), true}}});
  announce(this,
           loadedFigures.isEmpty() ? tr("Worksheet loaded") : tr("Worksheet loaded, %1").arg(loadedFigures));
}

void WorksheetWindow::clearAll() {
  const WorksheetText before = typedText();
  filling_ = true;
  rowsPanel_->clearRows();
  projectBox_->clear();
  filling_ = false;
  // An empty worksheet has nothing to bring back, and keeps what an earlier
  // Clear All took.
  if (holdsAnything(before)) {
    clearedUnsaved_ = files_->differsFromSaved(before);
    cleared_ = before;
  }
  updateModified();
  announce(this, tr("Worksheet cleared"));
}

void WorksheetWindow::undoClear() {
  if (!cleared_) return;
  const WorksheetText text = *cleared_;
  showText(text);
  updateModified();
  announce(this, tr("Clear All undone, Total Length in Inches %1").arg(rowsPanel_->totalText()));
}

std::optional<RecoveredWorksheet> WorksheetWindow::unsavedWork() const {
  if (cleared_) {
    if (!clearedUnsaved_) return std::nullopt;
    return RecoveredWorksheet{files_->documentPath(), *cleared_};
  }
  if (!isModified()) return std::nullopt;
  return RecoveredWorksheet{files_->documentPath(), typedText()};
}

void WorksheetWindow::updateModified() {
  // Filling changes every box; it is judged once the filling is over.
  if (filling_) return;
  // A change of the user's own ends what Ctrl+Z could bring back.
  if (cleared_ && holdsAnything(typedText())) cleared_.reset();
  setWindowModified(files_->isModified());
  Q_EMIT documentChanged();
}

void WorksheetWindow::restoreUnsaved(const QString& path, const WorksheetText& text) {
  showText(text);
  rowsPanel_->firstBox()->setFocus(Qt::TabFocusReason);
  files_->markRestored(path);
  // After the burst of the filled boxes, or the screen reader drops it.
  QTimer::singleShot(kNoticeAfterBurstMs, this, [this] {
    announce(this, tr("Unsaved worksheet restored, Total Length in Inches %1").arg(rowsPanel_->totalText()));
  });
}

}  // namespace orvane
