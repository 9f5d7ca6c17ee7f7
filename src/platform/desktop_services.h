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

  virtual void Beep() = 0;        // the default beep of a refused key
  virtual void AlertSound() = 0;  // the alert of the calculator and the links

  // A modal box with one OK button. `centred` puts it in the middle of the
  // screen instead of over its parent.
  virtual void ShowMessage(QWidget* parent, MessageIcon icon, const QString& caption, const QString& text,
                           bool centred = false) = 0;
  // The same box with one more button, captioned `button`, beside OK; true
  // when the user chose that button.
  virtual bool ShowMessageWithButton(QWidget* parent, MessageIcon icon, const QString& caption,
                                     const QString& text, const QString& button) = 0;

  // A question about unsaved work, with Save, Discard and Cancel (Esc).
  virtual UnsavedAnswer AskToSave(QWidget* parent, const QString& caption, const QString& text) = 0;
  // A question with Yes (the default) and No; true for Yes.
  virtual bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) = 0;

  // The chosen file, or nothing when the user cancelled.
  virtual std::optional<QString> OpenFileName(QWidget* parent, const FileDialogRequest& request) = 0;
  virtual std::optional<QString> SaveFileName(QWidget* parent, const FileDialogRequest& request) = 0;

  // The printer dialog; false when the user cancelled.
  virtual bool SetupPrinter(QWidget* parent, QPrinter& printer) = 0;

  virtual QString ClipboardText() = 0;
  virtual void SetClipboardText(const QString& text) = 0;

  // Opens a web or mail address with the desktop's handler; false on failure.
  virtual bool OpenUrl(const QUrl& url) = 0;
};

class QtDesktopServices : public DesktopServices {
 public:
  void Beep() override;
  void AlertSound() override;
  void ShowMessage(QWidget* parent, MessageIcon icon, const QString& caption, const QString& text,
                   bool centred) override;
  bool ShowMessageWithButton(QWidget* parent, MessageIcon icon, const QString& caption, const QString& text,
                             const QString& button) override;
  UnsavedAnswer AskToSave(QWidget* parent, const QString& caption, const QString& text) override;
  bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) override;
  std::optional<QString> OpenFileName(QWidget* parent, const FileDialogRequest& request) override;
  std::optional<QString> SaveFileName(QWidget* parent, const FileDialogRequest& request) override;
  bool SetupPrinter(QWidget* parent, QPrinter& printer) override;
  QString ClipboardText() override;
  void SetClipboardText(const QString& text) override;
  bool OpenUrl(const QUrl& url) override;
};

}  // namespace orvane
