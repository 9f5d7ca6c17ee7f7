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

#include "platform/window_frame.h"
#include "app/app_context.h"
#include "app/info_pages.h"
#include "core/maker_info.h"
#include "widgets/ext_page_control.h"
#include "widgets/look.h"
#include "widgets/panel.h"

namespace orvane {

namespace {

constexpr int kWheelNotch = 120;  // angle delta of one wheel notification

QFont Arial(int px, bool bold = false) { return MakeFont(QStringLiteral("Arial"), px, bold); }

// Lays the help texts and pictures out top to bottom on a white panel.
class Column {
 public:
  Column(QWidget* panel, int top) : panel_(panel), y_(top) {}

  QLabel* Heading(const QString& text) {
    QLabel* label = MakeLabel(panel_, QRect(0, y_, panel_->width(), 26), Arial(19), text, Qt::AlignCenter);
    y_ += 28;
    return label;
  }

  QPlainTextEdit* Memo(const QStringList& lines, int px = 13) {
    const int lineHeight = QFontMetrics(Arial(px)).lineSpacing();
    const int h = lineHeight * static_cast<int>(lines.size()) + 6;
    QPlainTextEdit* memo = MakeMemo(panel_, QRect(14, y_, panel_->width() - 20, h), Arial(px), lines);
    y_ += h + 6;
    return memo;
  }

  QLabel* Picture(const QString& file, QSize size, bool stretch, const QString& description) {
    const int x = (panel_->width() - size.width()) / 2;
    QLabel* picture = MakePicture(panel_, QRect(QPoint(x, y_), size), QStringLiteral(":/pictures/") + file,
                                  stretch, description);
    y_ += size.height() + 8;
    return picture;
  }

  void Skip(int pixels) { y_ += pixels; }
  int Y() const { return y_; }

 private:
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

// The Metal Calculator is reached from the Weight page, a calculator like
// these, so its help follows theirs.
void MetalSection(Column& col) {
  col.Skip(12);
  col.Heading(QStringLiteral("Metal Calculator"));
  col.Memo({QStringLiteral("Press Metal\u2026 on the Weight page. Pick the metal and"),
            QStringLiteral("the shape, type the sizes in Millimeters or Inches (1/16"),
            QStringLiteral("or 0.0625) and hit the Enter Key after each entry.")});
  col.Picture(QStringLiteral("help_metal_calculator.png"), {347, 118}, false,
              QStringLiteral("100 mm of 1.0 mm sterling silver wire weighing 0.8137 grams"));
  col.Memo({QStringLiteral("For wire, a Brown & Sharp gauge fills in the diameter."),
            QStringLiteral("For a ring blank, pick the ring size: the blank is"),
            QStringLiteral("3.1416 x (inner diameter + thickness) long, plus the"),
            QStringLiteral("allowance you type for the saw cut and filing. Type a"),
            QStringLiteral("price per troy ounce to see the metal cost. The Weight"),
            QStringLiteral("page also converts troy ounces, pennyweights and grains.")});
}

}  // namespace

THelpFrm::THelpFrm(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
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
  TabSheet7->OnShow = [this] { TabSheet7Show(); };
  TabSheet1->OnShow = [this] { TabSheet1Show(); };

  BuildLicensePage();
  BuildStoneSizePage();
  BuildBeadCalculatorPage();
  BuildWorksheetPage();
  HelpPageControl1->SetActivePage(TabSheet5);

  // F1 opens the help in every window; here that is this window as it is.
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  help->setContext(Qt::WindowShortcut);
  connect(help, &QShortcut::activated, this, [this] { ShowWindow(this); });

  // The window sees every key before the focused control (for Esc), and the
  // scroll boxes take the wheel by their own rule.
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void THelpFrm::BuildLicensePage() {
  Panel1 = WhitePanel(TabSheet5, QRect(8, 16, 393, 401));
  Column col(Panel1, 10);
  col.Heading(QStringLiteral("License Agreement"));
  Memo4 = col.Memo({QStringLiteral("%1 is made by %2.").arg(QStringLiteral("Orvane"), maker::kMakerName),
                    QStringLiteral("You may use this program free of charge, and you may give"),
                    QStringLiteral("copies of it to others, provided that it is passed on whole,"),
                    QStringLiteral("unchanged and free of charge, with this notice."),
                    QStringLiteral("The program remains the property of its maker.")});
  Memo4->setAccessibleName(QStringLiteral("License Agreement"));
  col.Skip(6);
  col.Heading(QStringLiteral("Disclaimer and Warranty"));
  Memo5 = MakeMemo(Panel1, QRect(16, col.Y(), 361, 185), Arial(13),
                   {QStringLiteral("This program is provided \"as is\", without warranty of any"),
                    QStringLiteral("kind, express or implied, including but not limited to the"),
                    QStringLiteral("warranties of merchantability and fitness for a particular"),
                    QStringLiteral("purpose. The whole risk as to the results and performance"),
                    QStringLiteral("of the program is with you."), QString(),
                    QStringLiteral("In no event shall %1 be liable for any").arg(maker::kMakerName),
                    QStringLiteral("damage or loss arising from the use of Orvane or from the"),
                    QStringLiteral("inability to use it. By using Orvane you agree to hold"),
                    QStringLiteral("its maker harmless from any such claim.")});
  Memo5->setAccessibleName(QStringLiteral("Disclaimer and Warranty"));

  Button1 = new QPushButton(QStringLiteral("Close"), Panel1);
  Button1->setFont(Arial(13, true));
  Button1->setGeometry(160, 360, 75, 25);
  Button1->setVisible(false);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void THelpFrm::BuildStoneSizePage() {
  Panel2 = WhitePanel(TabSheet6, QRect(32, 16, 361, 401));
  Column col(Panel2, 10);
  col.Heading(QStringLiteral("Stone Size"));
  col.Heading(QStringLiteral("PP SS Calculator"));
  col.Skip(4);
  col.Picture(QStringLiteral("help_converter_sizes.png"), {257, 67}, false,
              QStringLiteral("Millimeters 3.17500 and Inches 1/8 with the clear button"));
  col.Memo({QStringLiteral("Enter either Millimeter or Inches and hit the \"Enter Key\","),
            QStringLiteral("this will find the round stone size in PP and SS.  Inches"),
            QStringLiteral("may be entered as a fraction (1/4) or a decimal (0.250).")});
  col.Picture(QStringLiteral("help_converter_lists.png"), {207, 63}, false,
              QStringLiteral("Pearl Plate 19 - 20 and Stone Size 9"));
  col.Memo({QStringLiteral("Note that if the millimeter is on the exact boundary "),
            QStringLiteral("between two sizes, both will be displayed with a \"-\"."),
            QStringLiteral("For example 2.7 mm , 20 - 21 PP, and 9 - 10 SS.")});
}

void THelpFrm::BuildBeadCalculatorPage() {
  Panel3 = new QWidget;
  ScrollBox1 = MakeScrollBox(TabSheet7, QRect(16, 16, 393, 409), Panel3, QSize(369, 1100));
  ScrollBox1->setAccessibleName(QStringLiteral("Bead Calculator help"));
  Column col(Panel3, 8);
  col.Heading(QStringLiteral("Bead Calculator"));
  col.Memo({QStringLiteral("Please note that Inches may be entered as a "),
            QStringLiteral("fraction (1/4) or as a decimal (0.250).")},
           15);
  col.Picture(QStringLiteral("help_bead_size.png"), {347, 93}, true,
              QStringLiteral("Bead size 1/8 inch giving 8.00 beads per inch"));
  col.Memo({QStringLiteral("Enter the bead or stone size in either Millimeter or Inches "),
            QStringLiteral("and hit the \"Enter Key\", this will calculate the Beads per "),
            QStringLiteral("Inch and move to the next data entry.")});
  col.Picture(QStringLiteral("help_bead_strand.png"), {347, 109}, false,
              QStringLiteral("42 beads giving 5.25 inches; 17 1/2 inches giving 140.00 beads"));
  col.Memo({QStringLiteral("Enter the Number of Beads to calculate the length in "),
            QStringLiteral("Inches."), QString(),
            QStringLiteral("Enter the Desired Length in Inches to find the number of "),
            QStringLiteral("beads needed.")});
  col.Picture(QStringLiteral("help_stone_area.png"), {326, 113}, false,
              QStringLiteral("An area of 6 1/4 by 7 1/8 inches giving 2850 square and 3291 hexagonal"));
  col.Memo({QStringLiteral("To calculate the number of stones needed to cover an "),
            QStringLiteral("area, enter the length and width of the area in inches. "),
            QStringLiteral("Hit the Enter Key after each entry.")});

  const int patternTop = col.Y();
  MakePicture(Panel3, QRect(64, patternTop, 97, 97), QStringLiteral(":/pictures/pattern_square.png"), false,
              QStringLiteral("Round stones in a square pattern"));
  MakePicture(Panel3, QRect(208, patternTop, 97, 97), QStringLiteral(":/pictures/pattern_hexagonal.png"),
              false, QStringLiteral("Round stones in a hexagonal pattern"));
  MakeLabel(Panel3, QRect(48, patternTop + 100, 129, 18), Arial(13), QStringLiteral("Square Pattern"),
            Qt::AlignHCenter | Qt::AlignTop);
  MakeLabel(Panel3, QRect(192, patternTop + 100, 129, 18), Arial(13), QStringLiteral("Hexagonal Pattern"),
            Qt::AlignHCenter | Qt::AlignTop);
  col.Skip(97 + 28);

  col.Memo({QStringLiteral("The above example assumes the stones are touching"),
            QStringLiteral("each other. "), QString(),
            QStringLiteral("The number of stones needed to cover an area depends "),
            QStringLiteral("on the pattern of the stones.  The least amount of stones "),
            QStringLiteral("is the square pattern with a pattern density of 78.5%. The "),
            QStringLiteral("highest pattern desity is 90.7% with a hexagonal pattern.")});
  col.Picture(QStringLiteral("help_stone_spacing.png"), {115, 79}, false,
              QStringLiteral("Stone spacing 1/4"));
  col.Memo({QStringLiteral("For less dense packing, enter the desired Stone Spacing"),
            QStringLiteral("in Inches and hit the Enter Key.  This will recalculate the "),
            QStringLiteral("number of stones required to cover the area.")});
  MetalSection(col);
  Panel3->resize(Panel3->width(), col.Y() + 8);
}

void THelpFrm::BuildWorksheetPage() {
  Panel4 = new QWidget;
  ScrollBox2 = MakeScrollBox(TabSheet1, QRect(16, 16, 393, 409), Panel4, QSize(370, 740));
  ScrollBox2->setAccessibleName(QStringLiteral("Worksheet help"));
  Column col(Panel4, 8);
  col.Heading(QStringLiteral("Bead Worksheet"));
  col.Memo({QStringLiteral("Please note that Inches may be entered as a "),
            QStringLiteral("fraction (1/4) or as a decimal (0.250).")},
           15);
  col.Memo({QStringLiteral("The Bead Worksheet enables you to easily and quickly"),
            QStringLiteral("layout a bead project.  The Bead Worksheet has similar"),
            QStringLiteral("capabilities of the Bead Calculator.")});
  col.Picture(QStringLiteral("help_worksheet_project.png"), {320, 43}, true,
              QStringLiteral("The project name box holding a necklace name"));
  col.Memo({QStringLiteral("Enter a Project Name and hit the Enter Key to move to"),
            QStringLiteral("the Bead Description.")});
  col.Picture(QStringLiteral("help_worksheet_description.png"), {212, 58}, false,
              QStringLiteral("The first bead description box"));
  col.Memo({QStringLiteral("Enter a Bead Description and hit the Enter Key to move"),
            QStringLiteral("to the Bead Size.")});
  col.Picture(QStringLiteral("help_worksheet_size.png"), {233, 75}, false,
              QStringLiteral("A row with a 12 mm bead size and 17 beads"));
  col.Memo({QStringLiteral("Enter the bead or stone size in either Millimeter or Inches "),
            QStringLiteral("and hit the Enter Key, this will calculate the Beads per "),
            QStringLiteral("Inch and move to the next entry.")});
  col.Picture(QStringLiteral("help_worksheet_length.png"), {225, 74}, false,
              QStringLiteral("17 beads, 2.12 beads per inch, 8.03 inches"));
  col.Memo({QStringLiteral("Enter the Number of Beads.  This will calculate the "),
            QStringLiteral("Length in Inches.  Hit the Enter Key and you will move"),
            QStringLiteral("to the next Bead Description.")});
  col.Memo({QStringLiteral("The UP Arrow and DOWN Arrow keys may be used"),
            QStringLiteral("on the Bead Worksheet when adjusting the Number of "),
            QStringLiteral("Beads to move from bead to bead.")});
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

void THelpFrm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace orvane
