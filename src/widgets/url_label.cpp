#include "widgets/url_label.h"

#include <QCursor>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>

#include "app/desktop_services.h"
#include "app/error_boundary.h"
#include "widgets/look.h"

namespace orvane {

namespace {
constexpr int kHoverInterval = 100;  // ms between checks whether the pointer left
constexpr int kMaxTargetLength = 1023;
}  // namespace

TUrlLabel::TUrlLabel(DesktopServices& services, QWidget* parent) : QLabel(parent), services_(services) {
  setCursor(Qt::PointingHandCursor);
  setMouseTracking(true);
  setTextFormat(Qt::PlainText);
  QFont f = font();
  f.setUnderline(true);
  setFont(f);
}

void TUrlLabel::ShowText() {
  const QString shown = caption_.isEmpty() ? url_ : caption_;
  setText(shown);
  setAccessibleName(shown);
  if (!autoSize_) return;
  if (wordWrap())
    resize(width(), heightForWidth(width()));
  else
    adjustSize();
}

void TUrlLabel::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  ShowText();
}

void TUrlLabel::SetURL(const QString& url) {
  url_ = url;
  ShowText();
}

void TUrlLabel::SetCaption(const QString& caption) {
  caption_ = caption;
  ShowText();
}

QColor TUrlLabel::FontColor() const { return palette().color(QPalette::WindowText); }

void TUrlLabel::SetFontColor(const QColor& color) {
  SetTextColor(this, color);
  update();
}

void TUrlLabel::SetHighlightColor(const QColor& color) {
  highlightColor_ = color.isValid() ? color : FontColor();
  restoreColor_.reset();
}

void TUrlLabel::SetVisitedColor(const QColor& color) {
  visitedColor_ = color.isValid() ? color : FontColor();
  restoreColor_.reset();
}

void TUrlLabel::SetUnderlineURL(bool underline) {
  QFont f = font();
  f.setUnderline(underline);
  setFont(f);
}

void TUrlLabel::StartHover() {
  if (timer_) return;
  if (!restoreColor_) restoreColor_ = FontColor();
  SetFontColor(highlightColor_);
  timer_ = new QTimer(this);
  timer_->setInterval(kHoverInterval);
  connect(timer_, &QTimer::timeout, this, [this] { HoverTick(); });
  timer_->start();
}

void TUrlLabel::HoverTick() {
  if (rect().contains(mapFromGlobal(QCursor::pos()))) return;
  timer_->stop();
  timer_->deleteLater();
  timer_ = nullptr;
  SetFontColor(restoreColor_.value_or(FontColor()));
}

void TUrlLabel::enterEvent(QEnterEvent* event) {
  QLabel::enterEvent(event);
  StartHover();
}

void TUrlLabel::mouseMoveEvent(QMouseEvent* event) {
  QLabel::mouseMoveEvent(event);
  StartHover();
}

void TUrlLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
  if (!url_.isEmpty() && !services_.OpenUrl(QUrl(url_.left(kMaxTargetLength)))) services_.AlertSound();
  if (OnClick) RunGuarded(this, [&] { OnClick(); });
  if (useVisited_) restoreColor_ = visitedColor_;
}

QString URLPrefix(TURLType type) {
  switch (type) {
    case TURLType::utFile:
      return QStringLiteral("file://");
    case TURLType::utFtp:
      return QStringLiteral("ftp://");
    case TURLType::utGopher:
      return QStringLiteral("gopher://");
    case TURLType::utHttp:
      return QStringLiteral("http://");
    case TURLType::utHttps:
      return QStringLiteral("https://");
    case TURLType::utMailto:
      return QStringLiteral("mailto:");
    case TURLType::utNews:
      return QStringLiteral("news:");
    case TURLType::utTelnet:
      return QStringLiteral("telnet:");
    case TURLType::utWais:
      return QStringLiteral("wais:");
  }
  return {};
}

// No length limit on the target: long addresses are passed whole.
bool TURL::Execute() const {
  if (URL.isEmpty()) return false;
  return services_.OpenUrl(QUrl(Target()));
}

}  // namespace orvane
