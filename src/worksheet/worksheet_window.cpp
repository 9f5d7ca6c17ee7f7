#include "worksheet/worksheet_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <vector>

#include "core/box_text.h"
#include "core/key_filter.h"
#include "core/maker_info.h"
#include "core/native_path.h"
#include "core/recent_files.h"
#include "core/spoken_results.h"
#include "core/text_rules.h"
#include "core/worksheet_csv.h"
#include "platform/announcer.h"
#include "platform/desktop_services.h"
#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "platform/window_frame.h"
#include "widgets/bevel_panel.h"
#include "widgets/color_tab_widget.h"
#include "widgets/entry_box.h"
#include "widgets/focus.h"
#include "widgets/look.h"
#include "widgets/spoken_boxes.h"
#include "worksheet/report_printer.h"

namespace orvane {

namespace {

constexpr int kProjectLimit = 50;
constexpr int kDescLimit = 40;

// Column positions inside the row panel.
constexpr int kLabelLeft = 6, kLabelWidth = 28;
constexpr int kDescLeft = 38, kDescWidth = 326;
constexpr int kMmLeft = 376, kOrLeft = 434, kInchLeft = 458, kNobLeft = 526, kBpiLeft = 594, kTotLeft = 662;
constexpr int kNumberWidth = 55, kBoxHeight = 23;
constexpr int kFirstRowTop = 52, kRowPitch = 35;

const QString kFilter =
    QStringLiteral("Bead Worksheet        (*.bws);;All Files                       (*.*)");
// Saving may also export the figures for a spreadsheet; loading keeps to
// worksheets.
const QString kSaveFilter =
    QStringLiteral("Bead Worksheet        (*.bws);;CSV (*.csv);;All Files                       (*.*)");
const QChar kCrLf[] = {u'\r', u'\n'};

QString CrLf() { return QString(kCrLf, 2); }

QFont WindowFont(bool bold = false) { return MakeFont(QStringLiteral("Arial"), 15, bold); }

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& geometry, Qt::Alignment align) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  label->setAlignment(align);
  label->setWordWrap(true);
  label->setFont(WindowFont());
  return label;
}

EntryBox* MakeBox(QWidget* parent, const QRect& geometry, const QString& accessibleName,
                  bool readOnly = false) {
  auto* box = new EntryBox(parent);
  box->setGeometry(geometry);
  box->setFont(WindowFont());
  box->setAccessibleName(accessibleName);
  // The panels' face colour must not reach the boxes the user types in.
  QPalette pal = box->palette();
  pal.setColor(QPalette::Base, SystemColor(SysColor::Window));
  box->setPalette(pal);
  if (readOnly) box->SetReadOnlyBox(true);
  return box;
}

QPushButton* NewButton(QWidget* parent, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  QPalette pal = button->palette();
  pal.setColor(QPalette::Button, SystemColor(SysColor::BtnFace));
  button->setPalette(pal);
  return button;
}

// The bar's buttons are tab stops after the boxes; Enter on the focused one
// presses it, as Space does. A shortcut is shown in the tooltip; `bind` is
// false where the window handles the key itself.
void MakeKeyboardButton(QPushButton* button, const QString& hint, const QKeySequence& shortcut,
                        bool bind = true) {
  button->setFocusPolicy(Qt::StrongFocus);
  button->setAutoDefault(true);
  if (bind && !shortcut.isEmpty()) button->setShortcut(shortcut);
  const QString keys = shortcut.toString(QKeySequence::NativeText);
  button->setToolTip(keys.isEmpty() ? hint : QStringLiteral("%1 (%2)").arg(hint, keys));
}

QPushButton* MakeButton(QWidget* parent, const QRect& geometry, const QString& caption, const QString& icon,
                        const QString& hint, const QKeySequence& shortcut = {}) {
  auto* button = NewButton(parent, caption);
  button->setGeometry(geometry);
  button->setFont(WindowFont());
  button->setIcon(Icon(icon, 20));
  button->setIconSize(QSize(20, 20));
  const QString name = caption.isEmpty() ? hint : caption;
  MakeKeyboardButton(button, name, shortcut);
  button->setAccessibleName(name);
  return button;
}

// Everything up to and including the last separator, and the rest.
QString FolderPart(const QString& path) { return path.left(path.lastIndexOf(u'/') + 1); }
QString NamePart(const QString& path) { return path.mid(path.lastIndexOf(u'/') + 1); }

// A name ending in ".csv" is an export for a spreadsheet, whatever the
// dialog's type list showed.
bool IsCsvPath(const QString& path) {
  return NamePart(path).endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
}

}  // namespace

WorksheetWindow::WorksheetWindow(DesktopServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  ConfigureFixedWindow(this, WorksheetCaption({}), 762, 529, false);
  setAttribute(Qt::WA_QuitOnClose, false);
  SetBackground(this, SystemColor(SysColor::Light3D));
  setFont(WindowFont());

  // Created in tab order: project, the rows, then the buttons.
  CreateTopPanel();
  CreateRowPanel();
  CreateButtonBar();

  // Every typed box takes part in the unsaved mark and the crash recovery.
  std::vector<EntryBox*> typed{projectBox};
  for (int i = 0; i < kWorksheetRows; ++i)
    typed.insert(typed.end(), {descriptionBoxes[i], mmBoxes[i], inchBoxes[i], countBoxes[i]});
  for (EntryBox* box : typed)
    GuardedConnect(box, &QLineEdit::textChanged, this, &WorksheetWindow::UpdateModified);

  buildContents();
}

WorksheetWindow::~WorksheetWindow() = default;

const ReportTemplate& WorksheetWindow::reportTemplate() {
  if (!report1_) {
    QFile layout(QStringLiteral(":/report/worksheet.json"));
    report1_ = layout.open(QIODevice::ReadOnly) ? ParseReportTemplate(layout.readAll()) : ReportTemplate{};
  }
  return *report1_;
}

void WorksheetWindow::buildContents() {
  rows = {};
  totalValue = 0;
  lastWorksheetFile.clear();
  // The dialogs start in the worksheet folder until a file has been saved or
  // loaded (PrepareFileDialog).
  saveDialogFileName_.clear();
  openDialogFileName_.clear();
}

void WorksheetWindow::CreateTopPanel() {
  projectPanel = new BevelPanel(this);
  projectPanel->setGeometry(0, 0, 762, 46);
  projectPanel->SetColor(SystemColor(SysColor::Light3D));
  auto* caption = MakeLabel(projectPanel, QStringLiteral("Project Name"), QRect(16, 12, 100, 22),
                            Qt::AlignLeft | Qt::AlignVCenter);
  projectBox = MakeBox(projectPanel, QRect(122, 11, 408, kBoxHeight), QStringLiteral("Project Name"));
  projectBox->setMaxLength(kProjectLimit);
  caption->setBuddy(projectBox);
  // Enter goes on to the first description, as it does from box to box below.
  projectBox->SetKeyFilter(KeyFilterKind::Text, services_);
  GuardedConnect(projectBox, &QLineEdit::textChanged, this,
                 [this] { RelaxLimit(projectBox, kProjectLimit); });
}

void WorksheetWindow::CreateRowPanel() {
  rowsPanel = new BevelPanel(this);
  rowsPanel->setGeometry(0, 46, 762, 435);
  rowsPanel->SetColor(SystemColor(SysColor::Light3D));

  const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignBottom;
  MakeLabel(rowsPanel, QStringLiteral("Description"), QRect(kDescLeft, 10, kDescWidth, 36),
            Qt::AlignLeft | Qt::AlignBottom);
  // As wide as their boxes, so that they wrap onto two lines like the others.
  MakeLabel(rowsPanel, QStringLiteral("Size MM"), QRect(kMmLeft, 10, kNumberWidth, 36), centred);
  MakeLabel(rowsPanel, QStringLiteral("Size Inch"), QRect(kInchLeft, 10, kNumberWidth, 36), centred);
  MakeLabel(rowsPanel, QStringLiteral("Number of Beads"), QRect(kNobLeft - 6, 10, kNumberWidth + 12, 36),
            centred);
  MakeLabel(rowsPanel, QStringLiteral("Beads per Inch"), QRect(kBpiLeft - 6, 10, kNumberWidth + 12, 36),
            centred);
  MakeLabel(rowsPanel, QStringLiteral("Length Inches"), QRect(kTotLeft - 6, 10, kNumberWidth + 12, 36),
            centred);

  for (int k = 1; k <= kWorksheetRows; ++k) CreateRow(k, kFirstRowTop + (k - 1) * kRowPitch);

  const int totalTop = kFirstRowTop + kWorksheetRows * kRowPitch + 8;
  MakeLabel(rowsPanel, QStringLiteral("Total Length in Inches"),
            QRect(kNobLeft - 40, totalTop, 170, kBoxHeight), Qt::AlignRight | Qt::AlignVCenter);
  totalBox = MakeBox(rowsPanel, QRect(kTotLeft, totalTop, kNumberWidth, kBoxHeight),
                     QStringLiteral("Total Length in Inches"), true);
  for (int k = 1; k <= kWorksheetRows; ++k) BindRowHandlers(k);
}

void WorksheetWindow::CreateRow(int k, int top) {
  const int i = k - 1;
  const QString row = QStringLiteral(" row %1").arg(k);
  const QString number = k < 10 ? QStringLiteral("  %1.").arg(k) : QStringLiteral("10.");
  MakeLabel(rowsPanel, number, QRect(kLabelLeft, top, kLabelWidth, kBoxHeight),
            Qt::AlignRight | Qt::AlignVCenter)
      ->setWordWrap(false);
  descriptionBoxes[i] =
      MakeBox(rowsPanel, QRect(kDescLeft, top, kDescWidth, kBoxHeight), QStringLiteral("Description") + row);
  descriptionBoxes[i]->setMaxLength(kDescLimit);
  mmBoxes[i] =
      MakeBox(rowsPanel, QRect(kMmLeft, top, kNumberWidth, kBoxHeight), QStringLiteral("Size MM") + row);
  MakeLabel(rowsPanel, QStringLiteral("or"), QRect(kOrLeft, top, 22, kBoxHeight), Qt::AlignCenter);
  inchBoxes[i] =
      MakeBox(rowsPanel, QRect(kInchLeft, top, kNumberWidth, kBoxHeight), QStringLiteral("Size Inch") + row);
  countBoxes[i] = MakeBox(rowsPanel, QRect(kNobLeft, top, kNumberWidth, kBoxHeight),
                          QStringLiteral("Number of Beads") + row);
  perInchBoxes[i] = MakeBox(rowsPanel, QRect(kBpiLeft, top, kNumberWidth, kBoxHeight),
                            QStringLiteral("Beads per Inch") + row, true);
  lengthBoxes[i] = MakeBox(rowsPanel, QRect(kTotLeft, top, kNumberWidth, kBoxHeight),
                           QStringLiteral("Length Inches") + row, true);
}

void WorksheetWindow::BindRowHandlers(int k) {
  const int i = k - 1;
  // The typed boxes all record that the user is in them; only the size boxes
  // act when they are left.
  for (EntryBox* box : {descriptionBoxes[i], mmBoxes[i], inchBoxes[i], countBoxes[i]})
    GuardedConnect(box, &EntryBox::entered, this, [this, box] { enteredBox_ = box; });
  auto exitOf = [this](EntryBox* box, void (WorksheetWindow::*handler)(int), int row) {
    return [this, box, handler, row] {
      if (enteredBox_ != box) return;
      enteredBox_ = nullptr;
      (this->*handler)(row);
    };
  };
  GuardedConnect(mmBoxes[i], &EntryBox::left, this, exitOf(mmBoxes[i], &WorksheetWindow::RowSizeFromMm, k));
  GuardedConnect(inchBoxes[i], &EntryBox::left, this,
                 exitOf(inchBoxes[i], &WorksheetWindow::RowSizeFromInch, k));
  for (EntryBox* box : {descriptionBoxes[i], countBoxes[i]})
    GuardedConnect(box, &EntryBox::left, this, [this, box] {
      if (enteredBox_ == box) enteredBox_ = nullptr;
    });

  // Enter moves on from every box of a row.
  mmBoxes[i]->SetKeyFilter(KeyFilterKind::WorksheetMm, services_);
  inchBoxes[i]->SetKeyFilter(KeyFilterKind::WorksheetInch, services_);
  countBoxes[i]->SetKeyFilter(KeyFilterKind::WorksheetNob, services_);
  descriptionBoxes[i]->SetKeyFilter(KeyFilterKind::Text, services_);
  GuardedConnect(descriptionBoxes[i], &QLineEdit::textChanged, this,
                 [this, i] { RelaxLimit(descriptionBoxes[i], kDescLimit); });

  GuardedConnect(countBoxes[i], &EntryBox::changed, this, [this, k] { RowLengthFromCount(k); });
  GuardedConnect(lengthBoxes[i], &EntryBox::changed, this, [this] {
    // A load works the total out once, after its last row.
    if (!loading_) recomputeTotal_();
  });
  countBoxes[i]->installEventFilter(this);
}

void WorksheetWindow::CreateButtonBar() {
  buttonBar = new BevelPanel(this);
  buttonBar->setGeometry(0, 481, 762, 48);
  buttonBar->SetColor(SystemColor(SysColor::Light3D));
  const int top = 9, height = 30;
  loadButton = MakeButton(buttonBar, QRect(12, top, 84, height), QStringLiteral("Load"),
                          QStringLiteral(":/icons/ws_folder.svg"), {}, QKeySequence(Qt::CTRL | Qt::Key_O));
  saveButton = MakeButton(buttonBar, QRect(104, top, 84, height), QStringLiteral("Save"),
                          QStringLiteral(":/icons/ws_disk.svg"), {}, QKeySequence(Qt::CTRL | Qt::Key_S));
  printButton = MakeButton(buttonBar, QRect(196, top, 84, height), QStringLiteral("Print"),
                           QStringLiteral(":/icons/ws_printer.svg"), {}, QKeySequence(Qt::CTRL | Qt::Key_P));
  // Not Ctrl+K: a line edit deletes to the end of the line with it.
  calculatorButton =
      MakeButton(buttonBar, QRect(300, top, 36, height), {}, QStringLiteral(":/icons/calculator.svg"),
                 QStringLiteral("Calculator"), QKeySequence(Qt::Key_F9));
  helpButton = MakeButton(buttonBar, QRect(344, top, 36, height), {}, QStringLiteral(":/icons/help.svg"),
                          QStringLiteral("Help"), QKeySequence(Qt::Key_F1));
  clearButton = MakeButton(buttonBar, QRect(388, top, 36, height), {}, QStringLiteral(":/icons/clear.svg"),
                           QStringLiteral("Clear All"));
  recentButton = MakeButton(buttonBar, QRect(432, top, 104, height), QStringLiteral("Recent"),
                            QStringLiteral(":/icons/ws_folder.svg"), {});
  recentButton->setToolTip(QStringLiteral("Recent Worksheets"));
  recentButton->setAccessibleDescription(QStringLiteral("Recent Worksheets"));
  recentMenu_ = new QMenu(recentButton);
  recentButton->setMenu(recentMenu_);
  // The open menu shows its entries at once; a screen reader says nothing
  // until an entry is chosen with the arrows.
  GuardedConnect(recentMenu_, &QMenu::aboutToShow, this, [this] {
    announce(this, recentFiles_.isEmpty()
                       ? QStringLiteral("Recent worksheets menu, empty")
                       : QStringLiteral("Recent worksheets menu, %1 entries").arg(recentFiles_.size()));
  });
  FillRecentMenu();
  closeButton = NewButton(buttonBar, QStringLiteral("Close"));
  closeButton->setGeometry(664, top, 84, height);
  closeButton->setFont(WindowFont());
  closeButton->setAccessibleName(QStringLiteral("Close"));
  // Esc is the window's own shortcut (below), not the button's.
  MakeKeyboardButton(closeButton, QStringLiteral("Close"), QKeySequence(Qt::Key_Escape), false);

  auto bind = [this](QPushButton* b, void (WorksheetWindow::*handler)()) {
    GuardedConnect(b, &QAbstractButton::clicked, this, handler);
  };
  bind(loadButton, &WorksheetWindow::onLoadClicked);
  bind(saveButton, &WorksheetWindow::onSaveClicked);
  bind(printButton, &WorksheetWindow::onPrintClicked);
  bind(calculatorButton, &WorksheetWindow::onCalculatorClicked);
  bind(helpButton, &WorksheetWindow::onHelpClicked);
  bind(clearButton, &WorksheetWindow::onClearClicked);
  bind(closeButton, &WorksheetWindow::onCloseClicked);

  // The Close button is the window's cancel button.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, closeButton, &QPushButton::click);
}

// Up and Down walk the bead count column, wrapping round at both ends.
bool WorksheetWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    for (int i = 0; i < kWorksheetRows; ++i) {
      if (watched != countBoxes[i]) continue;
      if (key == Qt::Key_Up) MoveFocusTo(countBoxes[(i + kWorksheetRows - 1) % kWorksheetRows]);
      if (key == Qt::Key_Down) MoveFocusTo(countBoxes[(i + 1) % kWorksheetRows]);
      break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void WorksheetWindow::MoveFocusTo(QWidget* box) {
  if (loading_) return;
  box->setFocus(Qt::TabFocusReason);
}

// The length limits hold for what the user types or pastes; a loaded text is
// shown whole, and may then only be shortened.
void WorksheetWindow::SetLimitedText(EntryBox* box, int limit, const QString& text) {
  box->setMaxLength(std::max<int>({limit, int(text.size()), box->maxLength()}));
  box->setText(text);
  RelaxLimit(box, limit);
}

void WorksheetWindow::RelaxLimit(EntryBox* box, int limit) {
  box->setMaxLength(std::max<int>(limit, box->text().size()));
}

// Runs a row step on the row's values and boxes and shows what it changed,
// also when it fails part way: what it had done by then stays done. The
// length box comes last, as its change brings the total up to date.
bool WorksheetWindow::RunRowStep(int k, const RowStep& step) {
  const int i = k - 1;
  WorksheetRowBoxes boxes{mmBoxes[i]->text(), inchBoxes[i]->text(), countBoxes[i]->text(),
                          perInchBoxes[i]->text(), lengthBoxes[i]->text()};
  const std::pair<EntryBox*, const QString*> writes[] = {{mmBoxes[i], &boxes.Mm},
                                                         {inchBoxes[i], &boxes.Inch},
                                                         {perInchBoxes[i], &boxes.Bpi},
                                                         {lengthBoxes[i], &boxes.Tot}};
  const QString totalBefore = totalBox->text();
  QList<WrittenBox> changed;
  const bool moveOn = RunShowingBoxes(
      boxes, [&](WorksheetRowBoxes& row) { return step(rows[i], row); },
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
    spoken.append({totalBox->accessibleName(), BoxText{totalBox->text(), totalBox->text() != totalBefore}});
    announce(this, spokenResults(spoken));
  }
  return moveOn;
}

void WorksheetWindow::RowSizeFromMm(int k) {
  if (RunRowStep(k, WorksheetSizeFromMm)) MoveFocusTo(countBoxes[k - 1]);
}

void WorksheetWindow::RowSizeFromInch(int k) {
  if (RunRowStep(k, WorksheetSizeFromInch)) MoveFocusTo(countBoxes[k - 1]);
}

void WorksheetWindow::RowLengthFromCount(int k) {
  RunRowStep(k, [](WorksheetRowValues& row, WorksheetRowBoxes& boxes) {
    WorksheetLengthFromCount(row, boxes);
    return false;
  });
}

void WorksheetWindow::RecomputeTotal() { totalBox->setText(WorksheetTotal(rows, totalValue)); }

void WorksheetWindow::recomputeTotal_() { RecomputeTotal(); }

void WorksheetWindow::onCloseClicked() { close(); }

void WorksheetWindow::onClearClicked() {
  totalValue = 0;
  rows = {};
  for (int i = 0; i < kWorksheetRows; ++i)
    for (EntryBox* box :
         {descriptionBoxes[i], mmBoxes[i], inchBoxes[i], countBoxes[i], perInchBoxes[i], lengthBoxes[i]})
      // An empty box is left alone: clearing it anyway floods a screen
      // reader with changes, and it then drops the spoken notice below.
      if (!box->text().isEmpty()) box->clear();
  projectBox->clear();
  totalBox->clear();
  announce(this, QStringLiteral("Worksheet cleared"));
}

void WorksheetWindow::onCalculatorClicked() { Q_EMIT calculatorWanted(); }

void WorksheetWindow::onHelpClicked() { Q_EMIT helpWanted(); }

WorksheetText WorksheetWindow::TypedText() const {
  WorksheetText text;
  text.Project = projectBox->text();
  for (int i = 0; i < kWorksheetRows; ++i)
    text.Rows[i] = {descriptionBoxes[i]->text(), mmBoxes[i]->text(), inchBoxes[i]->text(),
                    countBoxes[i]->text()};
  return text;
}

void WorksheetWindow::PrepareFileDialog(FileDialogRequest& request, const QString& dialogFileName) const {
  request.filter = kFilter;
  if (!lastWorksheetFile.isEmpty()) {
    request.directory = FolderPart(lastWorksheetFile);
    request.fileName = NamePart(lastWorksheetFile);
  } else {
    request.directory = worksheetFolder;
    request.fileName = NamePart(dialogFileName);
  }
}

void WorksheetWindow::onSaveClicked() { (void)SaveThroughDialog(true); }

// True when the worksheet is now in a worksheet file; a CSV export is none.
bool WorksheetWindow::SaveThroughDialog(bool reportSuccess) {
  FileDialogRequest request;
  request.title = QStringLiteral("Save Bead Worksheet");
  request.defaultSuffix = QStringLiteral("bws");
  request.overwritePrompt = true;
  PrepareFileDialog(request, saveDialogFileName_);
  request.filter = kSaveFilter;
  const std::optional<QString> chosen = services_.SaveFileName(this, request);
  if (!chosen) return false;
  const QString path = *chosen;
  saveDialogFileName_ = path;
  if (IsCsvPath(path)) {
    // An export is no worksheet: Load and the recent list keep to the .bws.
    SaveCsvFile(path);
    return false;
  }
  lastWorksheetFile = path;
  return SaveWorksheetTo(path, reportSuccess);
}

bool WorksheetWindow::SaveWorksheetTo(const QString& path, bool reportSuccess) {
  const WorksheetText text = TypedText();
  QByteArray bytes;
  try {
    bytes = WorksheetFileBytes(text);
  } catch (const UnencodableCharacterError& bad) {
    // Replacing the character would silently change the worksheet.
    const QString character = QString::fromUcs4(&bad.Character, 1);
    services_.ShowMessage(
        this, MessageIcon::Error, QStringLiteral("Error"),
        QStringLiteral("Error: Bead Worksheet not Saved.") + CrLf() + CrLf() +
            QStringLiteral("The %1 holds the character \"%2\" (U+%3), which a worksheet file cannot store.")
                .arg(QString::fromStdString(bad.what()), character,
                     QStringLiteral("%1").arg(uint(bad.Character), 4, 16, QLatin1Char('0')).toUpper()) +
            CrLf() + CrLf() + QStringLiteral("Please change it and Save again."));
    return false;
  }

  SaveWholeFile(path, bytes);
  const bool saved = QFileInfo::exists(path);
  if (saved) {
    RememberFile(path);
    MarkSaved(path, text);
  }
  if (reportSuccess || !saved) ReportSaved(path);
  return saved;
}

void WorksheetWindow::SaveCsvFile(const QString& path) {
  WorksheetCsv sheet;
  sheet.Project = projectBox->text();
  for (int i = 0; i < kWorksheetRows; ++i)
    sheet.Rows[i] = {descriptionBoxes[i]->text(), mmBoxes[i]->text(),      inchBoxes[i]->text(),
                     countBoxes[i]->text(),       perInchBoxes[i]->text(), lengthBoxes[i]->text()};
  sheet.Total = totalBox->text();
  SaveWholeFile(path, WorksheetCsvBytes(sheet));
  ReportSaved(path);
}

void WorksheetWindow::ReportSaved(const QString& path) {
  if (QFileInfo::exists(path))
    services_.ShowMessage(this, MessageIcon::Information, QStringLiteral("Information"),
                          QStringLiteral("Success:  Bead Worksheet Saved."));
  else
    services_.ShowMessage(this, MessageIcon::Error, QStringLiteral("Error"),
                          QStringLiteral("Error: Bead Worksheet not Saved.") + CrLf() + CrLf() + path +
                              CrLf() + CrLf() + QStringLiteral("Please try to Save Again."));
}

void WorksheetWindow::onLoadClicked() {
  FileDialogRequest request;
  request.title = QStringLiteral("Open Bead Worksheet");
  request.overwritePrompt = false;
  request.mustExist = false;
  PrepareFileDialog(request, openDialogFileName_);
  const std::optional<QString> chosen = services_.OpenFileName(this, request);
  if (!chosen) return;
  const QString path = *chosen;
  openDialogFileName_ = path;
  LoadExistingFile(path);
}

void WorksheetWindow::LoadFile(const QString& path) {
  RunGuarded(this, [&] { LoadExistingFile(path); });
}

void WorksheetWindow::LoadExistingFile(const QString& path) {
  // The whole file is read before any box changes: a file that cannot be
  // read, or is no file at all, leaves the worksheet as it was, and its
  // message names the cause. Only a file that can replace the rows asks
  // about unsaved ones.
  const LoadedWorksheet loaded = ReadWorksheetFile(LoadWholeFile(path));
  if (!MayReplaceRows()) return;
  lastWorksheetFile = path;
  RememberFile(path);
  ApplyLoaded(loaded.Text);
  MarkSaved(path, TypedText());
  if (!loaded.CutTexts.isEmpty())
    services_.ShowMessage(
        this, MessageIcon::Warning, QStringLiteral("Orvane"),
        QStringLiteral("Some texts in %1 are longer than a box can hold; only their first %2 characters "
                       "were loaded:")
                .arg(path)
                .arg(kBoxCapacity) +
            CrLf() + CrLf() + loaded.CutTexts.join(CrLf()));
}

void WorksheetWindow::OpenRecentFile(const QString& path) {
  if (!PathExists(path)) {
    SetRecentFiles(WithoutRecentFile(recentFiles_, path));
    services_.ShowMessage(this, MessageIcon::Error, QStringLiteral("Error"),
                          QStringLiteral("Error: Bead Worksheet not Loaded.") + CrLf() + CrLf() + path +
                              CrLf() + CrLf() +
                              QStringLiteral("The file is no longer there; it has been taken off the list of "
                                             "recent worksheets."));
    return;
  }
  LoadFile(path);
}

void WorksheetWindow::SetRecentFiles(const QStringList& files) {
  const QStringList tidy = TidyRecentFiles(files);
  if (tidy == recentFiles_) return;
  recentFiles_ = tidy;
  FillRecentMenu();
  Q_EMIT recentFilesChanged(recentFiles_);
}

void WorksheetWindow::RememberFile(const QString& path) {
  SetRecentFiles(WithRecentFile(recentFiles_, path));
}

// Numbered entries, the full path shown: two worksheets of the same name in
// different folders must be told apart.
void WorksheetWindow::FillRecentMenu() {
  // The entry being chosen may be the one that changed the list: the old
  // entries go once its signal is over.
  for (QAction* old : recentMenu_->actions()) {
    recentMenu_->removeAction(old);
    old->deleteLater();
  }
  if (recentFiles_.isEmpty()) {
    recentMenu_->addAction(QStringLiteral("No recent worksheets"))->setEnabled(false);
    return;
  }
  for (int i = 0; i < recentFiles_.size(); ++i) {
    const QString path = recentFiles_[i];
    QString shown = ShownPath(path);
    shown.replace(u'&', QStringLiteral("&&"));
    QAction* entry = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
    GuardedConnect(entry, &QAction::triggered, this, [this, path] { OpenRecentFile(path); });
  }
}

// Every box is worked out afresh from the file's texts, row by row as if the
// user had left each row's boxes. A row that fails is reported and the load
// goes on; nothing the previous worksheet showed or held remains.
void WorksheetWindow::ApplyLoaded(const WorksheetText& text) {
  loading_ = true;
  enteredBox_ = nullptr;  // leaving whatever box had the focus is no exit
  rows = {};
  totalValue = 0;
  for (int i = 0; i < kWorksheetRows; ++i) {
    perInchBoxes[i]->clear();
    lengthBoxes[i]->clear();
  }
  totalBox->clear();
  SetLimitedText(projectBox, kProjectLimit, text.Project);
  for (int i = 0; i < kWorksheetRows; ++i) {
    SetLimitedText(descriptionBoxes[i], kDescLimit, text.Rows[i].Desc);
    mmBoxes[i]->setText(text.Rows[i].Mm);
    inchBoxes[i]->setText(text.Rows[i].Inch);
  }
  for (int k = 1; k <= kWorksheetRows; ++k) {
    RunGuarded(this, [&] {
      RunRowStep(k, [](WorksheetRowValues& row, WorksheetRowBoxes& boxes) {
        WorksheetLoadedSize(row, boxes);
        return false;
      });
    });
    // The change handler works the length out; an unchanged text must too.
    EntryBox* count = countBoxes[k - 1];
    const bool unchanged = count->text() == text.Rows[k - 1].Nob;
    count->setText(text.Rows[k - 1].Nob);
    if (unchanged) RunGuarded(this, [&] { RowLengthFromCount(k); });
  }
  RunGuarded(this, [&] { RecomputeTotal(); });
  loading_ = false;
  enteredBox_ = nullptr;
  descriptionBoxes[0]->setFocus(Qt::TabFocusReason);
  const QString loadedFigures =
      spokenResults({{QStringLiteral("Project"), BoxText{projectBox->text(), true}},
                     {QStringLiteral("Total length in inches"), BoxText{totalBox->text(), true}}});
  announce(this, loadedFigures.isEmpty() ? QStringLiteral("Worksheet loaded")
                                         : QStringLiteral("Worksheet loaded, ") + loadedFigures);
}

void WorksheetWindow::MarkSaved(const QString& path, const WorksheetText& text) {
  document_.Path = path;
  document_.Saved = text;
  setWindowTitle(WorksheetCaption(path));
  UpdateModified();
}

void WorksheetWindow::UpdateModified() {
  // A load changes every box; it is judged once the load is over.
  if (loading_) return;
  setWindowModified(document_.IsModified(TypedText()));
  Q_EMIT documentChanged();
}

bool WorksheetWindow::MayReplaceRows() {
  if (!IsModified()) return true;
  switch (services_.AskToSave(this, QStringLiteral("Unsaved Worksheet"),
                              UnsavedWorksheetQuestion(document_.Path))) {
    case UnsavedAnswer::Discard:
      return true;
    case UnsavedAnswer::Cancel:
      return false;
    case UnsavedAnswer::Save:
      break;
  }
  // The user goes on with what they were doing: no success box on the way.
  bool saved = false;
  RunGuarded(this, [&] {
    saved = document_.Path.isEmpty() || IsCsvPath(document_.Path) ? SaveThroughDialog(false)
                                                                  : SaveWorksheetTo(document_.Path, false);
  });
  return saved && !IsModified();
}

void WorksheetWindow::RestoreUnsaved(const QString& path, const WorksheetText& text) {
  ApplyLoaded(text);
  // What the file holds is not known: the rows stay unsaved until saved.
  document_.Path = path;
  document_.Saved.reset();
  if (path.isEmpty())
    document_.Saved = WorksheetText{};
  else
    lastWorksheetFile = path;
  setWindowTitle(WorksheetCaption(path));
  UpdateModified();
  announce(this,
           QStringLiteral("Unsaved worksheet restored, Total Length in Inches %1").arg(totalBox->text()));
}

std::optional<QString> WorksheetWindow::reportValue(const QString& name) const {
  if (name == QLatin1String("TITLE1")) return TrimBlanks(projectBox->text());
  if (name == QLatin1String("TOTAL1")) return TrimBlanks(totalBox->text());
  if (name.size() < 2) return std::nullopt;
  const std::array<EntryBox*, kWorksheetRows>* family = nullptr;
  switch (name[0].unicode()) {
    case u'D':
      family = &descriptionBoxes;
      break;
    case u'M':
      family = &mmBoxes;
      break;
    case u'N':
      family = &inchBoxes;
      break;
    case u'B':
      family = &countBoxes;
      break;
    case u'P':
      family = &perInchBoxes;
      break;
    case u'L':
      family = &lengthBoxes;
      break;
    default:
      return std::nullopt;
  }
  const QString digits = name.mid(1);
  for (int k = 1; k <= kWorksheetRows; ++k)
    if (digits == QString::number(k)) return TrimBlanks((*family)[k - 1]->text());
  return std::nullopt;
}

void WorksheetWindow::onPrintClicked() {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    ApplyReportPage(reportTemplate(), *printer_);
  }
  const QString previousPrinter = printer_->printerName();
  if (!services_.SetupPrinter(this, *printer_)) return;
  if (printer_->outputFormat() == QPrinter::NativeFormat && printer_->printerName() != previousPrinter &&
      !printer_->isValid()) {
    const QString chosen = printer_->printerName();
    printer_->setPrinterName(previousPrinter);
    services_.ShowMessage(this, MessageIcon::Error, QStringLiteral("Error"),
                          QStringLiteral("The printer \"%1\" cannot be used.").arg(chosen));
    return;
  }
  // The footer names the maker as set up in one place for the whole program.
  const auto values = [this](const QString& name) -> std::optional<QString> {
    if (std::optional<QString> value = reportValue(name)) return value;
    if (name == QLatin1String("MAKER")) return maker::kMakerName;
    if (name == QLatin1String("WEBSITE")) return maker::kWebSite;
    return std::nullopt;
  };
  const ReportTemplate page = PrepareReport(reportTemplate(), values, QDateTime::currentDateTime());
  QCoreApplication::processEvents();
  // No printer installed: there is nothing to print on.
  if (printer_->outputFormat() == QPrinter::NativeFormat && printer_->printerName().isEmpty()) return;
  if (!PrintReport(page, *printer_))
    services_.ShowMessage(this, MessageIcon::Error, QStringLiteral("Error"),
                          QStringLiteral("The worksheet could not be printed."));
}

}  // namespace orvane
