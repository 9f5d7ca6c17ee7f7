#include "app/info_pages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <functional>

#include "core/maker_info.h"
#include "core/version.h"
#include "platform/guarded_connect.h"
#include "widgets/bevel_panel.h"
#include "widgets/caption_label.h"
#include "widgets/look.h"
#include "widgets/object_names.h"

namespace orvane {

namespace {

QFont arial(int px, bool bold = false, bool underline = false) {
  return makeFont(QStringLiteral("Arial"), px, bold, false, underline);
}

LinkLabel* makeLinkLabel(QWidget* parent, QPoint at, const QString& text, const QString& target,
                         const QString& hint, std::function<void()> onClick) {
  auto* label = new LinkLabel(parent);
  label->setText(text);
  label->setLinkTarget(target);
  label->setFont(arial(19, false, true));
  setTextColor(label, cl::Blue);
  label->setCursor(Qt::PointingHandCursor);
  label->move(at);
  label->adjustSize();
  if (!hint.isEmpty()) label->setToolTip(hint);
  label->setAccessibleName(text);
  guardedConnect(label, &LinkLabel::clicked, parent, std::move(onClick));
  return label;
}

// A one-line label whose text is longer than its place (another language)
// grows to the text, up to `maxWidth`; longer still, it wraps onto more lines.
// Returns the height it grew by, for what lies below it to move down.
int widenToText(QLabel* label, int maxWidth) {
  const QFontMetrics metrics = label->fontMetrics();
  const int needed = metrics.horizontalAdvance(label->text()) + 2;
  if (needed <= label->width()) return 0;
  if (needed <= maxWidth) {
    label->resize(needed, label->height());
    return 0;
  }
  label->setWordWrap(true);
  const int height =
      metrics.boundingRect(QRect(0, 0, maxWidth, 1 << 20), Qt::TextWordWrap, label->text()).height();
  const int grown = std::max(0, height - label->height());
  label->resize(maxWidth, label->height() + grown);
  return grown;
}

// The height a memo's text takes, laid out as the memo lays it out: wrapped
// at its width, a word longer than a line broken anywhere, each line a line
// spacing apart.
int wrappedHeight(const QPlainTextEdit* memo) {
  const qreal margin = memo->document()->documentMargin();
  QTextOption option = memo->document()->defaultTextOption();
  option.setWrapMode(memo->wordWrapMode());
  int rows = 0;
  for (const QString& line : memo->toPlainText().split(u'\n')) {
    QTextLayout layout(line, memo->font());
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
      row.setLineWidth(memo->width() - 2 * margin - 2);
      ++rows;
    }
    layout.endLayout();
  }
  return rows * int(std::ceil(QFontMetricsF(memo->font()).lineSpacing())) + int(std::ceil(2 * margin));
}

// `w` grew by `grown` pixels below `oldBottom`: what lies below it on
// `content` moves down as far, and the content grows with it.
void makeRoomBelow(QWidget* w, int oldBottom, int grown, QWidget* content) {
  if (grown <= 0) return;
  for (QWidget* other : content->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (other != w && other->y() > oldBottom) other->move(other->x(), other->y() + grown);
  content->resize(content->width(), content->height() + grown);
}

// A memo whose text (another language) takes more lines than its box grows
// to hold them, and what follows it moves down.
void growToText(QPlainTextEdit* memo, QWidget* content) {
  const int oldBottom = memo->geometry().bottom();
  const int grown = wrappedHeight(memo) - memo->height();
  if (grown > 0) memo->resize(memo->width(), memo->height() + grown);
  makeRoomBelow(memo, oldBottom, grown, content);
}

// A one-line label running past `right` (another language) wraps there, and
// what follows it moves down.
void wrapAt(QLabel* label, int right, QWidget* content) {
  if (label->geometry().right() < right) return;
  const int oldBottom = label->geometry().bottom();
  label->setWordWrap(true);
  const int width = right - label->x();
  const int height = std::max(label->height(), label->heightForWidth(width));
  label->resize(width, height);
  makeRoomBelow(label, oldBottom, height - (oldBottom - label->y() + 1), content);
}

}  // namespace

namespace {

// The memo is part of the page it lies on: its colours, not the desktop's
// edit box colours.
void takePageColours(QWidget* memo, QWidget* parent) {
  const QPalette page = parent->palette();
  QPalette pal = memo->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    pal.setColor(group, QPalette::Base, page.color(group, parent->backgroundRole()));
    pal.setColor(group, QPalette::Text, page.color(group, parent->foregroundRole()));
  }
  memo->setPalette(pal);
  setBackground(memo, page.color(parent->backgroundRole()));
}

}  // namespace

QPlainTextEdit* makeMemo(QWidget* parent, const QRect& bounds, const QFont& font, const QStringList& lines) {
  QPlainTextEdit* memo = makeEditMemo(parent, bounds, font, lines);
  memo->setReadOnly(true);
  // Text to read, select and copy with the keyboard as with the mouse.
  memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  return memo;
}

QPlainTextEdit* makeEditMemo(QWidget* parent, const QRect& bounds, const QFont& font,
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
  takePageColours(memo, parent);
  memo->setAccessibleName(lines.value(0).trimmed());
  return memo;
}

QLabel* makeLabel(QWidget* parent, const QRect& bounds, const QFont& font, const QString& text,
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

QScrollArea* makeScrollBox(QWidget* parent, const QRect& bounds, QWidget* content, const QSize& contentSize) {
  auto* box = new QScrollArea(parent);
  box->setGeometry(bounds);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  box->setWidgetResizable(false);
  box->setFocusPolicy(Qt::StrongFocus);
  box->verticalScrollBar()->setSingleStep(8);
  setPaper(box);
  setPaper(box->viewport());
  content->resize(contentSize);
  setPaper(content);
  box->setWidget(content);
  return box;
}

QLabel* makePicture(QWidget* parent, const QRect& bounds, const QString& resource, bool stretch,
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

AboutPage::AboutPage(DesktopServices& services, QWidget* parent)
    : TabPage(parent), services_(services), siteLink_(services) {
  siteLink_.URLType = UrlScheme::Https;
  siteLink_.URL = maker::kWebSite;
  aboutPanel = new BevelPanel(this);
  aboutPanel->setGeometry(18, 8, 489, 313);
  aboutPanel->setBevels(BevelPanel::Bevel::Raised, BevelPanel::Bevel::Lowered, 4);
  aboutPanel->setColor(cl::White);
  setPaper(aboutPanel);

  bannerPicture = makePicture(aboutPanel, QRect(48, 32, 394, 63), QStringLiteral(":/pictures/banner.gif"),
                              false, tr("Orvane banner"));
  bookPicture =
      makePicture(aboutPanel, QRect(32, 128, 128, 128), QStringLiteral(":/pictures/book_calculator.jpg"),
                  true, tr("A book beside a pocket calculator"));
  programNameLabel = makeLabel(aboutPanel, QRect(192, 136, 257, 28), arial(24), QStringLiteral("Orvane"),
                               Qt::AlignHCenter | Qt::AlignTop, true);
  //: Short for "Version", before the version number
  versionLabel = makeLabel(aboutPanel, QRect(184, 168, 281, 28), arial(24),
                           tr("Ver. %1").arg(QLatin1String(kVersion)), Qt::AlignHCenter | Qt::AlignTop, true);

  webAddressLabel = new CaptionLabel(aboutPanel);
  webAddressLabel->setGeometry(192, 233, 265, 26);
  webAddressLabel->setCaption(maker::kWebSite);
  webAddressLabel->setFont(arial(21));
  webAddressLabel->setCaptionAlignment(Qt::AlignHCenter);
  webAddressLabel->setTextColor(cl::Blue);
  webAddressLabel->setCursor(Qt::PointingHandCursor);
  webAddressLabel->setToolTip(tr("Click to visit web site."));
  webAddressLabel->setLinkTarget(urlPrefix(UrlScheme::Https) + maker::kWebSite);
  guardedConnect(webAddressLabel, &CaptionLabel::clicked, this, &AboutPage::onWebAddressClicked);

  rightsNoticeLabel = new CaptionLabel(aboutPanel);
  rightsNoticeLabel->setGeometry(48, 290, 401, 16);
  rightsNoticeLabel->setCaption(QCoreApplication::translate("maker", maker::kRightsNotice));
  rightsNoticeLabel->setFont(arial(13));
  rightsNoticeLabel->setCaptionAlignment(Qt::AlignHCenter);
  rightsNoticeLabel->setTextColor(cl::Black);
  // A longer notice (another language) takes the panel's width, still centred;
  // longer still, it wraps, growing upwards into the space above it.
  const QFontMetrics noticeFont = rightsNoticeLabel->fontMetrics();
  const int noticeWidth = noticeFont.horizontalAdvance(rightsNoticeLabel->caption()) + 4;
  if (noticeWidth > rightsNoticeLabel->width()) {
    const int width = std::min(noticeWidth, aboutPanel->width() - 2 * 8);
    const int height = std::max(
        rightsNoticeLabel->height(),
        noticeFont
            .boundingRect(QRect(0, 0, width - 4, 1 << 20), Qt::TextWordWrap, rightsNoticeLabel->caption())
            .height());
    const int bottom = rightsNoticeLabel->geometry().bottom();
    rightsNoticeLabel->setGeometry((aboutPanel->width() - width) / 2, bottom + 1 - height, width, height);
  }

  nameChildren({{aboutPanel, "aboutPanel"},
                {bannerPicture, "bannerPicture"},
                {bookPicture, "bookPicture"},
                {programNameLabel, "programNameLabel"},
                {versionLabel, "versionLabel"},
                {webAddressLabel, "webAddressLabel"},
                {rightsNoticeLabel, "rightsNoticeLabel"}});
}

void AboutPage::onWebAddressClicked() {
  webAddressLabel->setTextColor(kVisitedLinkColor);
  if (!siteLink_.execute()) reportUnopenedAddress(services_, webAddressLabel, siteLink_.fullTarget());
}

// ---------------------------------------------------------------- Tips

TipsPage::TipsPage(QWidget* parent) : TabPage(parent) {
  tipsContent = new QWidget;
  tipsScroll = makeScrollBox(this, QRect(18, 16, 489, 305), tipsContent, QSize(480, 301));
  tipsScroll->setAccessibleName(tr("Tips"));

  tipsHeading = makeLabel(tipsContent, QRect(95, 12, 289, 48), arial(19), tr("Welcome to Orvane"),
                          Qt::AlignHCenter | Qt::AlignTop, true);
  tipsSubheading = makeLabel(tipsContent, QRect(20, 52, 341, 23), arial(16, true),
                             tr("Hit the ENTER KEY after making a data entry.  "));
  // A longer subheading (another language) may take the width of the text
  // below it.
  const int below = widenToText(tipsSubheading, 441);
  //: The lines are broken by hand to fit a box about 60 characters wide; break
  //: the translation's lines to fit the same width. "10 Key Pad": the numeric keypad.
  const QString tips =
      tr("The Enter Key will  initiate the calculation and in some cases\n"
         "move you to the next data entry.  This is especially true for the \n"
         "Bead Calculator and Bead Worksheet.\n"
         "\n"
         "Inches may be entered as a fraction (1/4) or as a decimal (0.250).\n"
         "\n"
         "The 10 Key Pad and Mouse Wheel may be used throughout the \n"
         "program.\n"
         "\n"
         "The Esc Key will close additional open Windows such as the \n"
         "Calculator, Help or Worksheet Windows.");
  tipsText = makeMemo(tipsContent, QRect(20, 88 + below, 441, 201), arial(15), tips.split(u'\n'));
  tipsText->setAccessibleName(tr("Tips"));
  // A wrapped subheading, or tips with more lines than the box holds (another
  // language), make the page they scroll on taller.
  tipsContent->resize(tipsContent->width(), tipsContent->height() + below);
  growToText(tipsText, tipsContent);

  nameChildren({{tipsScroll, "tipsScroll"},
                {tipsContent, "tipsContent"},
                {tipsHeading, "tipsHeading"},
                {tipsSubheading, "tipsSubheading"},
                {tipsText, "tipsText"}});
}

// ---------------------------------------------------------------- Links

LinksPage::LinksPage(DesktopServices& services, QWidget* parent)
    : TabPage(parent), webLink(services), mailAddress(services), services_(services) {
  webLink.URLType = UrlScheme::Https;
  webLink.URL = maker::kWebSite + u'/';
  mailAddress.URLType = UrlScheme::Mailto;
  mailAddress.URL = maker::kDisplayName + QStringLiteral(" <") + maker::kMailAddress + u'>';

  linksContent = new QWidget;
  linksScroll = makeScrollBox(this, QRect(18, 8, 489, 313), linksContent, QSize(480, 309));
  linksScroll->setAccessibleName(tr("Links"));

  programPageLink = makeLinkLabel(
      linksContent, {47, 23}, QStringLiteral("Orvane"), urlPrefix(webLink.URLType) + maker::kProgramPage,
      QStringLiteral("https://") + maker::kProgramPage, [this] { onProgramPageClicked(); });
  shopHeading =
      makeLabel(linksContent, QRect(69, 48, 0, 0), arial(16), tr("Check for latest verion of  the program."));
  makerSiteLink = makeLinkLabel(
      linksContent, {45, 86}, maker::kShopName, urlPrefix(webLink.URLType) + maker::kWebSite + u'/',
      QStringLiteral("https://") + maker::kWebSite, [this] { onMakerSiteClicked(); });
  // Read, selected and copied, never typed into.
  shopText = makeMemo(linksContent, QRect(66, 112, 385, 49), arial(16),
                      //: Two lines broken by hand, about 50 characters each
                      tr("Jewelry making supplies for the professional jewelry \n"
                         "designer and the hobbyist.")
                          .split(u'\n'));
  shopText->setAccessibleName(tr("About the shop"));
  //: %1 is the mail address
  const QString mailCaption = tr("E-Mail:  %1").arg(maker::kMailAddress);
  mailLink = makeLinkLabel(linksContent, {45, 167}, mailCaption, mailAddress.fullTarget(), QString(),
                           [this] { onMailClicked(); });
  donationHeading = makeLabel(linksContent, QRect(69, 192, 0, 0), arial(16),
                              tr("Report program error; contact programmer."));

  donationLink = new UrlLabel(services_, linksContent);
  donationLink->setGeometry(48, 229, 273, 22);
  donationLink->setFont(arial(19, false, true));
  donationLink->setWordWrap(true);
  donationLink->setFontColor(cl::Blue);
  donationLink->setHighlightColor(cl::Blue);
  donationLink->setUrl(maker::kDonationUrl);
  donationLink->setCaption(tr("Donate to Support Programming"));
  // The caption is meant for one line: where the stand-in font runs a little
  // wider than the box, the box grows rather than wrapping into the memo below.
  donationLink->resize(std::max(273, donationLink->fontMetrics().horizontalAdvance(donationLink->text()) + 4),
                       22);
  guardedConnect(donationLink, &LinkLabel::clicked, this, &LinksPage::onDonationClicked);

  donationText = makeMemo(linksContent, QRect(66, 256, 385, 49), arial(16),
                          //: Two lines broken by hand, about 50 characters each
                          tr("If you find this program usefull, please consider \n"
                             "donating to our programming efforts.")
                              .split(u'\n'));
  donationText->setAccessibleName(tr("About donations"));

  // Longer texts (another language) push what follows them down, and wrap
  // before the scroll bar that a longer page brings.
  const int right = linksScroll->width() - 2 * linksScroll->frameWidth() -
                    linksScroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, linksScroll);
  for (QLabel* label :
       {static_cast<QLabel*>(programPageLink), shopHeading, static_cast<QLabel*>(makerSiteLink)})
    wrapAt(label, right, linksContent);
  growToText(shopText, linksContent);
  for (QLabel* label : {static_cast<QLabel*>(mailLink), donationHeading, static_cast<QLabel*>(donationLink)})
    wrapAt(label, right, linksContent);
  growToText(donationText, linksContent);

  nameChildren({{linksScroll, "linksScroll"},
                {linksContent, "linksContent"},
                {programPageLink, "programPageLink"},
                {shopHeading, "shopHeading"},
                {makerSiteLink, "makerSiteLink"},
                {shopText, "shopText"},
                {mailLink, "mailLink"},
                {donationHeading, "donationHeading"},
                {donationLink, "donationLink"},
                {donationText, "donationText"}});
}

// A link that cannot be opened (no browser or mail program) says so and
// offers its address for copying.
void LinksPage::onProgramPageClicked() {
  setTextColor(programPageLink, kVisitedLinkColor);
  webLink.URL = maker::kProgramPage;
  if (!webLink.execute()) reportUnopenedAddress(services_, programPageLink, webLink.fullTarget());
}

void LinksPage::onMakerSiteClicked() {
  setTextColor(makerSiteLink, kVisitedLinkColor);
  webLink.URL = maker::kWebSite + u'/';
  if (!webLink.execute()) reportUnopenedAddress(services_, makerSiteLink, webLink.fullTarget());
}

void LinksPage::onMailClicked() {
  setTextColor(mailLink, kVisitedLinkColor);
  if (!mailAddress.execute()) reportUnopenedAddress(services_, mailLink, mailAddress.fullTarget());
}

// The donation label opens its page itself.
void LinksPage::onDonationClicked() {}

}  // namespace orvane
