#pragma once

#include "widgets/ext_page_control.h"
#include "widgets/url_label.h"

class QLabel;
class QPlainTextEdit;
class QScrollArea;

namespace orvane {

class DesktopServices;
class TFxLabel;
class TPanel;

// The "About" page: product name, version, pictures, web link, rights notice.
class TAboutPage : public TTabSheet {
  Q_OBJECT
 public:
  explicit TAboutPage(DesktopServices& services, QWidget* parent = nullptr);

  TPanel* Panel16;
  QLabel* Image1;  // banner
  QLabel* Image2;  // book beside a pocket calculator
  QLabel* Label4;
  QLabel* Label5;
  TFxLabel* FxLabel7;  // the maker's web address
  TFxLabel* FxLabel5;  // the rights notice

  void FxLabel7Click();

 private:
  DesktopServices& services_;
  TURL siteLink_;  // the maker's site, without the slash the Links page adds
};

// The "Tips" page.
class TTipsPage : public TTabSheet {
  Q_OBJECT
 public:
  explicit TTipsPage(QWidget* parent = nullptr);

  QScrollArea* ScrollBox2;
  QWidget* Panel23;
  QLabel* Label41;
  QLabel* Label43;
  QPlainTextEdit* Memo3;  // read-only
};

// The "Links" page: the maker's site, mail and the donation link. It also
// holds the two link targets that the web and mail links open.
class TLinksPage : public TTabSheet {
  Q_OBJECT
 public:
  explicit TLinksPage(DesktopServices& services, QWidget* parent = nullptr);

  QScrollArea* ScrollBox1;
  QWidget* Panel20;
  TLinkLabel* Label14;  // the program's page
  QLabel* Label32;
  TLinkLabel* Label15;  // the maker's site
  QPlainTextEdit* Memo1;
  TLinkLabel* Label37;  // mail to the maker
  QLabel* Label38;
  TUrlLabel* UrlLabel1;  // donation
  QPlainTextEdit* Memo2;

  TURL URL1;  // web links; each click sets its target first
  TURL URL2;  // the maker's mail address

  void Label14Click();
  void Label15Click();
  void Label37Click();
  void UrlLabel1Click();

 private:
  DesktopServices& services_;
};

// Building blocks shared with the help window's pages.
// A borderless, flat, read-only memo showing the given lines, in the colours
// of the page it lies on; its text can be selected and copied, and Tab
// reaches it.
QPlainTextEdit* MakeMemo(QWidget* parent, const QRect& bounds, const QFont& font, const QStringList& lines);
// The same, as an edit box the user may type into.
QPlainTextEdit* MakeEditMemo(QWidget* parent, const QRect& bounds, const QFont& font,
                             const QStringList& lines);
// A label at a place; with a zero size it sizes itself to its text.
QLabel* MakeLabel(QWidget* parent, const QRect& bounds, const QFont& font, const QString& text,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop, bool wordWrap = false);
// A white scroll box without a horizontal scroll bar around a content panel
// of the given size.
QScrollArea* MakeScrollBox(QWidget* parent, const QRect& bounds, QWidget* content, const QSize& contentSize);
// A picture from the resources; stretched to its bounds when asked.
QLabel* MakePicture(QWidget* parent, const QRect& bounds, const QString& resource, bool stretch,
                    const QString& description);

// The colour a web or mail label takes once clicked; it stays.
inline const QColor kVisitedLinkColor{128, 0, 128};

}  // namespace orvane
