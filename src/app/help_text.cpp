#include "app/help_text.h"

#include <QFile>
#include <QRegularExpression>

#include "core/maker_info.h"
#include "platform/languages.h"

namespace orvane {

namespace {

// "WxH", e.g. "257x67".
QSize readSize(const QString& word, bool& ok) {
  static const QRegularExpression kSize(QStringLiteral("^(\\d+)x(\\d+)$"));
  const QRegularExpressionMatch m = kSize.match(word);
  ok = m.hasMatch();
  return ok ? QSize(m.captured(1).toInt(), m.captured(2).toInt()) : QSize();
}

// A line between bars, "|text|", keeps its spaces at both ends.
bool isBarred(const QString& line) { return line.size() >= 2 && line.front() == u'|' && line.back() == u'|'; }

}  // namespace

HelpPage parseHelpPage(const QString& text) {
  HelpPage page;
  const QStringList lines = QString(text).remove(u'\r').split(u'\n');
  auto problem = [&](qsizetype index, const QString& why) {
    page.problems << QStringLiteral("line %1: %2").arg(index + 1).arg(why);
  };
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const qsizetype first = i;
    const QString line = lines[i];
    if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;
    const QString command = line.section(u' ', 0, 0);
    const QString rest = line.section(u' ', 1);
    HelpBlock block;
    bool ok = true;
    if (command == QLatin1String("heading")) {
      block.kind = HelpBlock::Kind::Heading;
      block.text = rest;
    } else if (command == QLatin1String("skip")) {
      block.kind = HelpBlock::Kind::Skip;
      block.pixels = rest.toInt(&ok);
    } else if (command == QLatin1String("memo")) {
      block.kind = HelpBlock::Kind::Memo;
      const QStringList words = rest.split(u' ', Qt::SkipEmptyParts);
      block.pixels = words.isEmpty() ? 13 : words[0].toInt(&ok);
      if (ok && words.size() > 1) block.size = readSize(words[1], ok);
      ok = ok && words.size() <= 2;
      while (i + 1 < lines.size() && isBarred(lines[i + 1])) block.lines << lines[++i].mid(1).chopped(1);
      ok = ok && !block.lines.isEmpty();
    } else if (command == QLatin1String("picture")) {
      // picture FILE WxH [stretch] | DESCRIPTION
      block.kind = HelpBlock::Kind::Picture;
      const QStringList words = rest.section(u'|', 0, 0).split(u' ', Qt::SkipEmptyParts);
      const QString description = rest.section(u'|', 1).trimmed();
      ok = (words.size() == 2 || (words.size() == 3 && words[2] == QLatin1String("stretch"))) &&
           !description.isEmpty();
      if (ok) {
        block.size = readSize(words[1], ok);
        block.stretch = words.size() == 3;
        block.pictures << HelpPicture{words[0], description, QString()};
      }
    } else if (command == QLatin1String("pair")) {
      // pair WxH, then |FILE|DESCRIPTION|CAPTION| for the left and the right one
      block.kind = HelpBlock::Kind::Pair;
      block.size = readSize(rest, ok);
      for (int k = 0; ok && k < 2; ++k) {
        const QStringList parts =
            i + 1 < lines.size() && isBarred(lines[i + 1]) ? lines[++i].split(u'|') : QStringList();
        ok = parts.size() == 5;
        if (ok) block.pictures << HelpPicture{parts[1], parts[2], parts[3]};
      }
    } else {
      ok = false;
    }
    if (ok)
      page.blocks << block;
    else
      problem(first, line);
  }
  return page;
}

HelpPage loadHelpPage(const QString& name, const QString& language) {
  QFile file(QStringLiteral(":/help_%1/%2.txt").arg(language, name));
  if (language.isEmpty() || !file.exists()) file.setFileName(QStringLiteral(":/help/%1.txt").arg(name));
  if (!file.open(QIODevice::ReadOnly)) {
    HelpPage missing;
    missing.problems << QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
    return missing;
  }
  QString text = QString::fromUtf8(file.readAll());
  text.replace(QStringLiteral("{program}"), QStringLiteral("Orvane"));
  text.replace(QStringLiteral("{maker}"), maker::kMakerName);
  HelpPage page = parseHelpPage(text);
  // The pseudo-language writes the English help as it writes every other
  // text, so the help shows where a longer language would not fit.
  if (language == QLatin1String(kPseudoLanguage)) {
    for (HelpBlock& block : page.blocks) {
      if (!block.text.isEmpty()) block.text = PseudoTranslator::pseudoText(block.text);
      for (QString& line : block.lines)
        if (!line.trimmed().isEmpty()) line = PseudoTranslator::pseudoText(line);
      for (HelpPicture& picture : block.pictures) {
        picture.description = PseudoTranslator::pseudoText(picture.description);
        if (!picture.caption.isEmpty()) picture.caption = PseudoTranslator::pseudoText(picture.caption);
      }
    }
  }
  return page;
}

}  // namespace orvane
