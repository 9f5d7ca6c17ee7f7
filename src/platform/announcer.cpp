#include "platform/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace orvane {

namespace {

// How long a spoken notice stays in the accessibility tree: long enough for a
// screen reader that runs behind to still read its name.
constexpr int kNoticeLifetimeMs = 10000;

// An invisible child of the window whose only task is to appear: screen
// readers speak a notification object when it starts showing, whatever has
// the focus. It has no size and paints nothing, so the window looks the same,
// and a fresh one per text makes a repeated result heard again.
class SpokenNotice : public QWidget {
 public:
  SpokenNotice(QWidget* window, const QString& text) : QWidget(window) {
    setObjectName(QStringLiteral("spokenNotice"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    setAccessibleName(text);
    hide();
  }
};

QAccessibleInterface* noticeFactory(const QString&, QObject* object) {
  if (auto* notice = dynamic_cast<SpokenNotice*>(object))
    return new QAccessibleWidget(notice, QAccessible::Notification);
  return nullptr;
}

// The notice waiting to appear: several results written by one step (or one
// pasted calculator entry) are spoken once, as the last of them.
QPointer<SpokenNotice> pendingNotice;

// Drops a window's notices as it hides: were they kept, they would show
// again with the window and a screen reader would speak them once more, long
// after their step.
class NoticeSweeper : public QObject {
 public:
  explicit NoticeSweeper(QWidget* window) : QObject(window) {
    setObjectName(QStringLiteral("noticeSweeper"));
    window->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide && watched == parent()) {
      const QList<QWidget*> children = static_cast<QWidget*>(watched)->findChildren<QWidget*>(
          QStringLiteral("spokenNotice"), Qt::FindDirectChildrenOnly);
      for (QWidget* child : children) {
        if (dynamic_cast<SpokenNotice*>(child) == nullptr) continue;
        child->hide();  // hidden by hand, it stays hidden when the window shows again
        child->deleteLater();
      }
    }
    return false;
  }
};

void sweepOnHide(QWidget* window) {
  if (window->findChild<QObject*>(QStringLiteral("noticeSweeper"), Qt::FindDirectChildrenOnly) == nullptr)
    new NoticeSweeper(window);
}

void showNotice(SpokenNotice* notice) {
  if (pendingNotice == notice) pendingNotice = nullptr;
  // The window closed by the step that wrote it (Esc in the calculator):
  // nothing to hear now, and nothing to hear when it opens again.
  if (!notice->window()->isVisible()) {
    notice->deleteLater();
    return;
  }
  notice->show();
  QTimer::singleShot(kNoticeLifetimeMs, notice, &QObject::deleteLater);
}

bool withoutScreenReader = false;

}  // namespace

void announceWithoutScreenReader(bool on) { withoutScreenReader = on; }

void announce(QWidget* source, const QString& text) {
  if (text.isEmpty() || !(QAccessible::isActive() || withoutScreenReader)) return;
  QWidget* window = source != nullptr ? source->window() : nullptr;
  if (window == nullptr && QApplication::focusWidget() != nullptr)
    window = QApplication::focusWidget()->window();
  if (window == nullptr) return;
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(noticeFactory);
    return true;
  }();
  Q_UNUSED(factoryInstalled);
  if (pendingNotice != nullptr && pendingNotice->parentWidget() == window) {
    pendingNotice->setAccessibleName(text);
    return;
  }
  // Shown once the step is over, after any focus change it makes: the
  // screen reader then speaks the results last instead of having them cut
  // short by the newly focused box.
  sweepOnHide(window);
  auto* notice = new SpokenNotice(window, text);
  pendingNotice = notice;
  QTimer::singleShot(0, notice, [notice] { showNotice(notice); });
}

}  // namespace orvane
