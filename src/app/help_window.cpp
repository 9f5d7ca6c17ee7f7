#include "app/help_window.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QWheelEvent>
#include <algorithm>

#include "app/app_context.h"
#include "app/help_text.h"
#include "app/info_pages.h"
#include "platform/guarded_connect.h"
#include "platform/window_frame.h"
#include "widgets/ext_page_control.h"
#include "widgets/look.h"
#include "widgets/panel.h"

namespace orvane {

namespace {

constexpr int kWheelNotch = 120;  // angle delta of one wheel notification

QFont Arial(int px, bool bold = false) { return MakeFont(QStringLiteral("Arial"), px, bold); }

// Lays a help page's texts and pictures out top to bottom on its panel.
class Column {
 public:
  Column(QWidget* panel, int top) : panel_(panel), y_(top) {}

  // Returns the memos in page order.
  QList<QPlainTextEdit*> Lay(const HelpPage& page) {
    // The texts are compiled in: a fault in one is a fault of the build.
    Q_ASSERT_X(page.problems.isEmpty(), "help page", qPrintable(page.problems.join(u'\n')));
    QList<QPlainTextEdit*> memos;
    for (const HelpBlock& block : page.blocks) {
      switch (block.kind) {
        case HelpBlock::Kind::Heading:
          Heading(block.text);
          break;
        case HelpBlock::Kind::Memo:
          memos << Memo(block);
          break;
        case HelpBlock::Kind::Picture:
          Picture(block);
          break;
        case HelpBlock::Kind::Pair:
          Pair(block);
          break;
        case HelpBlock::Kind::Skip:
          y_ += block.pixels;
          break;
      }
    }
    return memos;
  }

  int Y() const { return y_; }

 private:
  void Heading(const QString& text) {
    MakeLabel(panel_, QRect(0, y_, panel_->width(), 26), Arial(19), text, Qt::AlignCenter);
    y_ += 28;
  }

  QPlainTextEdit* Memo(const HelpBlock& block) {
    if (!block.size.isEmpty()) {  // a box of its own size, centred; the text below it follows its heading
      const int x = (panel_->width() - block.size.width()) / 2;
      return MakeMemo(panel_, QRect(QPoint(x, y_), block.size), Arial(block.pixels), block.lines);
    }
    const int lineHeight = QFontMetrics(Arial(block.pixels)).lineSpacing();
    const int h = lineHeight * static_cast<int>(block.lines.size()) + 6;
    QPlainTextEdit* memo =
        MakeMemo(panel_, QRect(14, y_, panel_->width() - 20, h), Arial(block.pixels), block.lines);
    y_ += h + 6;
    return memo;
  }

  void Picture(const HelpBlock& block) {
    const HelpPicture& picture = block.pictures.front();
    const int x = (panel_->width() - block.size.width()) / 2;
    MakePicture(panel_, QRect(QPoint(x, y_), block.size), QStringLiteral(":/pictures/") + picture.file,
                block.stretch, picture.description);
    y_ += block.size.height() + 8;
  }

  // Two pictures side by side, each captioned below.
  void Pair(const HelpBlock& block) {
    static constexpr int kLefts[2] = {64, 208};
    for (int k = 0; k < 2; ++k)
      MakePicture(panel_, QRect(QPoint(kLefts[k], y_), block.size),
                  QStringLiteral(":/pictures/") + block.pictures[k].file, false,
                  block.pictures[k].description);
    for (int k = 0; k < 2; ++k)
      MakeLabel(panel_, QRect(kLefts[k] - 16, y_ + block.size.height() + 3, block.size.width() + 32, 18),
                Arial(13), block.pictures[k].caption, Qt::AlignHCenter | Qt::AlignTop);
    y_ += block.size.height() + 28;
  }

  QWidget* panel_;
  int y_;
};

TPanel* WhitePanel(QWidget* parent, const QRect& bounds) {
  auto* panel = new TPanel(parent);
  panel->setGeometry(bounds);
  panel->SetBevels(TPanel::Bevel::Lowered, TPanel::Bevel::Lowered, 2);
  panel->SetColor(cl::White);
  SetPaper(panel);
  return panel;
}

// The two long pages: a white panel in a scroll box, grown to its text.
QScrollArea* ScrollPage(TTabSheet* page, QWidget* panel, int width, int minHeight, const QString& name,
                        const QString& accessibleName) {
  QScrollArea* box = MakeScrollBox(page, QRect(16, 16, 393, 409), panel, QSize(width, minHeight));
  box->setAccessibleName(accessibleName);
  Column col(panel, 8);
  col.Lay(LoadHelpPage(name));
  panel->resize(width, std::max(minHeight, col.Y() + 8));
  return box;
}

}  // namespace

THelpFrm::THelpFrm(QWidget* parent) : QWidget(parent) {
  ConfigureFixedWindow(this, QStringLiteral("Help"), 448, 487, false);
  setAttribute(Qt::WA_QuitOnClose, false);
  SetBackground(this, SystemColor(SysColor::Light3D));
  setFont(MakeFont(QStringLiteral("MS Sans Serif"), 11));

  HelpPageControl1 = new TExtPageControl(this);
  HelpPageControl1->setGeometry(8, 8, 433, 473);
  HelpPageControl1->SetTabActiveColor(SystemColor(SysColor::BtnFace));
  HelpPageControl1->SetTabActiveFont(MakeFont(QStringLiteral("MS Sans Serif"), 16, true));
  HelpPageControl1->SetTabInactiveColor(SystemColor(SysColor::Light3D));
  HelpPageControl1->SetTabInactiveFont(Arial(15));
  TabSheet5 = new TTabSheet;
  TabSheet6 = new TTabSheet;
  TabSheet7 = new TTabSheet;
  TabSheet1 = new TTabSheet;
  HelpPageControl1->AddPage(TabSheet5, QStringLiteral("License"));
  HelpPageControl1->AddPage(TabSheet6, QStringLiteral("Stone Size"));
  HelpPageControl1->AddPage(TabSheet7, QStringLiteral("Bead Calculator"));
  HelpPageControl1->AddPage(TabSheet1, QStringLiteral("Worksheet"));
  GuardedConnect(TabSheet7, &TTabSheet::shown, this, &THelpFrm::TabSheet7Show);
  GuardedConnect(TabSheet1, &TTabSheet::shown, this, &THelpFrm::TabSheet1Show);

  BuildLicensePage();
  BuildStoneSizePage();
  BuildBeadCalculatorPage();
  BuildWorksheetPage();
  HelpPageControl1->SetActivePage(TabSheet5);

  // F1 opens the help in every window; here that is this window as it is.
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  help->setContext(Qt::WindowShortcut);
  GuardedConnect(help, &QShortcut::activated, this, [this] { ShowWindow(this); });

  // The window sees every key before the focused control (for Esc), its own
  // included, and the scroll boxes take the wheel by their own rule.
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void THelpFrm::BuildLicensePage() {
  Panel1 = WhitePanel(TabSheet5, QRect(8, 16, 393, 401));
  Column col(Panel1, 10);
  const QList<QPlainTextEdit*> memos = col.Lay(LoadHelpPage(QStringLiteral("license")));
  Memo4 = memos.value(0);
  Memo5 = memos.value(1);
  Memo4->setAccessibleName(QStringLiteral("License Agreement"));
  Memo5->setAccessibleName(QStringLiteral("Disclaimer and Warranty"));

  Button1 = new QPushButton(QStringLiteral("Close"), Panel1);
  Button1->setFont(Arial(13, true));
  Button1->setGeometry(160, 360, 75, 25);
  Button1->setVisible(false);
  GuardedConnect(Button1, &QPushButton::clicked, this, &THelpFrm::Button1Click);
}

void THelpFrm::BuildStoneSizePage() {
  Panel2 = WhitePanel(TabSheet6, QRect(32, 16, 361, 401));
  Column col(Panel2, 10);
  col.Lay(LoadHelpPage(QStringLiteral("stone_size")));
}

void THelpFrm::BuildBeadCalculatorPage() {
  Panel3 = new QWidget;
  ScrollBox1 = ScrollPage(TabSheet7, Panel3, 369, 1100, QStringLiteral("bead_calculator"),
                          QStringLiteral("Bead Calculator help"));
}

void THelpFrm::BuildWorksheetPage() {
  Panel4 = new QWidget;
  ScrollBox2 =
      ScrollPage(TabSheet1, Panel4, 370, 740, QStringLiteral("worksheet"), QStringLiteral("Worksheet help"));
}

void THelpFrm::ShowTopic(HelpTopic topic) {
  switch (topic) {
    case HelpTopic::License:
      return HelpPageControl1->SetActivePage(TabSheet5);
    case HelpTopic::StoneSize:
      return HelpPageControl1->SetActivePage(TabSheet6);
    case HelpTopic::BeadCalculator:
      return HelpPageControl1->SetActivePage(TabSheet7);
    case HelpTopic::Worksheet:
      return HelpPageControl1->SetActivePage(TabSheet1);
  }
}

void THelpFrm::FormClose() { HelpPageControl1->SetActivePage(TabSheet6); }

void THelpFrm::TabSheet7Show() { ScrollBox1->setFocus(Qt::OtherFocusReason); }

void THelpFrm::TabSheet1Show() { ScrollBox2->setFocus(Qt::OtherFocusReason); }

void THelpFrm::Button1Click() { close(); }

void THelpFrm::ScrollBoxMouseWheel(QScrollArea* box, const QPoint& globalPos, bool up) {
  const QPoint inParent = box->parentWidget()->mapFromGlobal(globalPos);
  if (!box->geometry().contains(inParent, true)) return;
  box->verticalScrollBar()->triggerAction(up ? QAbstractSlider::SliderSingleStepSub
                                             : QAbstractSlider::SliderSingleStepAdd);
}

QScrollArea* THelpFrm::BoxOf(QObject* object) const {
  for (QObject* o = object; o; o = o->parent()) {
    if (o == ScrollBox1) return ScrollBox1;
    if (o == ScrollBox2) return ScrollBox2;
    if (o == this) break;
  }
  return nullptr;
}

bool THelpFrm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    close();
    return true;
  }
  if (event->type() == QEvent::Wheel) {
    if (QScrollArea* box = BoxOf(watched)) {
      auto* wheel = static_cast<QWheelEvent*>(event);
      // Fine-grained wheels send parts of a notch; a step is taken per notch.
      wheelRemainder_ += wheel->angleDelta().y();
      while (wheelRemainder_ >= kWheelNotch || wheelRemainder_ <= -kWheelNotch) {
        const bool up = wheelRemainder_ > 0;
        wheelRemainder_ += up ? -kWheelNotch : kWheelNotch;
        ScrollBoxMouseWheel(box, wheel->globalPosition().toPoint(), up);
      }
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void THelpFrm::closeEvent(QCloseEvent* event) {
  FormClose();
  QWidget::closeEvent(event);
}

}  // namespace orvane
