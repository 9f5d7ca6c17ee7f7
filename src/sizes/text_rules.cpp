#include "sizes/text_rules.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

namespace orvane {

namespace {

// The offending text as the message quotes it. A pasted NUL would end the
// message early, so it shows as its visible symbol.
QString Quoted(const QString& text) {
  QString shown = text;
  shown.replace(QChar(u'\0'), QChar(char16_t(0x2400)));
  return shown;
}

[[noreturn]] void ThrowFloat(const QString& text) {
  throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(Quoted(text)).toStdString());
}

[[noreturn]] void ThrowInteger(const QString& text) {
  throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(Quoted(text)).toStdString());
}

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// strtold in the "C" locale: correct extended conversion whatever the user's
// LC_NUMERIC says.
long double ParseCanonical(const std::string& canonical, bool& overflow) {
  static locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
  errno = 0;
  char* end = nullptr;
  long double v = strtold_l(canonical.c_str(), &end, cLocale);
  overflow = (errno == ERANGE && std::isinf(v));
  return v;
}

// The decimal digits of |value| rounded to 18 significant digits, and the
// exponent e with |value| = 0.d1d2... * 10^e.
struct Decimal {
  std::string digits;  // no leading zero unless the value is zero
  int exponent = 0;
};

Decimal Expand18(long double value) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 17);
  std::string s(buf, res.ptr);
  Decimal d;
  auto epos = s.find('e');
  std::string mant = s.substr(0, epos);
  for (char c : mant)
    if (c != '.') d.digits += c;
  d.exponent = std::stoi(s.substr(epos + 1)) + 1;
  return d;
}

// Keeps `keep` digits, rounding half up on the decimal digits; a carry out of
// the first digit raises the exponent.
void RoundHalfUp(Decimal& d, int keep) {
  if (keep < 0) {
    d.digits.clear();
    return;
  }
  if (keep >= static_cast<int>(d.digits.size())) return;
  bool up = d.digits[keep] >= '5';
  d.digits.resize(keep);
  if (!up) return;
  int i = keep - 1;
  while (i >= 0 && d.digits[i] == '9') {
    d.digits[i] = '0';
    --i;
  }
  if (i >= 0) {
    ++d.digits[i];
  } else {
    d.digits.insert(d.digits.begin(), '1');
    d.digits.pop_back();
    if (keep == 0) d.digits = "1";
    ++d.exponent;
  }
}

bool AllZero(const std::string& s) { return s.find_first_not_of('0') == std::string::npos; }

QString NonFinite(long double value) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

}  // namespace

QString TrimSpaces(const QString& text) {
  qsizetype b = 0, e = text.size();
  while (b < e && text[b] == u' ') ++b;
  while (e > b && text[e - 1] == u' ') --e;
  return text.mid(b, e - b);
}

QString TrimBlanks(const QString& text) {
  qsizetype b = 0, e = text.size();
  while (b < e && text[b] <= u' ') ++b;
  while (e > b && text[e - 1] <= u' ') --e;
  return text.mid(b, e - b);
}

long double TextToNumber(const QString& text) {
  qsizetype b = 0, e = text.size();
  while (b < e && text[b] == u' ') ++b;
  while (e > b && text[e - 1] == u' ') --e;
  qsizetype i = b;
  std::string canonical;
  if (i < e && (text[i] == u'+' || text[i] == u'-')) {
    if (text[i] == u'-') canonical += '-';
    ++i;
  }
  std::string intDigits, fracDigits;
  bool point = false;
  while (i < e && IsDigit(text[i])) intDigits += char(text[i++].unicode());
  if (i < e && text[i] == u'.') {
    point = true;
    ++i;
    while (i < e && IsDigit(text[i])) fracDigits += char(text[i++].unicode());
  }
  if (intDigits.empty() && fracDigits.empty() && !point) ThrowFloat(text);
  canonical += intDigits.empty() ? "0" : intDigits;
  if (!fracDigits.empty()) canonical += "." + fracDigits;
  if (i < e && (text[i] == u'E' || text[i] == u'e')) {
    ++i;
    std::string exp = "e";
    if (i < e && (text[i] == u'+' || text[i] == u'-')) exp += char(text[i++].unicode());
    qsizetype start = i;
    while (i < e && IsDigit(text[i])) exp += char(text[i++].unicode());
    if (i == start) ThrowFloat(text);
    canonical += exp;
  }
  if (i != e) ThrowFloat(text);
  bool overflow = false;
  long double v = ParseCanonical(canonical, overflow);
  if (overflow) ThrowFloat(text);
  return v;
}

qint32 TextToInteger(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  if (i >= text.size()) ThrowInteger(text);
  qint64 value = 0;
  for (; i < text.size(); ++i) {
    if (!IsDigit(text[i])) ThrowInteger(text);
    value = value * 10 + (text[i].unicode() - u'0');
    if (value > qint64(std::numeric_limits<qint32>::max()) + 1) ThrowInteger(text);
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<qint32>::max() || value < std::numeric_limits<qint32>::min()) ThrowInteger(text);
  return static_cast<qint32>(value);
}

float FractionToDecimal(const QString& text) {
  const QString s = TrimSpaces(text);
  if (s.isEmpty() || !s.contains(u'/')) throw EFractionError(kFractionMessage);

  qsizetype split = -1, slash = -1;
  for (qsizetype i = 0; i < s.size(); ++i) {
    const QChar c = s[i];
    if (c == u' ')
      split = i;
    else if (c == u'/')
      slash = i;
    else if (c != u'.' && !IsDigit(c))
      throw EFractionError(kFractionMessage);
  }
  QString whole;
  if (split >= 0) whole = TrimSpaces(s.left(split + 1));
  const qsizetype numStart = split >= 0 ? split + 1 : 0;
  const QString numerator = slash > numStart ? TrimSpaces(s.mid(numStart, slash - numStart)) : QString();
  const QString denominator = TrimSpaces(s.mid(slash + 1));

  long double value = 0;
  if (!whole.isEmpty()) value = TextToNumber(whole);
  if (!numerator.isEmpty()) {
    const qint64 n = qint64(TextToInteger(numerator)) * 1000;
    if (n > std::numeric_limits<qint32>::max() || n < std::numeric_limits<qint32>::min())
      throw EMathError("Integer overflow");
    const qint32 d = TextToInteger(denominator);
    const long double q = std::nearbyint(CheckedDivide(static_cast<long double>(n), static_cast<long double>(d)));
    value += q / 1000.0L;
  }
  return StoreSingle(value);
}

long double InchTextToNumber(const QString& text) {
  if (text.contains(u'/')) return FractionToDecimal(text);
  return TextToNumber(text);
}

QString FormatFixed(long double value, int precision, int decimals) {
  if (!std::isfinite(value)) return NonFinite(value);
  const bool negative = std::signbit(value);
  Decimal d;
  if (value == 0) {
    d.digits = "0";
    d.exponent = 1;
  } else {
    d = Expand18(value);
    RoundHalfUp(d, std::min(precision, d.exponent + decimals));
    if (d.digits.empty() || AllZero(d.digits)) {
      d.digits = "0";
      d.exponent = 1;
    }
  }
  const bool zero = AllZero(d.digits);
  QString out;
  if (negative && !zero) out += u'-';
  if (d.exponent <= precision) {
    std::string intPart, fracPart;
    for (int k = 0; k < d.exponent; ++k) intPart += k < int(d.digits.size()) ? d.digits[k] : '0';
    for (int k = 0; k < decimals; ++k) {
      const int idx = d.exponent + k;
      fracPart += (idx >= 0 && idx < int(d.digits.size())) ? d.digits[idx] : '0';
    }
    if (intPart.empty()) intPart = "0";
    out += QString::fromLatin1(intPart.c_str());
    out += u'.';
    out += QString::fromLatin1(fracPart.c_str());
    if (decimals <= 0) out.chop(1);
    return out;
  }
  // Too many integer digits for the precision: exponent form.
  Decimal x = Expand18(value);
  RoundHalfUp(x, precision);
  std::string digits = x.digits;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  out += QChar(digits[0]);
  if (digits.size() > 1) out += u'.' + QString::fromLatin1(digits.c_str() + 1);
  out += u'E' + QString::fromLatin1(std::to_string(x.exponent - 1).c_str());
  return out;
}

QString FormatGeneral(long double value) {
  if (!std::isfinite(value)) return NonFinite(value);
  if (value == 0) return QStringLiteral("0");
  Decimal d = Expand18(value);
  RoundHalfUp(d, 15);
  std::string digits = d.digits;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int e = d.exponent;
  std::string out = value < 0 ? "-" : "";
  if (e > 15 || e < -3) {
    out += digits[0];
    if (digits.size() > 1) out += "." + digits.substr(1);
    out += "E" + std::to_string(e - 1);
  } else if (e <= 0) {
    out += "0." + std::string(-e, '0') + digits;
  } else {
    std::string intPart = digits.substr(0, std::min<size_t>(e, digits.size()));
    intPart.resize(e, '0');
    out += intPart;
    if (int(digits.size()) > e) out += "." + digits.substr(e);
  }
  return QString::fromLatin1(out.c_str());
}

long double NotNegative(long double value, const QString& text) {
  if (value < 0)
    throw EConvertError(
        QStringLiteral("'%1' is below zero: a size or length cannot be negative").arg(Quoted(text)).toStdString());
  return value;
}

float StoreSingle(long double value) {
  if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max()) {
    // Values that round down to FLT_MAX are still representable.
    const float f = static_cast<float>(value);
    if (std::isinf(f)) throw EMathError(kOverflow);
    return f;
  }
  return static_cast<float>(value);
}

long double CheckedDivide(long double numerator, long double denominator) {
  if (denominator == 0) {
    if (numerator == 0 || std::isnan(numerator)) throw EMathError(kInvalidOperation);
    throw EMathError(kDivisionByZero);
  }
  return CheckedResult(numerator / denominator);
}

long double CheckedResult(long double value) {
  if (std::isnan(value)) throw EMathError(kInvalidOperation);
  if (std::isinf(value)) throw EMathError(kOverflow);
  return value;
}

QString WithFinalDot(const QString& message) {
  if (!message.isEmpty() && message.back() <= u'.') return message;
  return message + u'.';
}

}  // namespace orvane
