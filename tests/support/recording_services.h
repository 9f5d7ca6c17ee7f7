#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <deque>
#include <optional>

#include "platform/desktop_services.h"

namespace orvane {

struct RecordedMessage {
  MessageIcon icon;
  QString caption;
  QString text;
  bool centred;
  QString button;  // the extra button beside OK, if the box had one
};

// Desktop services for tests: records every box, beep and opened address and
// answers dialogs from a script, so no test ever blocks.
class RecordingServices : public DesktopServices {
 public:
  void beep() override { ++beeps; }
  void alertSound() override { ++alerts; }
  void showMessage(QWidget* parent, MessageIcon icon, const QString& caption, const QString& text,
                   bool centred) override;
  // Recorded with the messages; answered by pressMessageButton.
  bool showMessageWithButton(QWidget* parent, MessageIcon icon, const QString& caption, const QString& text,
                             const QString& button) override;
  // Recorded in `questions`; answered from the queues below.
  UnsavedAnswer askToSave(QWidget* parent, const QString& caption, const QString& text) override;
  bool askYesNo(QWidget* parent, const QString& caption, const QString& text) override;
  std::optional<QString> openFileName(QWidget* parent, const FileDialogRequest& request) override;
  std::optional<QString> saveFileName(QWidget* parent, const FileDialogRequest& request) override;
  bool setupPrinter(QWidget* parent, QPrinter& printer) override;
  QString clipboardText() override { return clipboard; }
  void setClipboardText(const QString& text) override { clipboard = text; }
  bool openUrl(const QUrl& url) override;

  void reset();

  int beeps = 0;
  int alerts = 0;
  QList<RecordedMessage> messages;
  // The answer of a box with an extra button: that button, or OK.
  bool pressMessageButton = false;
  // The questions asked, caption and text.
  QList<RecordedMessage> questions;
  // Answers to the questions in turn. Nothing queued: Discard (tests that
  // load over typed rows mean to replace them) and No.
  std::deque<UnsavedAnswer> unsavedAnswers;
  std::deque<bool> yesNoAnswers;
  QList<FileDialogRequest> openRequests, saveRequests;
  // Answers of the file dialogs in turn; a null QString or nothing queued: cancelled.
  std::deque<QString> openAnswers, saveAnswers;
  // The printer dialog: accepted with output to this PDF file, or cancelled
  // when empty.
  QString printToPdf;
  int printerDialogs = 0;
  QString clipboard;
  QList<QUrl> openedUrls;
  bool openUrlResult = true;
};

}  // namespace orvane
