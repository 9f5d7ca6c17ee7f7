#include "app/info_pages.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <functional>

#include "core/maker_info.h"
#include "core/version.h"
#include "platform/guarded_connect.h"
#include "widgets/fx_label.h"
#include "widgets/look.h"
#include "widgets/panel.h"

namespace orvane {

namespace {

QFont Arial(int px, bool bold = false, bool underline = false) {
  return MakeFont(QStringLiteral("Arial"), px, bold, false, underline);
}

TLinkLabel* MakeLinkLabel(QWidget* parent, QPoint at, const QString& text, const QString& target,
                          const QString& hint, std::function<void()> onClick) {
  auto* label = new TLinkLabel(parent);
  label->setText(text);
  label->SetLinkTarget(target);
  label->setFont(Arial(19, false, true));
  SetTextColor(label, cl::Blue);
  label->setCursor(Qt::PointingHandCursor);
  label->move(at);
  label->adjustSize();
  if (!hint.isEmpty()) label->setToolTip(hint);
  label->setAccessibleName(text);
  GuardedConnect(label, &TLinkLabel::clicked, parent, std::move(onClick));
  return label;
}

}  // namespace

namespace {

// The memo is part of the page it lies on: its colours, not the desktop's
// edit box colours.
void TakePageColours(QWidget* memo, QWidget* parent) {
  const QPalette page = parent->palette();
  QPalette pal = memo->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    pal.setColor(group, QPalette::Base, page.color(group, parent->backgroundRole()));
    pal.setColor(group, QPalette::Text, page.color(group, parent->foregroundRole()));
  }
  memo->setPalette(pal);
  SetBackground(memo, page.color(parent->backgroundRole()));
}

}  // namespace

QPlainTextEdit* MakeMemo(QWidget* parent, const QRect& bounds, const QFont& font, const QStringList& lines) {
  QPlainTextEdit* memo = MakeEditMemo(parent, bounds, font, lines);
  memo->setReadOnly(true);
  // Text to read, select and copy with the keyboard as with the mouse.
  memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  return memo;
}

QPlainTextEdit* MakeEditMemo(QWidget* parent, const QRect& bounds, const QFont& font,
                             const QStringList& lines) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setGeometry(bounds);
  memo->setFont(font);
  memo->setFrameShape(QFrame::NoFrame);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->document()->setDocumentMargin(1);
  // Tab moves on, as in the other boxes: a memo is no trap for the keyboard.
  memo->setTabChangesFocus(true);
  memo->setPlainText(lines.join(u'\n'));
  TakePageColours(memo, parent);
  memo->setAccessibleName(lines.value(0).trimmed());
  return memo;
}

QLabel* MakeLabel(QWidget* parent, const QRect& bounds, const QFont& font, const QString& text,
                  Qt::Alignment alignment, bool wordWrap) {
  auto* label = new QLabel(text, parent);
  label->setFont(font);
  label->setAlignment(alignment);
  label->setWordWrap(wordWrap);
  label->move(bounds.topLeft());
  if (bounds.size().isEmpty())
    label->adjustSize();
  else
    label->resize(bounds.size());
  return label;
}

QScrollArea* MakeScrollBox(QWidget* parent, const QRect& bounds, QWidget* content, const QSize& contentSize) {
  auto* box = new QScrollArea(parent);
  box->setGeometry(bounds);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  box->setWidgetResizable(false);
  box->setFocusPolicy(Qt::StrongFocus);
  box->verticalScrollBar()->setSingleStep(8);
  SetPaper(box);
  SetPaper(box->viewport());
  content->resize(contentSize);
  SetPaper(content);
  box->setWidget(content);
  return box;
}

QLabel* MakePicture(QWidget* parent, const QRect& bounds, const QString& resource, bool stretch,
                    const QString& description) {
  auto* picture = new QLabel(parent);
  picture->setGeometry(bounds);
  // The format is known from the name: letting Qt guess would load every
  // image plug-in and its library.
  QImageReader reader(resource, QFileInfo(resource).suffix().toLatin1());
  reader.setAutoDetectImageFormat(false);
  picture->setPixmap(QPixmap::fromImage(reader.read()));
  picture->setScaledContents(stretch);
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture->setAccessibleName(description);
  return picture;
}

// ---------------------------------------------------------------- About

TAboutPage::TAboutPage(DesktopServices& services, QWidget* parent)
    : TTabSheet(parent), services_(services), siteLink_(services) {
  siteLink_.URLType = TURLType::utHttps;
  siteLink_.URL = maker::kWebSite;
  Panel16 = new TPanel(this);
  Panel16->setGeometry(18, 8, 489, 313);
  Panel16->SetBevels(TPanel::Bevel::Raised, TPanel::Bevel::Lowered, 4);
  Panel16->SetColor(cl::White);
  SetPaper(Panel16);

  Image1 = MakePicture(Panel16, QRect(48, 32, 394, 63), QStringLiteral(":/pictures/banner.gif"), false,
                       QStringLiteral("Orvane banner"));
  Image2 = MakePicture(Panel16, QRect(32, 128, 128, 128), QStringLiteral(":/pictures/book_calculator.jpg"),
                       true, QStringLiteral("A book beside a pocket calculator"));
  Label4 = MakeLabel(Panel16, QRect(192, 136, 257, 25), Arial(24), QStringLiteral("Orvane"),
                     Qt::AlignHCenter | Qt::AlignTop, true);
  Label5 =
      MakeLabel(Panel16, QRect(184, 168, 281, 25), Arial(24),
                QStringLiteral("Ver. ") + QLatin1String(kVersion), Qt::AlignHCenter | Qt::AlignTop, true);

  FxLabel7 = new TFxLabel(Panel16);
  FxLabel7->setGeometry(192, 233, 265, 26);
  FxLabel7->SetCaption(maker::kWebSite);
  FxLabel7->setFont(Arial(21));
  FxLabel7->SetAlignment(Qt::AlignHCenter);
  FxLabel7->SetTextColor(cl::Blue);
  FxLabel7->setCursor(Qt::PointingHandCursor);
  FxLabel7->setToolTip(QStringLiteral("Click to visit web site."));
  FxLabel7->SetLinkTarget(URLPrefix(TURLType::utHttps) + maker::kWebSite);
  GuardedConnect(FxLabel7, &TFxLabel::clicked, this, &TAboutPage::FxLabel7Click);

  FxLabel5 = new TFxLabel(Panel16);
  FxLabel5->setGeometry(48, 290, 401, 16);
  FxLabel5->SetCaption(maker::kRightsNotice);
  FxLabel5->setFont(Arial(13));
  FxLabel5->SetAlignment(Qt::AlignHCenter);
  FxLabel5->SetTextColor(cl::Black);
}

void TAboutPage::FxLabel7Click() {
  FxLabel7->SetTextColor(kVisitedLinkColor);
  if (!siteLink_.Execute()) ReportUnopenedAddress(services_, FxLabel7, siteLink_.Target());
}

// ---------------------------------------------------------------- Tips

TTipsPage::TTipsPage(QWidget* parent) : TTabSheet(parent) {
  Panel23 = new QWidget;
  ScrollBox2 = MakeScrollBox(this, QRect(18, 16, 489, 305), Panel23, QSize(480, 301));
  ScrollBox2->setAccessibleName(QStringLiteral("Tips"));

  Label41 = MakeLabel(Panel23, QRect(95, 12, 289, 48), Arial(19), QStringLiteral("Welcome to Orvane"),
                      Qt::AlignHCenter | Qt::AlignTop, true);
  Label43 = MakeLabel(Panel23, QRect(20, 52, 341, 23), Arial(16, true),
                      QStringLiteral("Hit the ENTER KEY after making a data entry.  "));
  Memo3 = MakeMemo(Panel23, QRect(20, 88, 441, 201), Arial(15),
                   {QStringLiteral("The Enter Key will  initiate the calculation and in some cases"),
                    QStringLiteral("move you to the next data entry.  This is especially true for the "),
                    QStringLiteral("Bead Calculator and Bead Worksheet."), QString(),
                    QStringLiteral("Inches may be entered as a fraction (1/4) or as a decimal (0.250)."),
                    QString(), QStringLiteral("The 10 Key Pad and Mouse Wheel may be used throughout the "),
                    QStringLiteral("program."), QString(),
                    QStringLiteral("The Esc Key will close additional open Windows such as the "),
                    QStringLiteral("Calculator, Help or Worksheet Windows.")});
  Memo3->setAccessibleName(QStringLiteral("Tips"));
}

// ---------------------------------------------------------------- Links

TLinksPage::TLinksPage(DesktopServices& services, QWidget* parent)
    : TTabSheet(parent), URL1(services), URL2(services), services_(services) {
  URL1.URLType = TURLType::utHttps;
  URL1.URL = maker::kWebSite + u'/';
  URL2.URLType = TURLType::utMailto;
  URL2.URL = maker::kDisplayName + QStringLiteral(" <") + maker::kMailAddress + u'>';

  Panel20 = new QWidget;
  ScrollBox1 = MakeScrollBox(this, QRect(18, 8, 489, 313), Panel20, QSize(480, 309));
  ScrollBox1->setAccessibleName(QStringLiteral("Links"));

  Label14 = MakeLinkLabel(Panel20, {47, 23}, QStringLiteral("Orvane"),
                          URLPrefix(URL1.URLType) + maker::kProgramPage,
                          QStringLiteral("https://") + maker::kProgramPage, [this] { Label14Click(); });
  Label32 = MakeLabel(Panel20, QRect(69, 48, 0, 0), Arial(16),
                      QStringLiteral("Check for latest verion of  the program."));
  Label15 =
      MakeLinkLabel(Panel20, {45, 86}, maker::kShopName, URLPrefix(URL1.URLType) + maker::kWebSite + u'/',
                    QStringLiteral("https://") + maker::kWebSite, [this] { Label15Click(); });
  // Read, selected and copied, never typed into.
  Memo1 = MakeMemo(Panel20, QRect(66, 112, 385, 49), Arial(16),
                   {QStringLiteral("Jewelry making supplies for the professional jewelry "),
                    QStringLiteral("designer and the hobbyist.")});
  Memo1->setAccessibleName(QStringLiteral("About the shop"));
  Label37 = MakeLinkLabel(Panel20, {45, 167}, QStringLiteral("E-Mail:  ") + maker::kMailAddress,
                          URL2.Target(), QString(), [this] { Label37Click(); });
  Label38 = MakeLabel(Panel20, QRect(69, 192, 0, 0), Arial(16),
                      QStringLiteral("Report program error; contact programmer."));

  UrlLabel1 = new TUrlLabel(services_, Panel20);
  UrlLabel1->setGeometry(48, 229, 273, 22);
  UrlLabel1->setFont(Arial(19, false, true));
  UrlLabel1->setWordWrap(true);
  UrlLabel1->SetFontColor(cl::Blue);
  UrlLabel1->SetHighlightColor(cl::Blue);
  UrlLabel1->SetURL(maker::kDonationUrl);
  UrlLabel1->SetCaption(QStringLiteral("Donate to Support Programming"));
  // The caption is meant for one line: where the stand-in font runs a little
  // wider than the box, the box grows rather than wrapping into the memo below.
  UrlLabel1->resize(std::max(273, UrlLabel1->fontMetrics().horizontalAdvance(UrlLabel1->text()) + 4), 22);
  GuardedConnect(UrlLabel1, &TLinkLabel::clicked, this, &TLinksPage::UrlLabel1Click);

  Memo2 = MakeMemo(Panel20, QRect(66, 256, 385, 49), Arial(16),
                   {QStringLiteral("If you find this program usefull, please consider "),
                    QStringLiteral("donating to our programming efforts.")});
  Memo2->setAccessibleName(QStringLiteral("About donations"));
}

// A link that cannot be opened (no browser or mail program) says so and
// offers its address for copying.
void TLinksPage::Label14Click() {
  SetTextColor(Label14, kVisitedLinkColor);
  URL1.URL = maker::kProgramPage;
  if (!URL1.Execute()) ReportUnopenedAddress(services_, Label14, URL1.Target());
}

void TLinksPage::Label15Click() {
  SetTextColor(Label15, kVisitedLinkColor);
  URL1.URL = maker::kWebSite + u'/';
  if (!URL1.Execute()) ReportUnopenedAddress(services_, Label15, URL1.Target());
}

void TLinksPage::Label37Click() {
  SetTextColor(Label37, kVisitedLinkColor);
  if (!URL2.Execute()) ReportUnopenedAddress(services_, Label37, URL2.Target());
}

// The donation label opens its page itself.
void TLinksPage::UrlLabel1Click() {}

}  // namespace orvane
