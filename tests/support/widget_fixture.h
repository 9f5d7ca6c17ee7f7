#pragma once

#include <QObject>
#include <QPalette>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "app/app_context.h"
#include "recording_services.h"

class QLineEdit;

namespace orvane {

// Fails a test when any modal dialog opens outside the desktop services: the
// dialog is closed at once and the guard remembers it.
class ModalDialogGuard : public QObject {
 public:
  ModalDialogGuard();
  ~ModalDialogGuard() override;
  bool tripped() const { return !seen_.isEmpty(); }
  QString seen() const { return seen_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QString seen_;
};

// The whole program's windows, built offscreen with recording services.
struct TestApp {
  TestApp();
  ~TestApp();
  RecordingServices services;
  std::unique_ptr<AppContext> app;
  int quitRequests = 0;
};

// Gives a widget the keyboard focus for real (its window is shown and made
// active first), so enter and exit handlers run as for a user.
void giveFocusTo(QWidget* widget);

// A desktop palette with light text on dark faces and boxes.
QPalette darkDesktop();

// The control as it shows on its parent: mostly white, with dark text on it.
// `name` labels a failure; the control's object or accessible name otherwise.
void expectBlackOnWhite(QWidget* control, const QString& name = {});

// Types text into a box key by key, through its key filter.
void typeText(QWidget* widget, const QString& text);

}  // namespace orvane
