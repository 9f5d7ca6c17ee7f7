#pragma once

#include <QColor>
#include <QLabel>
#include <QString>
#include <optional>

class QKeyEvent;
class QPainter;
class QTimer;

namespace orvane {

class DesktopServices;

// Something the user opens as a link: Tab reaches it, Enter and Space open it
// as a click does, and screen readers see a link whose description is the
// address it opens.
class LinkWidget {
 public:
  virtual ~LinkWidget() = default;
  // The address it opens; empty when it is no link (then it reads as text).
  virtual QString linkTarget() const = 0;
  // Does what a click does.
  virtual void activateLink() = 0;
};

// Makes the LinkWidget widgets known to screen readers as links; their
// constructors call it, before any interface of theirs is asked for.
void installLinkAccessibility();

// Enter, Return or Space, with no modifier but the keypad's.
bool isLinkActivationKey(const QKeyEvent* event);

// The dotted frame of a link that has the keyboard focus, in its text colour.
void drawLinkFocusFrame(const QWidget* link, QPainter& painter, const QRect& rect);

// Tells the user that an address could not be opened (no browser or mail
// program), naming it, and copies it to the clipboard when asked to.
void reportUnopenedAddress(DesktopServices& services, QWidget* parent, const QString& target);

// A label that opens something: a click, or Enter or Space once Tab has
// brought the focus to it. A click does not take the focus.
class LinkLabel : public QLabel, public LinkWidget {
  Q_OBJECT
 public:
  explicit LinkLabel(QWidget* parent = nullptr);

  QString linkTarget() const override { return target_; }
  void setLinkTarget(const QString& target) { target_ = target; }
  void activateLink() override { activate(); }

 Q_SIGNALS:
  // A click, or Enter or Space on the focused label.
  void clicked();

 protected:
  virtual void activate();
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QString target_;
};

// A clickable label that shows a link, lights up while the pointer is over it
// and opens its target with the desktop's handler when clicked.
class UrlLabel : public LinkLabel {
  Q_OBJECT
 public:
  explicit UrlLabel(DesktopServices& services, QWidget* parent = nullptr);

  QString url() const { return url_; }
  void setUrl(const QString& url);
  // Shown text; when empty the label shows its URL.
  QString caption() const { return caption_; }
  void setCaption(const QString& caption);

  QColor fontColor() const;
  void setFontColor(const QColor& color);
  QColor highlightColor() const { return highlightColor_; }
  // An invalid colour stores the current font colour instead.
  void setHighlightColor(const QColor& color);
  bool underlineUrl() const { return font().underline(); }
  void setUnderlineUrl(bool underline);
  void setUseVisitedColor(bool use) { useVisited_ = use; }
  QColor visitedColor() const { return visitedColor_; }
  void setVisitedColor(const QColor& color);

  // On by default: the label fits its text (its height only, when it wraps).
  void setAutoSize(bool autoSize);

  bool hovering() const { return timer_ != nullptr; }

 protected:
  // Hands the target to the desktop, then reports the click.
  void activate() override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;

 private:
  void startHover();
  void hoverTick();
  void showText();

  DesktopServices& services_;
  QString url_, caption_;
  QColor highlightColor_{255, 0, 0};
  QColor visitedColor_{0, 0, 0};
  bool useVisited_ = false;
  bool autoSize_ = true;
  std::optional<QColor> restoreColor_;  // the colour to return to after hovering
  QTimer* timer_ = nullptr;             // exists only while the pointer is over the label
};

// The kinds of address the program opens.
enum class UrlScheme { Http, Https, Mailto };

// The scheme prefix put in front of a target of the given type.
QString urlPrefix(UrlScheme type);

// A link target and its type, opened on demand.
class WebLink {
 public:
  explicit WebLink(DesktopServices& services) : services_(services) {}

  QString URL;  // without its scheme prefix
  UrlScheme URLType = UrlScheme::Http;

  // The full target: prefix followed by URL.
  QString fullTarget() const { return urlPrefix(URLType) + URL; }
  // Hands the full target to the desktop; false when URL is empty or the
  // desktop could not open it.
  bool execute() const;

 private:
  DesktopServices& services_;
};

}  // namespace orvane
