#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace orvane {

// The languages the program speaks: English, the source text, and every
// language whose translations are compiled in (":/i18n/<area>_<code>.qm").
// "en" comes first, the others in code order.
QStringList shippedLanguages();

// The first of the desktop's languages (as QLocale::uiLanguages gives them,
// "de-DE", "de", "C") that the program speaks; English when none is.
QString languageFor(const QStringList& uiLanguages);

// The code --language takes for the pseudo-language: every text 40 % longer,
// in accented letters, between brackets. Not shipped to users as a
// language; it shows which texts would not fit or were never translated.
inline constexpr const char* kPseudoLanguage = "pseudo";

// Puts the program's translations for `code` in place, and Qt's own for its
// standard dialogs and buttons; the translations put in place before are
// taken out first. False (and English in place) for a language the program
// does not speak. Windows built after the call speak the language.
bool installLanguage(const QString& code);

// The code last put in place: "en" until installLanguage says otherwise.
QString installedLanguage();

// The pseudo-language's translator: each text the English translations give
// (plural forms included), its letters accented and 40 % added.
class PseudoTranslator : public QTranslator {
 public:
  using QTranslator::QTranslator;
  // English translations asked first, for their plural forms.
  void addEnglish(const QTranslator* english) { english_ << english; }
  QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                    int n = -1) const override;
  bool isEmpty() const override { return false; }

  // The English text as the pseudo-language writes it.
  static QString pseudoText(const QString& english);
  // Whether a text holds anything the pseudo-language wrote.
  static bool isPseudo(const QString& text);

 private:
  QList<const QTranslator*> english_;
};

}  // namespace orvane
