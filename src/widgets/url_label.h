#pragma once

#include <QColor>
#include <QLabel>
#include <QString>
#include <functional>
#include <optional>

class QTimer;

namespace orvane {

class DesktopServices;

// A clickable label that shows a link, lights up while the pointer is over it
// and opens its target with the desktop's handler when clicked.
class TUrlLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TUrlLabel(DesktopServices& services, QWidget* parent = nullptr);

  QString URL() const { return url_; }
  void SetURL(const QString& url);
  // Shown text; when empty the label shows its URL.
  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);

  QColor FontColor() const;
  void SetFontColor(const QColor& color);
  QColor HighlightColor() const { return highlightColor_; }
  // An invalid colour stores the current font colour instead.
  void SetHighlightColor(const QColor& color);
  bool UnderlineURL() const { return font().underline(); }
  void SetUnderlineURL(bool underline);
  void SetUseVisitedColor(bool use) { useVisited_ = use; }
  QColor VisitedColor() const { return visitedColor_; }
  void SetVisitedColor(const QColor& color);

  // The label's own click notification; runs inside the error boundary after
  // the target was handed to the desktop.
  std::function<void()> OnClick;

  // On by default: the label fits its text (its height only, when it wraps).
  void SetAutoSize(bool autoSize);

  bool Hovering() const { return timer_ != nullptr; }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;

 private:
  void StartHover();
  void HoverTick();
  void ShowText();

  DesktopServices& services_;
  QString url_, caption_;
  QColor highlightColor_{255, 0, 0};
  QColor visitedColor_{0, 0, 0};
  bool useVisited_ = false;
  bool autoSize_ = true;
  std::optional<QColor> restoreColor_;  // the colour to return to after hovering
  QTimer* timer_ = nullptr;             // exists only while the pointer is over the label
};

enum class TURLType { utFile, utFtp, utGopher, utHttp, utHttps, utMailto, utNews, utTelnet, utWais };

// The scheme prefix put in front of a target of the given type.
QString URLPrefix(TURLType type);

// A link target and its type, opened on demand.
class TURL {
 public:
  explicit TURL(DesktopServices& services) : services_(services) {}

  QString URL;  // without its scheme prefix
  TURLType URLType = TURLType::utHttp;

  // The full target: prefix followed by URL.
  QString Target() const { return URLPrefix(URLType) + URL; }
  // Hands the full target to the desktop; false when URL is empty or the
  // desktop could not open it.
  bool Execute() const;

 private:
  DesktopServices& services_;
};

}  // namespace orvane
