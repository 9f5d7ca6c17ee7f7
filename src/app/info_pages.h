#pragma once

#include "widgets/color_tab_widget.h"
#include "widgets/url_label.h"

class QLabel;
class QPlainTextEdit;
class QScrollArea;

namespace orvane {

class DesktopServices;
class CaptionLabel;
class BevelPanel;

// The "About" page: product name, version, pictures, web link, rights notice.
class AboutPage : public TabPage {
  Q_OBJECT
 public:
  explicit AboutPage(DesktopServices& services, QWidget* parent = nullptr);

  void onWebAddressClicked();

 private:
  BevelPanel* aboutPanel;
  QLabel* bannerPicture;  // banner
  QLabel* bookPicture;    // book beside a pocket calculator
  QLabel* programNameLabel;
  QLabel* versionLabel;
  CaptionLabel* webAddressLabel;    // the maker's web address
  CaptionLabel* rightsNoticeLabel;  // the rights notice

  DesktopServices& services_;
  WebLink siteLink_;  // the maker's site, without the slash the Links page adds
};

// The "Tips" page.
class TipsPage : public TabPage {
  Q_OBJECT
 public:
  explicit TipsPage(QWidget* parent = nullptr);

 private:
  QScrollArea* tipsScroll;
  QWidget* tipsContent;
  QLabel* tipsHeading;
  QLabel* tipsSubheading;
  QPlainTextEdit* tipsText;  // read-only
};

// The "Links" page: the maker's site, mail and the donation link. It also
// holds the two link targets that the web and mail links open.
class LinksPage : public TabPage {
  Q_OBJECT
 public:
  explicit LinksPage(DesktopServices& services, QWidget* parent = nullptr);

  WebLink webLink;      // web links; each click sets its target first
  WebLink mailAddress;  // the maker's mail address

  void onProgramPageClicked();
  void onMakerSiteClicked();
  void onMailClicked();
  void onDonationClicked();

 private:
  QScrollArea* linksScroll;
  QWidget* linksContent;
  LinkLabel* programPageLink;  // the program's page
  QLabel* shopHeading;
  LinkLabel* makerSiteLink;  // the maker's site
  QPlainTextEdit* shopText;
  LinkLabel* mailLink;  // mail to the maker
  QLabel* donationHeading;
  UrlLabel* donationLink;  // donation
  QPlainTextEdit* donationText;

  DesktopServices& services_;
};

// Building blocks shared with the help window's pages.
// A borderless, flat, read-only memo showing the given lines, in the colours
// of the page it lies on; its text can be selected and copied, and Tab
// reaches it.
QPlainTextEdit* makeMemo(QWidget* parent, const QRect& bounds, const QFont& font, const QStringList& lines);
// The same, as an edit box the user may type into.
QPlainTextEdit* makeEditMemo(QWidget* parent, const QRect& bounds, const QFont& font,
                             const QStringList& lines);
// A label at a place; with a zero size it sizes itself to its text.
QLabel* makeLabel(QWidget* parent, const QRect& bounds, const QFont& font, const QString& text,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop, bool wordWrap = false);
// A white scroll box without a horizontal scroll bar around a content panel
// of the given size.
QScrollArea* makeScrollBox(QWidget* parent, const QRect& bounds, QWidget* content, const QSize& contentSize);
// A picture from the resources; stretched to its bounds when asked.
QLabel* makePicture(QWidget* parent, const QRect& bounds, const QString& resource, bool stretch,
                    const QString& description);

// The colour a web or mail label takes once clicked; it stays.
inline const QColor kVisitedLinkColor{128, 0, 128};

}  // namespace orvane
