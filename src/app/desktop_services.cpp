#include "app/desktop_services.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace orvane {

void QtDesktopServices::Beep() { QApplication::beep(); }

void QtDesktopServices::AlertSound() { QApplication::beep(); }

void QtDesktopServices::ShowMessage(QWidget* parent, MessageIcon icon, const QString& caption,
                                    const QString& text, bool centred) {
  QMessageBox box(parent);
  box.setWindowTitle(caption);
  box.setText(text);
  box.setTextFormat(Qt::PlainText);
  box.setStandardButtons(QMessageBox::Ok);
  switch (icon) {
    case MessageIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
  }
  if (centred)
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
      label->setAlignment(Qt::AlignCenter);
  box.exec();
}

namespace {
std::optional<QString> RunFileDialog(QWidget* parent, const FileDialogRequest& request, bool save) {
  QFileDialog dialog(parent, request.title, request.directory, request.filter);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save || !request.mustExist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(request.defaultSuffix);
  if (!request.overwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}
}  // namespace

std::optional<QString> QtDesktopServices::OpenFileName(QWidget* parent, const FileDialogRequest& request) {
  return RunFileDialog(parent, request, false);
}

std::optional<QString> QtDesktopServices::SaveFileName(QWidget* parent, const FileDialogRequest& request) {
  return RunFileDialog(parent, request, true);
}

bool QtDesktopServices::SetupPrinter(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

QString QtDesktopServices::ClipboardText() { return QApplication::clipboard()->text(); }

void QtDesktopServices::SetClipboardText(const QString& text) { QApplication::clipboard()->setText(text); }

bool QtDesktopServices::OpenUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

}  // namespace orvane
