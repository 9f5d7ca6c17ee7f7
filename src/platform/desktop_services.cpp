#include "platform/desktop_services.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>

namespace orvane {

void QtDesktopServices::beep() { QApplication::beep(); }

void QtDesktopServices::alertSound() { QApplication::beep(); }

namespace {
// A message box in the middle of the screen rather than over its parent; its
// lines stay as written, so indented lines keep their indent.
class ScreenCentredBox : public QMessageBox {
 public:
  ScreenCentredBox(QWidget* parent, bool centreOnScreen)
      : QMessageBox(parent), centreOnScreen_(centreOnScreen) {}

 protected:
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);
    if (!centreOnScreen_) return;
    QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (screen) move(screen->availableGeometry().center() - rect().center());
  }

 private:
  bool centreOnScreen_;
};
}  // namespace

namespace {
void setUpBox(QMessageBox& box, MessageIcon icon, const QString& caption, const QString& text) {
  box.setWindowTitle(caption);
  box.setText(text);
  box.setTextFormat(Qt::PlainText);
  box.setStandardButtons(QMessageBox::Ok);
  switch (icon) {
    case MessageIcon::Error:
      box.setIcon(QMessageBox::Critical);
      break;
    case MessageIcon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case MessageIcon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
  }
}
}  // namespace

void QtDesktopServices::showMessage(QWidget* parent, MessageIcon icon, const QString& caption,
                                    const QString& text, bool centred) {
  ScreenCentredBox box(parent, centred);
  setUpBox(box, icon, caption, text);
  box.exec();
}

bool QtDesktopServices::showMessageWithButton(QWidget* parent, MessageIcon icon, const QString& caption,
                                              const QString& text, const QString& button) {
  QMessageBox box(parent);
  setUpBox(box, icon, caption, text);
  QPushButton* choice = box.addButton(button, QMessageBox::ActionRole);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Ok);
  box.exec();
  return box.clickedButton() == choice;
}

// The buttons carry mnemonics, so that S, D and C (or Y and N) answer from the
// keyboard as well as Enter and Esc do.
UnsavedAnswer QtDesktopServices::askToSave(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox box(parent);
  box.setWindowTitle(caption);
  box.setText(text);
  box.setTextFormat(Qt::PlainText);
  box.setIcon(QMessageBox::Warning);
  box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
  box.button(QMessageBox::Save)->setText(QCoreApplication::translate("DesktopServices", "&Save"));
  box.button(QMessageBox::Discard)->setText(QCoreApplication::translate("DesktopServices", "&Discard"));
  box.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("DesktopServices", "&Cancel"));
  box.setDefaultButton(QMessageBox::Save);
  box.setEscapeButton(QMessageBox::Cancel);
  box.exec();
  const QAbstractButton* clicked = box.clickedButton();
  if (clicked == box.button(QMessageBox::Save)) return UnsavedAnswer::Save;
  if (clicked == box.button(QMessageBox::Discard)) return UnsavedAnswer::Discard;
  return UnsavedAnswer::Cancel;
}

bool QtDesktopServices::askYesNo(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox box(parent);
  box.setWindowTitle(caption);
  box.setText(text);
  box.setTextFormat(Qt::PlainText);
  box.setIcon(QMessageBox::Question);
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("DesktopServices", "&Yes"));
  box.button(QMessageBox::No)->setText(QCoreApplication::translate("DesktopServices", "&No"));
  box.setDefaultButton(QMessageBox::Yes);
  box.exec();
  return box.clickedButton() == box.button(QMessageBox::Yes);
}

namespace {
std::optional<QString> runFileDialog(QWidget* parent, const FileDialogRequest& request, bool save) {
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

std::optional<QString> QtDesktopServices::openFileName(QWidget* parent, const FileDialogRequest& request) {
  return runFileDialog(parent, request, false);
}

std::optional<QString> QtDesktopServices::saveFileName(QWidget* parent, const FileDialogRequest& request) {
  return runFileDialog(parent, request, true);
}

bool QtDesktopServices::setupPrinter(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

QString QtDesktopServices::clipboardText() { return QApplication::clipboard()->text(); }

void QtDesktopServices::setClipboardText(const QString& text) { QApplication::clipboard()->setText(text); }

bool QtDesktopServices::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

}  // namespace orvane
