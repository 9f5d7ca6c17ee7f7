#include "platform/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <cmath>
#include <memory>
#include <vector>

namespace orvane {

namespace {

constexpr const char* kTranslationsFolder = ":/i18n";

// Every translator put in place by installLanguage, so the next call can
// take them out again.
std::vector<std::unique_ptr<QTranslator>>& installedTranslators() {
  static std::vector<std::unique_ptr<QTranslator>> translators;
  return translators;
}

QString& installedCode() {
  static QString code = QStringLiteral("en");
  return code;
}

// The language code a compiled translation is for: "bench_a_de.qm" -> "de".
QString codeOf(const QString& fileName) {
  const QString base = fileName.section(u'.', 0, 0);
  return base.section(u'_', -1);
}

// The program's translations for one language, loaded but not put in place.
std::vector<std::unique_ptr<QTranslator>> programTranslations(const QString& code) {
  std::vector<std::unique_ptr<QTranslator>> found;
  const QDir folder(QString::fromLatin1(kTranslationsFolder));
  const QStringList files = folder.entryList({QStringLiteral("*_%1.qm").arg(code)}, QDir::Files, QDir::Name);
  for (const QString& file : files) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(folder.filePath(file))) found.push_back(std::move(translator));
  }
  return found;
}

// Letters the pseudo-language writes in place of plain ones: the same width
// in the program's fonts, and never met in an English text.
constexpr struct {
  char16_t plain;
  char16_t accented;
} kAccents[] = {{u'a', u'\u00e1'}, {u'e', u'\u00e9'}, {u'i', u'\u00ed'}, {u'o', u'\u00f3'},
                {u'u', u'\u00fa'}, {u'y', u'\u00fd'}, {u'c', u'\u00e7'}, {u'n', u'\u00f1'},
                {u's', u'\u0161'}, {u'z', u'\u017e'}, {u'A', u'\u00c1'}, {u'E', u'\u00c9'},
                {u'I', u'\u00cd'}, {u'O', u'\u00d3'}, {u'U', u'\u00da'}, {u'Y', u'\u00dd'},
                {u'C', u'\u00c7'}, {u'N', u'\u00d1'}, {u'S', u'\u0160'}, {u'Z', u'\u017d'}};
// What the pseudo-language adds to make a text longer.
constexpr char16_t kFiller[] = u"\u00eb\u00e4\u00f6\u00fc\u00ef";

QChar accented(QChar c) {
  for (const auto& pair : kAccents)
    if (c == QChar(pair.plain)) return QChar(pair.accented);
  return c;
}

// One line: letters accented, placeholders ("%1", "%n", "%L2"), markup
// ("<b>", "&amp;") and mnemonic marks kept, 40 % added between brackets.
QString pseudoLine(const QString& line) {
  if (line.trimmed().isEmpty()) return line;
  QString out;
  qsizetype shown = 0;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line[i];
    if (c == u'%') {
      qsizetype end = i + 1;
      if (end < line.size() && line[end] == u'L') ++end;
      if (end < line.size() && line[end] == u'n') ++end;
      while (end < line.size() && line[end].isDigit()) ++end;
      if (end > i + 1) {
        out += line.mid(i, end - i);
        i = end - 1;
        continue;
      }
    } else if (c == u'<') {
      const qsizetype end = line.indexOf(u'>', i);
      if (end > i) {
        out += line.mid(i, end - i + 1);
        i = end;
        continue;
      }
    } else if (c == u'&') {
      const qsizetype end = line.indexOf(u';', i);
      if (end > i + 1 && end - i <= 8 && line.mid(i + 1, end - i - 1).isLower()) {
        out += line.mid(i, end - i + 1);
        i = end;
        ++shown;
        continue;
      }
      out += c;  // a mnemonic mark: the next letter is accented and still marked
      continue;
    }
    out += accented(c);
    ++shown;
  }
  const auto added = static_cast<qsizetype>(std::ceil(static_cast<double>(shown) * 0.4));
  QString filler;
  const qsizetype fillerLength = std::max<qsizetype>(1, added - 3);
  for (qsizetype i = 0; i < fillerLength; ++i) filler += QChar(kFiller[i % 5]);
  return u'[' + out + u' ' + filler + u']';
}

}  // namespace

QStringList shippedLanguages() {
  QStringList codes;
  const QStringList files =
      QDir(QString::fromLatin1(kTranslationsFolder)).entryList({QStringLiteral("*.qm")});
  for (const QString& file : files) {
    const QString code = codeOf(file);
    if (!code.isEmpty() && code != QLatin1String("en") && !codes.contains(code)) codes << code;
  }
  codes.sort();
  codes.prepend(QStringLiteral("en"));
  return codes;
}

QString languageFor(const QStringList& uiLanguages) {
  const QStringList shipped = shippedLanguages();
  for (const QString& ui : uiLanguages) {
    QString full = ui;
    full.replace(u'-', u'_');
    if (shipped.contains(full)) return full;
    const QString language = full.section(u'_', 0, 0).toLower();
    if (language == QLatin1String("en")) return language;
    if (shipped.contains(language)) return language;
  }
  return QStringLiteral("en");
}

bool installLanguage(const QString& code) {
  auto& translators = installedTranslators();
  for (const auto& translator : translators) QCoreApplication::removeTranslator(translator.get());
  translators.clear();
  installedCode() = QStringLiteral("en");

  const bool pseudo = code == QLatin1String(kPseudoLanguage);
  const bool known = pseudo || shippedLanguages().contains(code);
  const QString load = known && !pseudo ? code : QStringLiteral("en");
  translators = programTranslations(load);
  if (load != QLatin1String("en")) {
    // Qt's own texts: standard buttons, file and print dialogs.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + load, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      translators.push_back(std::move(qt));
  }
  if (pseudo) {
    // The English translations answer through the pseudo-language, which
    // alone is put in place.
    auto pseudoTranslator = std::make_unique<PseudoTranslator>();
    for (const auto& english : translators) pseudoTranslator->addEnglish(english.get());
    translators.push_back(std::move(pseudoTranslator));
    QCoreApplication::installTranslator(translators.back().get());
  } else {
    for (const auto& translator : translators) QCoreApplication::installTranslator(translator.get());
  }
  if (known) installedCode() = code;
  return known;
}

QString installedLanguage() { return installedCode(); }

QString PseudoTranslator::translate(const char* context, const char* sourceText, const char* disambiguation,
                                    int n) const {
  if (!sourceText || !*sourceText) return {};
  QString english;
  for (const QTranslator* translator : english_) {
    english = translator->translate(context, sourceText, disambiguation, n);
    if (!english.isNull()) break;
  }
  if (english.isNull()) english = QString::fromUtf8(sourceText);
  return pseudoText(english);
}

QString PseudoTranslator::pseudoText(const QString& english) {
  QStringList lines = english.split(u'\n');
  for (QString& line : lines) line = pseudoLine(line);
  return lines.join(u'\n');
}

bool PseudoTranslator::isPseudo(const QString& text) {
  for (QChar c : text) {
    for (const auto& pair : kAccents)
      if (c == QChar(pair.accented)) return true;
    for (char16_t f : kFiller)
      if (f && c == QChar(f)) return true;
  }
  return false;
}

}  // namespace orvane
