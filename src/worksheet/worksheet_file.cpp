#include "worksheet/worksheet_file.h"

namespace orvane {

namespace {

// 0x80..0x9F; the five bytes Windows leaves undefined map to the C1 controls
// of the same number, so every byte survives a load and a save.
constexpr char16_t kHighControls[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char kCtrlZ = 26;

QString FieldName(WorksheetField field) {
  switch (field) {
    case WorksheetField::Project:
      return QStringLiteral("Project Name");
    case WorksheetField::Desc:
      return QStringLiteral("Description");
    case WorksheetField::Mm:
      return QStringLiteral("Size MM");
    case WorksheetField::Inch:
      return QStringLiteral("Size Inch");
    case WorksheetField::Nob:
      return QStringLiteral("Number of Beads");
  }
  return {};
}

void AppendEncoded(QByteArray& out, const QString& text, int row, WorksheetField field) {
  for (char32_t cp : text.toUcs4()) {
    if (cp == u'\t' || cp == u'\r' || cp == u'\n' || cp == char32_t(kCtrlZ)) cp = u' ';
    const int byte = Windows1252Byte(cp);
    if (byte < 0) throw EUnencodableCharacter(row, field, cp);
    out.append(static_cast<char>(byte));
  }
}

}  // namespace

EUnencodableCharacter::EUnencodableCharacter(int row, WorksheetField field, char32_t character)
    : std::runtime_error(
          (row == 0 ? FieldName(field) : QStringLiteral("%1 of row %2").arg(FieldName(field)).arg(row))
              .toStdString()),
      Row(row),
      Field(field),
      Character(character) {}

int Windows1252Byte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (int i = 0; i < 32; ++i)
    if (kHighControls[i] == cp) return 0x80 + i;
  return -1;
}

QString DecodeWindows1252(QByteArrayView bytes) {
  QString out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    out.append(QChar(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t(b)));
  }
  return out;
}

QByteArray WorksheetFileBytes(const WorksheetText& text) {
  QByteArray out;
  AppendEncoded(out, text.Project, 0, WorksheetField::Project);
  out.append("\r\n");
  for (int k = 1; k <= kWorksheetRows; ++k) {
    const WorksheetRowText& row = text.Rows[k - 1];
    out.append(QByteArray::number(k));
    out.append('\t');
    AppendEncoded(out, row.Desc, k, WorksheetField::Desc);
    out.append('\t');
    AppendEncoded(out, row.Mm, k, WorksheetField::Mm);
    out.append('\t');
    AppendEncoded(out, row.Inch, k, WorksheetField::Inch);
    out.append('\t');
    AppendEncoded(out, row.Nob, k, WorksheetField::Nob);
    out.append("\r\n");
  }
  return out;
}

QStringList WorksheetFileLines(const QByteArray& bytes) {
  QByteArrayView rest(bytes);
  if (const auto eof = rest.indexOf(kCtrlZ); eof >= 0) rest = rest.first(eof);
  QStringList lines;
  while (lines.size() < 1 + kWorksheetRows && !rest.isEmpty()) {
    const auto cr = rest.indexOf('\r');
    if (cr < 0) {
      lines.append(DecodeWindows1252(rest));
      break;
    }
    lines.append(DecodeWindows1252(rest.first(cr)));
    rest = rest.sliced(cr + 1);
    if (rest.startsWith('\n')) rest = rest.sliced(1);
  }
  while (lines.size() < 1 + kWorksheetRows) lines.append(QString());
  return lines;
}

std::array<QString, 5> WorksheetRowFields(const QString& line) {
  std::array<QString, 5> fields;
  qsizetype start = 0;
  for (int f = 0; f < 4; ++f) {
    const qsizetype tab = line.indexOf(u'\t', start);
    if (tab < 0) {
      fields[f] = line.mid(start);
      return fields;
    }
    fields[f] = line.mid(start, tab - start);
    start = tab + 1;
  }
  fields[4] = line.mid(start);
  return fields;
}

LoadedWorksheet ReadWorksheetFile(const QByteArray& bytes,
                                  const std::function<void(const EFractionError&)>& onFractionError) {
  const QStringList lines = WorksheetFileLines(bytes);
  LoadedWorksheet loaded;
  loaded.Text.Project = lines[0];
  for (int k = 0; k < kWorksheetRows; ++k) {
    const auto fields = WorksheetRowFields(lines[k + 1]);
    WorksheetRowText& text = loaded.Text.Rows[k];
    WorksheetRowValues& values = loaded.Values[k];
    text.Desc = TrimBlanks(fields[1]);
    text.Mm = TrimBlanks(fields[2]);
    text.Inch = TrimBlanks(fields[3]);
    if (!text.Mm.isEmpty()) values.MmValue = StoreSingle(TextToNumber(fields[2]));
    // A blank typed into the inch box is no size, as it is for the box itself.
    if (!text.Inch.isEmpty()) {
      try {
        values.InchValue = StoreSingle(InchTextToNumber(fields[3]));
      } catch (const EFractionError& failure) {
        if (onFractionError) onFractionError(failure);
      }
    }
    if (!TrimBlanks(fields[4]).isEmpty()) values.BeadCount = TextToInteger(fields[4]);
    if (values.BeadCount > 0) text.Nob = QString::number(values.BeadCount);
  }
  return loaded;
}

}  // namespace orvane
