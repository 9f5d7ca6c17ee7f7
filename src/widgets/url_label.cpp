#include "widgets/url_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QUrl>

#include "platform/desktop_services.h"
#include "platform/guarded_connect.h"
#include "widgets/look.h"

namespace orvane {

namespace {

constexpr int kHoverInterval = 100;  // ms between checks whether the pointer left
constexpr int kMaxTargetLength = 1023;

// A link as screen readers see it: named by its text, described by its
// target, pressed to open. A widget that has no target reads as plain text.
class LinkAccessible : public QAccessibleWidget {
 public:
  LinkAccessible(QWidget* widget, LinkWidget* link) : QAccessibleWidget(widget), link_(link) {}

  bool isLink() const { return !link_->linkTarget().isEmpty(); }

  QAccessible::Role role() const override { return isLink() ? QAccessible::Link : QAccessible::StaticText; }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) {
      QString name = widget()->accessibleName();
      if (name.isEmpty())
        if (auto* label = qobject_cast<const QLabel*>(widget())) name = label->text();
      return name;
    }
    if (t == QAccessible::Description && isLink() && widget()->accessibleDescription().isEmpty())
      return link_->linkTarget();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.linked = isLink();
    s.traversed = false;
    return s;
  }
  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (isLink() && widget()->isEnabled()) names.prepend(pressAction());
    return names;
  }
  void doAction(const QString& name) override {
    if (name == pressAction() && isLink() && widget()->isEnabled())
      link_->activateLink();
    else
      QAccessibleWidget::doAction(name);
  }

 private:
  LinkWidget* link_;
};

QAccessibleInterface* linkAccessibleFactory(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  auto* link = dynamic_cast<LinkWidget*>(object);
  return widget && link ? new LinkAccessible(widget, link) : nullptr;
}

}  // namespace

void installLinkAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&linkAccessibleFactory);
    return true;
  }();
  (void)installed;
}

bool isLinkActivationKey(const QKeyEvent* event) {
  if (event->modifiers() & ~Qt::KeypadModifier) return false;
  return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
}

void drawLinkFocusFrame(const QWidget* link, QPainter& painter, const QRect& rect) {
  painter.save();
  painter.setPen(QPen(link->palette().color(link->foregroundRole()), 1, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect.adjusted(0, 0, -1, -1));
  painter.restore();
}

void reportUnopenedAddress(DesktopServices& services, QWidget* parent, const QString& target) {
  const QString mailPrefix = urlPrefix(UrlScheme::Mailto);
  const bool mail = target.startsWith(mailPrefix, Qt::CaseInsensitive);
  const QString address = mail ? target.mid(mailPrefix.size()) : target;
  const QString text =
      mail ? QCoreApplication::translate("LinkLabel",
                                         "No mail program could be started to write to\n\n%1\n\n"
                                         "Copy the address to paste it into your mail program.")
           : QCoreApplication::translate("LinkLabel",
                                         "No web browser could be started to open\n\n%1\n\n"
                                         "Copy the address to paste it into your web browser.");
  if (services.showMessageWithButton(parent, MessageIcon::Warning, QStringLiteral("Orvane"),
                                     text.arg(address),
                                     QCoreApplication::translate("LinkLabel", "Copy Address")))
    services.setClipboardText(address);
}

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
  installLinkAccessibility();
  setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::activate() { Q_EMIT clicked(); }

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) activate();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
  if (!isLinkActivationKey(event)) return QLabel::keyPressEvent(event);
  event->accept();
  if (!event->isAutoRepeat()) activate();
}

void LinkLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  drawLinkFocusFrame(this, painter, rect());
}

UrlLabel::UrlLabel(DesktopServices& services, QWidget* parent) : LinkLabel(parent), services_(services) {
  setCursor(Qt::PointingHandCursor);
  setMouseTracking(true);
  setTextFormat(Qt::PlainText);
  QFont f = font();
  f.setUnderline(true);
  setFont(f);
}

void UrlLabel::showText() {
  const QString shown = caption_.isEmpty() ? url_ : caption_;
  setText(shown);
  setAccessibleName(shown);
  if (!autoSize_) return;
  if (wordWrap())
    resize(width(), heightForWidth(width()));
  else
    adjustSize();
}

void UrlLabel::setAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  showText();
}

void UrlLabel::setUrl(const QString& url) {
  url_ = url;
  setLinkTarget(url);
  showText();
}

void UrlLabel::setCaption(const QString& caption) {
  caption_ = caption;
  showText();
}

QColor UrlLabel::fontColor() const { return palette().color(QPalette::WindowText); }

void UrlLabel::setFontColor(const QColor& color) {
  setTextColor(this, color);
  update();
}

void UrlLabel::setHighlightColor(const QColor& color) {
  highlightColor_ = color.isValid() ? color : fontColor();
  restoreColor_.reset();
}

void UrlLabel::setVisitedColor(const QColor& color) {
  visitedColor_ = color.isValid() ? color : fontColor();
  restoreColor_.reset();
}

void UrlLabel::setUnderlineUrl(bool underline) {
  QFont f = font();
  f.setUnderline(underline);
  setFont(f);
}

void UrlLabel::startHover() {
  if (timer_) return;
  if (!restoreColor_) restoreColor_ = fontColor();
  setFontColor(highlightColor_);
  timer_ = new QTimer(this);
  timer_->setInterval(kHoverInterval);
  guardedConnect(timer_, &QTimer::timeout, this, &UrlLabel::hoverTick);
  timer_->start();
}

void UrlLabel::hoverTick() {
  if (rect().contains(mapFromGlobal(QCursor::pos()))) return;
  timer_->stop();
  timer_->deleteLater();
  timer_ = nullptr;
  setFontColor(restoreColor_.value_or(fontColor()));
}

void UrlLabel::enterEvent(QEnterEvent* event) {
  LinkLabel::enterEvent(event);
  startHover();
}

void UrlLabel::mouseMoveEvent(QMouseEvent* event) {
  LinkLabel::mouseMoveEvent(event);
  startHover();
}

void UrlLabel::activate() {
  if (!url_.isEmpty()) {
    const QString target = url_.left(kMaxTargetLength);
    if (!services_.openUrl(QUrl(target))) {
      services_.alertSound();
      reportUnopenedAddress(services_, this, target);
    }
  }
  LinkLabel::activate();
  if (useVisited_) restoreColor_ = visitedColor_;
}

QString urlPrefix(UrlScheme type) {
  switch (type) {
    case UrlScheme::Http:
      return QStringLiteral("http://");
    case UrlScheme::Https:
      return QStringLiteral("https://");
    case UrlScheme::Mailto:
      return QStringLiteral("mailto:");
  }
  return {};
}

// No length limit on the target: long addresses are passed whole.
bool WebLink::execute() const {
  if (URL.isEmpty()) return false;
  return services_.openUrl(QUrl(fullTarget()));
}

}  // namespace orvane
