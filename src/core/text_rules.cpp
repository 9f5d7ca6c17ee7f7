#include "core/text_rules.h"

#include <locale.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <utility>

namespace orvane {

QString quotedText(const QString& text) {
  // A pasted page of text would make a box wider than any screen: the middle
  // of a very long text is left out, never half a character.
  constexpr qsizetype kKeep = 100;
  QString shown = text;
  if (shown.size() > 2 * kKeep + 20) {
    qsizetype head = kKeep, tail = kKeep;
    if (shown[head - 1].isHighSurrogate()) --head;
    if (shown[shown.size() - tail].isLowSurrogate()) --tail;
    shown = shown.left(head) + QStringLiteral(" \u2026 ") + shown.right(tail);
  }
  // A pasted NUL would end the message early, so it shows as its symbol.
  shown.replace(QChar(u'\0'), QChar(char16_t(0x2400)));
  // Right-to-left letters or direction marks in the text must not turn the
  // sentence around it: the text goes in an isolate of its own. A closing
  // mark of the text's own that has no opening one would end that isolate
  // early, so it is dropped; isolates the text leaves open are closed.
  bool directional = false;
  for (QChar c : shown) {
    switch (c.direction()) {
      case QChar::DirR:
      case QChar::DirAL:
      case QChar::DirAN:
      case QChar::DirLRE:
      case QChar::DirLRO:
      case QChar::DirRLE:
      case QChar::DirRLO:
      case QChar::DirPDF:
      case QChar::DirLRI:
      case QChar::DirRLI:
      case QChar::DirFSI:
      case QChar::DirPDI:
        directional = true;
        break;
      default:
        break;
    }
  }
  if (!directional) return shown;
  constexpr char16_t kFirstStrongIsolate = 0x2068, kPopIsolate = 0x2069;
  QString isolated(1, QChar(kFirstStrongIsolate));
  int open = 0;
  for (QChar c : shown) {
    const QChar::Direction d = c.direction();
    if (d == QChar::DirLRI || d == QChar::DirRLI || d == QChar::DirFSI) {
      ++open;
    } else if (d == QChar::DirPDI) {
      if (open == 0) continue;
      --open;
    }
    isolated += c;
  }
  isolated += QString(open + 1, QChar(kPopIsolate));
  return isolated;
}

QString errorText(const char* english) { return QCoreApplication::translate("TextRules", english); }

QString notAFloatText(const QString& text) {
  return QCoreApplication::translate("TextRules", "'%1' is not a valid floating point value")
      .arg(quotedText(text));
}

namespace {

QString quoted(const QString& text) { return quotedText(text); }

[[noreturn]] void throwFloat(const QString& text) {
  throw ConversionError(notAFloatText(text).toStdString());
}

[[noreturn]] void throwInteger(const QString& text) {
  throw ConversionError(QCoreApplication::translate("TextRules", "'%1' is not a valid integer value")
                            .arg(quoted(text))
                            .toStdString());
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// strtold in the "C" locale: correct extended conversion whatever the user's
// LC_NUMERIC says.
long double parseCanonical(const std::string& canonical, bool& overflow) {
  static locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
  errno = 0;
  char* end = nullptr;
  long double v = strtold_l(canonical.c_str(), &end, cLocale);
  overflow = (errno == ERANGE && std::isinf(v));
  return v;
}

// The decimal digits of |value| rounded to a number of significant digits,
// and the exponent e with |value| = 0.d1d2... * 10^e. Every number box and
// the calculator display format through here, so the digits live in place.
struct Decimal {
  char digits[18];  // no leading zero unless the value is zero
  int count = 0;
  int exponent = 0;
};

// How a discarded part of exactly one half rounds: fixed texts follow the C
// library (to even), general texts round it up.
enum class Tie { ToEven, Up };

using u128 = unsigned __int128;

constexpr std::array<u128, 39> kPowersOfTen = [] {
  std::array<u128, 39> p{};
  p[0] = 1;
  for (size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
  return p;
}();

// value * 10^p as a whole part and how the rest compares with one half
// (-1 below, 0 equal, +1 above); value = m * 2^q. False when it does not fit
// in 128 bits.
bool scaledByPowerOfTen(std::uint64_t m, int q, int p, u128& whole, int& rest) {
  const int powers = int(kPowersOfTen.size());
  if (p >= powers || -p >= powers || q >= 64 || q <= -128) return false;
  if (p >= 0) {
    u128 num;
    if (__builtin_mul_overflow(u128(m), kPowersOfTen[p], &num)) return false;
    if (q >= 0) {
      if (q > 0 && (num >> (128 - q)) != 0) return false;
      whole = num << q;
      rest = -1;
      return true;
    }
    whole = num >> -q;
    const u128 rem = num & ((u128(1) << -q) - 1);
    const u128 half = u128(1) << (-q - 1);
    rest = rem < half ? -1 : rem > half ? 1 : 0;
    return true;
  }
  u128 num = m, den = kPowersOfTen[-p];
  if (q >= 0) {
    num <<= q;
  } else {
    if ((den >> (128 + q)) != 0) return false;
    den <<= -q;
  }
  whole = num / den;
  const u128 rem = num % den, other = den - rem;
  rest = rem < other ? -1 : rem > other ? 1 : 0;
  return true;
}

// The first `count` digits of |value| straight from its 64-bit significand
// with 128-bit integers, rounded once: exact, and several times quicker than
// the library conversion. False for zero, subnormals and magnitudes too far
// from the everyday ones to scale in 128 bits; the library conversion takes
// those (no exact half can arise there, so its ties to even do no harm).
bool exactDigits(long double value, int count, Tie tie, std::uint64_t& digits, int& exponent) {
#if LDBL_MANT_DIG == 64
  unsigned char raw[sizeof(long double)];
  std::memcpy(raw, &value, sizeof raw);
  std::uint64_t m;
  std::uint16_t signAndExponent;
  std::memcpy(&m, raw, sizeof m);
  std::memcpy(&signAndExponent, raw + 8, sizeof signAndExponent);
  const int biased = signAndExponent & 0x7fff;
  if (biased == 0 || !(m >> 63)) return false;
  // value = m * 2^q, and lies in [2^top, 2^(top + 1)).
  const int top = biased - 16383;
  if (top < -200 || top > 200) return false;
  const int zeros = std::countr_zero(m);
  m >>= zeros;
  const int q = top - 63 + zeros;
  const std::uint64_t low = std::uint64_t(kPowersOfTen[count - 1]), high = std::uint64_t(kPowersOfTen[count]);
  // floor(top * log10 2) + 1 is the decimal exponent or one off it.
  int e = ((top * 1262611) >> 22) + 1;
  for (int attempt = 0; attempt < 3; ++attempt) {
    u128 whole;
    int rest;
    if (!scaledByPowerOfTen(m, q, count - e, whole, rest)) return false;
    if (whole < low) {
      --e;
    } else if (whole >= high) {
      ++e;
    } else {
      const bool up = rest > 0 || (rest == 0 && (tie == Tie::Up || (whole & 1)));
      digits = std::uint64_t(whole) + up;
      exponent = e;
      if (digits == high) {
        digits = low;
        ++exponent;
      }
      return true;
    }
  }
#else
  (void)value;
  (void)count;
  (void)tie;
  (void)digits;
  (void)exponent;
#endif
  return false;
}

// |value| rounded once to `count` (at most 18) significant digits.
Decimal expand(long double value, int count, Tie tie) {
  Decimal d;
  d.count = count;
  std::uint64_t n;
  if (exactDigits(value, count, tie, n, d.exponent)) {
    for (int i = count - 1; i >= 0; --i) {
      d.digits[i] = char('0' + n % 10);
      n /= 10;
    }
    return d;
  }
  // "d.ddd...e[+-]x"
  char buf[64];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, count - 1);
  d.digits[0] = buf[0];
  std::memcpy(d.digits + 1, buf + 2, count - 1);
  const char* sign = buf + count + 2;
  std::from_chars(sign + (*sign == '+'), res.ptr, d.exponent);
  ++d.exponent;
  return d;
}

Decimal expand18(long double value) { return expand(value, 18, Tie::ToEven); }

// Keeps `keep` digits, rounding half up on the decimal digits; a carry out of
// the first digit raises the exponent.
void roundHalfUp(Decimal& d, int keep) {
  if (keep < 0) {
    d.count = 0;
    return;
  }
  if (keep >= d.count) return;
  const bool up = d.digits[keep] >= '5';
  d.count = keep;
  if (!up) return;
  int i = keep - 1;
  while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
  if (i >= 0) {
    ++d.digits[i];
  } else {
    // All nines: a 1 and the zeros already there, one digit at the least.
    d.digits[0] = '1';
    d.count = std::max(keep, 1);
    ++d.exponent;
  }
}

bool allZero(const Decimal& d) {
  for (int i = 0; i < d.count; ++i)
    if (d.digits[i] != '0') return false;
  return true;
}

void dropTrailingZeros(Decimal& d) {
  while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
}

// "d.dddEx" from digits without trailing zeros; returns the end.
char* writeExponentForm(char* out, const Decimal& d) {
  *out++ = d.count > 0 ? d.digits[0] : '\0';
  if (d.count > 1) {
    *out++ = '.';
    std::memcpy(out, d.digits + 1, d.count - 1);
    out += d.count - 1;
  }
  *out++ = 'E';
  return std::to_chars(out, out + 12, d.exponent - 1).ptr;
}

QString nonFinite(long double value) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

}  // namespace

namespace {

bool isSpace(QChar c) { return c == u' '; }
bool isBlank(QChar c) { return c <= u' '; }

// The start and end of what is left of a text without its blanks at both ends.
template <typename IsBlankChar>
std::pair<qsizetype, qsizetype> trimmedRange(const QString& text, IsBlankChar isBlank) {
  qsizetype b = 0, e = text.size();
  while (b < e && isBlank(text[b])) ++b;
  while (e > b && isBlank(text[e - 1])) --e;
  return {b, e};
}

template <typename IsBlankChar>
QString trimmed(const QString& text, IsBlankChar isBlank) {
  const auto [b, e] = trimmedRange(text, isBlank);
  return text.mid(b, e - b);
}

}  // namespace

QString trimSpaces(const QString& text) { return trimmed(text, isSpace); }

QString trimBlanks(const QString& text) { return trimmed(text, isBlank); }

long double textToNumber(const QString& text) {
  // Read in place: no trimmed copy for the hot path of every conversion.
  // Plain variables, not a structured binding: the lambda below captures the
  // end, which not every compiler allows for a binding.
  const std::pair<qsizetype, qsizetype> range = trimmedRange(text, isSpace);
  const qsizetype b = range.first, e = range.second;
  qsizetype i = b;
  const bool negative = i < e && text[i] == u'-';
  if (i < e && (text[i] == u'+' || text[i] == u'-')) ++i;
  // The digits as one integer while there are few enough to hold exactly.
  std::uint64_t mantissa = 0;
  int digitCount = 0;
  auto scanDigits = [&] {
    const qsizetype start = i;
    for (; i < e && isDigit(text[i]); ++i) mantissa = mantissa * 10 + (text[i].unicode() - u'0');
    digitCount += int(i - start);
    return start;
  };
  const qsizetype intStart = scanDigits(), intEnd = i;
  qsizetype fracStart = i, fracEnd = i;
  bool point = false;
  if (i < e && text[i] == u'.') {
    point = true;
    ++i;
    fracStart = scanDigits();
    fracEnd = i;
  }
  if (digitCount == 0 && !point) throwFloat(text);
  qsizetype expStart = i, expEnd = i;
  int exponent = 0;
  bool exponentSmall = true;
  if (i < e && (text[i] == u'E' || text[i] == u'e')) {
    ++i;
    expStart = i;
    const bool expNegative = i < e && text[i] == u'-';
    if (i < e && (text[i] == u'+' || text[i] == u'-')) ++i;
    const qsizetype digitsStart = i;
    for (; i < e && isDigit(text[i]); ++i) {
      if (exponentSmall) exponent = exponent * 10 + (text[i].unicode() - u'0');
      exponentSmall = exponentSmall && exponent < 100000;
    }
    if (i == digitsStart) throwFloat(text);
    expEnd = i;
    if (expNegative) exponent = -exponent;
  }
  if (i != e) throwFloat(text);

  // Up to 19 digits and a power of ten up to 10^27 are both exact in extended
  // precision, so one multiplication or division rounds once, as strtold does.
  static constexpr auto kTens = [] {
    std::array<long double, 28> p{};
    p[0] = 1;
    for (size_t k = 1; k < p.size(); ++k) p[k] = p[k - 1] * 10;
    return p;
  }();
  const int scale = exponentSmall ? exponent - int(fracEnd - fracStart) : 0;
  if (LDBL_MANT_DIG == 64 && digitCount <= 19 && exponentSmall && scale > -28 && scale < 28) {
    const long double whole = static_cast<long double>(mantissa);
    const long double v = scale >= 0 ? whole * kTens[scale] : whole / kTens[-scale];
    return negative ? -v : v;
  }

  std::string canonical;
  if (negative) canonical += '-';
  auto append = [&](qsizetype from, qsizetype to) {
    for (qsizetype k = from; k < to; ++k) canonical += char(text[k].unicode());
  };
  if (intEnd == intStart) canonical += '0';
  append(intStart, intEnd);
  if (fracEnd > fracStart) {
    canonical += '.';
    append(fracStart, fracEnd);
  }
  if (expEnd > expStart) {
    canonical += 'e';
    append(expStart, expEnd);
  }
  bool overflow = false;
  long double v = parseCanonical(canonical, overflow);
  if (overflow) throwFloat(text);
  return v;
}

std::optional<qint32> readInteger(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  if (i >= text.size()) return std::nullopt;
  qint64 value = 0;
  for (; i < text.size(); ++i) {
    if (!isDigit(text[i])) return std::nullopt;
    value = value * 10 + (text[i].unicode() - u'0');
    if (value > qint64(std::numeric_limits<qint32>::max()) + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<qint32>::max() || value < std::numeric_limits<qint32>::min())
    return std::nullopt;
  return static_cast<qint32>(value);
}

qint32 textToInteger(const QString& text) {
  if (const std::optional<qint32> value = readInteger(text)) return *value;
  throwInteger(text);
}

namespace {

// "W N/D", "N/D" or "W /D": the whole part may be a decimal. With
// `toThousandths` the fraction is taken to the nearest thousandth, ties to
// even, as the size look-ups have always keyed on it; otherwise exactly.
long double readFraction(const QString& text, bool toThousandths) {
  const QString s = trimSpaces(text);
  if (s.isEmpty() || !s.contains(u'/')) throw FractionError(kFractionMessage);

  qsizetype split = -1, slash = -1;
  for (qsizetype i = 0; i < s.size(); ++i) {
    const QChar c = s[i];
    if (c == u' ')
      split = i;
    else if (c == u'/')
      slash = i;
    else if (c != u'.' && !isDigit(c))
      throw FractionError(kFractionMessage);
  }
  QString whole;
  if (split >= 0) whole = trimSpaces(s.left(split + 1));
  const qsizetype numStart = split >= 0 ? split + 1 : 0;
  const QString numerator = slash > numStart ? trimSpaces(s.mid(numStart, slash - numStart)) : QString();
  const QString denominator = trimSpaces(s.mid(slash + 1));

  long double value = 0;
  if (!whole.isEmpty()) value = textToNumber(whole);
  if (!numerator.isEmpty()) {
    const long double n = textToInteger(numerator);
    const long double d = textToInteger(denominator);
    if (toThousandths)
      value += std::nearbyint(checkedDivide(n * 1000, d)) / 1000.0L;
    else
      value += checkedDivide(n, d);
  }
  return checkedResult(value);
}

}  // namespace

long double fractionToDecimal(const QString& text) { return readFraction(text, false); }

long double inchTextToNumber(const QString& text) {
  if (text.contains(u'/')) return fractionToDecimal(text);
  return textToNumber(text);
}

long double inchLookupValue(const QString& text) {
  if (text.contains(u'/')) return storeSingle(readFraction(text, true));
  return textToNumber(text);
}

QString formatFixed(long double value, int precision, int decimals) {
  if (!std::isfinite(value)) return nonFinite(value);
  const bool negative = std::signbit(value);
  Decimal full, d;
  if (value == 0) {
    d.digits[0] = '0';
    d.count = 1;
    d.exponent = 1;
  } else {
    full = d = expand18(value);
    roundHalfUp(d, std::min(precision, d.exponent + decimals));
    if (allZero(d)) {
      d.digits[0] = '0';
      d.count = 1;
      d.exponent = 1;
    }
  }
  const bool sign = negative && !allZero(d);
  if (d.exponent <= precision) {
    const int intDigits = std::max(d.exponent, 1);
    const int fracDigits = std::max(decimals, 0);
    QString out(sign + intDigits + (fracDigits > 0) + fracDigits, Qt::Uninitialized);
    char16_t* p = reinterpret_cast<char16_t*>(out.data());
    if (sign) *p++ = u'-';
    // Digit k of the number, counting from the first integer digit.
    auto digit = [&d](int k) { return char16_t(k >= 0 && k < d.count ? d.digits[k] : '0'); };
    if (d.exponent <= 0) *p++ = u'0';
    for (int k = 0; k < d.exponent; ++k) *p++ = digit(k);
    if (fracDigits > 0) *p++ = u'.';
    for (int k = 0; k < fracDigits; ++k) *p++ = digit(d.exponent + k);
    return out;
  }
  // Too many integer digits for the precision: exponent form.
  Decimal x = value == 0 ? expand18(value) : full;
  roundHalfUp(x, precision);
  dropTrailingZeros(x);
  char buf[48];
  char* p = buf;
  if (sign) *p++ = '-';
  p = writeExponentForm(p, x);
  return QString::fromLatin1(buf, p - buf);
}

QString formatGeneral(long double value) {
  if (!std::isfinite(value)) return nonFinite(value);
  if (value == 0) return QStringLiteral("0");
  // One rounding of the value itself: rounding 18 digits again would turn
  // ...549957 into ...55 and then up.
  Decimal d = expand(value, 15, Tie::Up);
  dropTrailingZeros(d);
  const int e = d.exponent;
  char buf[48];
  char* p = buf;
  if (value < 0) *p++ = '-';
  if (e > 15 || e < -3) {
    p = writeExponentForm(p, d);
  } else if (e <= 0) {
    *p++ = '0';
    *p++ = '.';
    p = std::fill_n(p, -e, '0');
    p = std::copy_n(d.digits, d.count, p);
  } else {
    for (int k = 0; k < e; ++k) *p++ = k < d.count ? d.digits[k] : '0';
    if (d.count > e) {
      *p++ = '.';
      p = std::copy(d.digits + e, d.digits + d.count, p);
    }
  }
  return QString::fromLatin1(buf, p - buf);
}

long double notNegative(long double value, const QString& text) {
  if (value < 0)
    throw ConversionError(
        QCoreApplication::translate("TextRules", "'%1' is below zero: a size or length cannot be negative")
            .arg(quoted(text))
            .toStdString());
  return value;
}

float storeSingle(long double value) {
  if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max()) {
    // Values that round down to FLT_MAX are still representable.
    const float f = static_cast<float>(value);
    if (std::isinf(f)) throw MathError(kOverflow);
    return f;
  }
  return static_cast<float>(value);
}

long double checkedDivide(long double numerator, long double denominator) {
  if (denominator == 0) {
    if (numerator == 0 || std::isnan(numerator)) throw MathError(kInvalidOperation);
    throw MathError(kDivisionByZero);
  }
  return checkedResult(numerator / denominator);
}

long double checkedResult(long double value) {
  if (std::isnan(value)) throw MathError(kInvalidOperation);
  if (std::isinf(value)) throw MathError(kOverflow);
  return value;
}

QString withFinalDot(const QString& message) {
  if (!message.isEmpty() && message.back() <= u'.') return message;
  return message + u'.';
}

}  // namespace orvane
