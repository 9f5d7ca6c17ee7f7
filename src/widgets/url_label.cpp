#include "widgets/url_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
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

  bool IsLink() const { return !link_->LinkTarget().isEmpty(); }

  QAccessible::Role role() const override { return IsLink() ? QAccessible::Link : QAccessible::StaticText; }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) {
      QString name = widget()->accessibleName();
      if (name.isEmpty())
        if (auto* label = qobject_cast<const QLabel*>(widget())) name = label->text();
      return name;
    }
    if (t == QAccessible::Description && IsLink() && widget()->accessibleDescription().isEmpty())
      return link_->LinkTarget();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.linked = IsLink();
    s.traversed = false;
    return s;
  }
  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (IsLink() && widget()->isEnabled()) names.prepend(pressAction());
    return names;
  }
  void doAction(const QString& name) override {
    if (name == pressAction() && IsLink() && widget()->isEnabled())
      link_->ActivateLink();
    else
      QAccessibleWidget::doAction(name);
  }

 private:
  LinkWidget* link_;
};

QAccessibleInterface* LinkAccessibleFactory(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  auto* link = dynamic_cast<LinkWidget*>(object);
  return widget && link ? new LinkAccessible(widget, link) : nullptr;
}

}  // namespace

void InstallLinkAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&LinkAccessibleFactory);
    return true;
  }();
  (void)installed;
}

bool IsLinkActivationKey(const QKeyEvent* event) {
  if (event->modifiers() & ~Qt::KeypadModifier) return false;
  return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
}

void DrawLinkFocusFrame(const QWidget* link, QPainter& painter, const QRect& rect) {
  painter.save();
  painter.setPen(QPen(link->palette().color(link->foregroundRole()), 1, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect.adjusted(0, 0, -1, -1));
  painter.restore();
}

void ReportUnopenedAddress(DesktopServices& services, QWidget* parent, const QString& target) {
  const QString mailPrefix = URLPrefix(UrlScheme::Mailto);
  const bool mail = target.startsWith(mailPrefix, Qt::CaseInsensitive);
  const QString address = mail ? target.mid(mailPrefix.size()) : target;
  const QString text = mail ? QStringLiteral(
                                  "No mail program could be started to write to\n\n%1\n\n"
                                  "Copy the address to paste it into your mail program.")
                            : QStringLiteral(
                                  "No web browser could be started to open\n\n%1\n\n"
                                  "Copy the address to paste it into your web browser.");
  if (services.ShowMessageWithButton(parent, MessageIcon::Warning, QStringLiteral("Orvane"),
                                     text.arg(address), QStringLiteral("Copy Address")))
    services.SetClipboardText(address);
}

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
  InstallLinkAccessibility();
  setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::Activate() { Q_EMIT clicked(); }

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Activate();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
  if (!IsLinkActivationKey(event)) return QLabel::keyPressEvent(event);
  event->accept();
  if (!event->isAutoRepeat()) Activate();
}

void LinkLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  DrawLinkFocusFrame(this, painter, rect());
}

UrlLabel::UrlLabel(DesktopServices& services, QWidget* parent) : LinkLabel(parent), services_(services) {
  setCursor(Qt::PointingHandCursor);
  setMouseTracking(true);
  setTextFormat(Qt::PlainText);
  QFont f = font();
  f.setUnderline(true);
  setFont(f);
}

void UrlLabel::ShowText() {
  const QString shown = caption_.isEmpty() ? url_ : caption_;
  setText(shown);
  setAccessibleName(shown);
  if (!autoSize_) return;
  if (wordWrap())
    resize(width(), heightForWidth(width()));
  else
    adjustSize();
}

void UrlLabel::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  ShowText();
}

void UrlLabel::SetURL(const QString& url) {
  url_ = url;
  SetLinkTarget(url);
  ShowText();
}

void UrlLabel::SetCaption(const QString& caption) {
  caption_ = caption;
  ShowText();
}

QColor UrlLabel::FontColor() const { return palette().color(QPalette::WindowText); }

void UrlLabel::SetFontColor(const QColor& color) {
  SetTextColor(this, color);
  update();
}

void UrlLabel::SetHighlightColor(const QColor& color) {
  highlightColor_ = color.isValid() ? color : FontColor();
  restoreColor_.reset();
}

void UrlLabel::SetVisitedColor(const QColor& color) {
  visitedColor_ = color.isValid() ? color : FontColor();
  restoreColor_.reset();
}

void UrlLabel::SetUnderlineURL(bool underline) {
  QFont f = font();
  f.setUnderline(underline);
  setFont(f);
}

void UrlLabel::StartHover() {
  if (timer_) return;
  if (!restoreColor_) restoreColor_ = FontColor();
  SetFontColor(highlightColor_);
  timer_ = new QTimer(this);
  timer_->setInterval(kHoverInterval);
  GuardedConnect(timer_, &QTimer::timeout, this, &UrlLabel::HoverTick);
  timer_->start();
}

void UrlLabel::HoverTick() {
  if (rect().contains(mapFromGlobal(QCursor::pos()))) return;
  timer_->stop();
  timer_->deleteLater();
  timer_ = nullptr;
  SetFontColor(restoreColor_.value_or(FontColor()));
}

void UrlLabel::enterEvent(QEnterEvent* event) {
  LinkLabel::enterEvent(event);
  StartHover();
}

void UrlLabel::mouseMoveEvent(QMouseEvent* event) {
  LinkLabel::mouseMoveEvent(event);
  StartHover();
}

void UrlLabel::Activate() {
  if (!url_.isEmpty()) {
    const QString target = url_.left(kMaxTargetLength);
    if (!services_.OpenUrl(QUrl(target))) {
      services_.AlertSound();
      ReportUnopenedAddress(services_, this, target);
    }
  }
  LinkLabel::Activate();
  if (useVisited_) restoreColor_ = visitedColor_;
}

QString URLPrefix(UrlScheme type) {
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
bool WebLink::Execute() const {
  if (URL.isEmpty()) return false;
  return services_.OpenUrl(QUrl(Target()));
}

}  // namespace orvane
