#include "recording_services.h"

#include <QPrinter>

namespace orvane {

void RecordingServices::showMessage(QWidget*, MessageIcon icon, const QString& caption, const QString& text,
                                    bool centred) {
  messages.append({icon, caption, text, centred, {}});
}

bool RecordingServices::showMessageWithButton(QWidget*, MessageIcon icon, const QString& caption,
                                              const QString& text, const QString& button) {
  messages.append({icon, caption, text, false, button});
  return pressMessageButton;
}

UnsavedAnswer RecordingServices::askToSave(QWidget*, const QString& caption, const QString& text) {
  questions.append({MessageIcon::Warning, caption, text, false, QStringLiteral("Save Discard Cancel")});
  if (unsavedAnswers.empty()) return UnsavedAnswer::Discard;
  const UnsavedAnswer answer = unsavedAnswers.front();
  unsavedAnswers.pop_front();
  return answer;
}

bool RecordingServices::askYesNo(QWidget*, const QString& caption, const QString& text) {
  questions.append({MessageIcon::Information, caption, text, false, QStringLiteral("Yes No")});
  if (yesNoAnswers.empty()) return false;
  const bool answer = yesNoAnswers.front();
  yesNoAnswers.pop_front();
  return answer;
}

std::optional<QString> RecordingServices::openFileName(QWidget*, const FileDialogRequest& request) {
  openRequests.append(request);
  if (openAnswers.empty()) return std::nullopt;
  const QString answer = openAnswers.front();
  openAnswers.pop_front();
  if (answer.isNull()) return std::nullopt;
  return answer;
}

std::optional<QString> RecordingServices::saveFileName(QWidget*, const FileDialogRequest& request) {
  saveRequests.append(request);
  if (saveAnswers.empty()) return std::nullopt;
  const QString answer = saveAnswers.front();
  saveAnswers.pop_front();
  if (answer.isNull()) return std::nullopt;
  return answer;
}

bool RecordingServices::setupPrinter(QWidget*, QPrinter& printer) {
  ++printerDialogs;
  if (printToPdf.isEmpty()) return false;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(printToPdf);
  return true;
}

bool RecordingServices::openUrl(const QUrl& url) {
  openedUrls.append(url);
  return openUrlResult;
}

void RecordingServices::reset() { *this = RecordingServices(); }

}  // namespace orvane
