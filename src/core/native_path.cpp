#include "core/native_path.h"

namespace orvane {

namespace {

constexpr char16_t kKeptByteBase = 0xDC00;  // + a byte of 0x80..0xFF

bool isKeptByte(char16_t c) { return c >= kKeptByteBase + 0x80 && c <= kKeptByteBase + 0xFF; }

bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// The length of the valid UTF-8 sequence at `at`, and its code point; 0 when
// the byte there starts none (overlong forms, surrogates and values above
// U+10FFFF are no valid sequence).
int validSequence(QByteArrayView bytes, qsizetype at, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(bytes[at]);
  int length;
  char32_t min;
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  } else if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2, cp = b0 & 0x1F, min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3, cp = b0 & 0x0F, min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (at + length > bytes.size()) return 0;
  for (int k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(bytes[at + k]);
    if (!isContinuation(b)) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

void appendUtf8(QByteArray& out, char32_t cp) {
  if (cp < 0x80) {
    out.append(char(cp));
  } else if (cp < 0x800) {
    out.append(char(0xC0 | (cp >> 6)));
    out.append(char(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.append(char(0xE0 | (cp >> 12)));
    out.append(char(0x80 | ((cp >> 6) & 0x3F)));
    out.append(char(0x80 | (cp & 0x3F)));
  } else {
    out.append(char(0xF0 | (cp >> 18)));
    out.append(char(0x80 | ((cp >> 12) & 0x3F)));
    out.append(char(0x80 | ((cp >> 6) & 0x3F)));
    out.append(char(0x80 | (cp & 0x3F)));
  }
}

}  // namespace

QString pathFromNative(QByteArrayView bytes) {
  QString out;
  out.reserve(bytes.size());
  qsizetype i = 0;
  while (i < bytes.size()) {
    char32_t cp = 0;
    const int length = validSequence(bytes, i, cp);
    if (length == 0) {
      out.append(QChar(char16_t(kKeptByteBase + static_cast<unsigned char>(bytes[i]))));
      ++i;
      continue;
    }
    if (QChar::requiresSurrogates(cp)) {
      out.append(QChar(QChar::highSurrogate(cp)));
      out.append(QChar(QChar::lowSurrogate(cp)));
    } else {
      out.append(QChar(char16_t(cp)));
    }
    i += length;
  }
  return out;
}

QByteArray nativePath(const QString& path) {
  QByteArray out;
  out.reserve(path.size());
  for (qsizetype i = 0; i < path.size(); ++i) {
    const char16_t c = path[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < path.size() && QChar::isLowSurrogate(path[i + 1].unicode())) {
      appendUtf8(out, QChar::surrogateToUcs4(c, path[i + 1].unicode()));
      ++i;
    } else if (isKeptByte(c)) {
      out.append(char(c - kKeptByteBase));
    } else if (QChar::isSurrogate(c)) {
      appendUtf8(out, 0xFFFD);  // a lone surrogate no system name gave
    } else {
      appendUtf8(out, c);
    }
  }
  return out;
}

QString shownPath(const QString& path) {
  QString shown = path;
  for (qsizetype i = 0; i < shown.size(); ++i) {
    const char16_t c = shown[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < shown.size() && QChar::isLowSurrogate(shown[i + 1].unicode()))
      ++i;
    else if (QChar::isSurrogate(c))
      shown[i] = QChar(QChar::ReplacementCharacter);
  }
  return shown;
}

}  // namespace orvane
