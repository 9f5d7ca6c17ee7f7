#pragma once

#include <QString>
#include <QUrl>
#include <optional>

class QWidget;
class QPrinter;

namespace orvane {

enum class MessageIcon { Error, Information, Warning };

// The answers to the question asked before unsaved work is thrown away.
enum class UnsavedAnswer { Save, Discard, Cancel };

struct FileDialogRequest {
  QString title;
  QString filter;         // "Bead Worksheet (*.bws);;All files (*)"
  QString defaultSuffix;  // without the point
  QString directory;      // initial folder
  QString fileName;       // proposed name
  bool overwritePrompt = true;
  bool mustExist = true;  // open dialog: only an existing file can be chosen
};

// Everything that talks to the desktop beyond the windows themselves: boxes,
// sounds, dialogs, the clipboard and URL opening. The program uses the Qt
// implementation; tests use a recording one that never blocks.
class DesktopServices {
 public:
  virtual ~DesktopServices() = default;

  virtual void beep() = 0;        // the default beep of a refused key
  virtual void alertSound() = 0;  // the alert of the calculator and the links

  // A modal box with one OK button. `centred` puts it in the middle of the
  // screen instead of over its parent.
  virtual void showMessage(QWidget* parent, MessageIcon icon, const QString& caption, const QString& text,
                           bool centred = false) = 0;
  // The same box with one more button, captioned `button`, beside OK; true
  // when the user chose that button.
  virtual bool showMessageWithButton(QWidget* parent, MessageIcon icon, const QString& caption,
                                     const QString& text, const QString& button) = 0;

  // A question about unsaved work, with Save, Discard and Cancel (Esc).
  virtual UnsavedAnswer askToSave(QWidget* parent, const QString& caption, const QString& text) = 0;
  // A question with Yes (the default) and No; true for Yes.
  virtual bool askYesNo(QWidget* parent, const QString& caption, const QString& text) = 0;

  // The chosen file, or nothing when the user cancelled.
  virtual std::optional<QString> openFileName(QWidget* parent, const FileDialogRequest& request) = 0;
  virtual std::optional<QString> saveFileName(QWidget* parent, const FileDialogRequest& request) = 0;

  // The printer dialog; false when the user cancelled.
  virtual bool setupPrinter(QWidget* parent, QPrinter& printer) = 0;

  virtual QString clipboardText() = 0;
  virtual void setClipboardText(const QString& text) = 0;

  // Opens a web or mail address with the desktop's handler; false on failure.
  virtual bool openUrl(const QUrl& url) = 0;
};

class QtDesktopServices : public DesktopServices {
 public:
  void beep() override;
  void alertSound() override;
  void showMessage(QWidget* parent, MessageIcon icon, const QString& caption, const QString& text,
                   bool centred) override;
  bool showMessageWithButton(QWidget* parent, MessageIcon icon, const QString& caption, const QString& text,
                             const QString& button) override;
  UnsavedAnswer askToSave(QWidget* parent, const QString& caption, const QString& text) override;
  bool askYesNo(QWidget* parent, const QString& caption, const QString& text) override;
  std::optional<QString> openFileName(QWidget* parent, const FileDialogRequest& request) override;
  std::optional<QString> saveFileName(QWidget* parent, const FileDialogRequest& request) override;
  bool setupPrinter(QWidget* parent, QPrinter& printer) override;
  QString clipboardText() override;
  void setClipboardText(const QString& text) override;
  bool openUrl(const QUrl& url) override;
};

}  // namespace orvane
