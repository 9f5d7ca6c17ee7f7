// Number texts are read and written, and size answers found, on quick paths;
// this test holds them to a plain, obviously-right way of doing the same,
// character for character and bit for bit, over many generated cases.
#include <locale.h>

#include <QTest>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/size_tables.h"
#include "core/text_rules.h"

using namespace orvane;

namespace plain {

// The number a box text reads as, by way of strtold on a canonical copy;
// nothing when the text is refused.
std::optional<long double> textToNumber(const QString& text) {
  auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
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
  while (i < e && isDigit(text[i])) intDigits += char(text[i++].unicode());
  if (i < e && text[i] == u'.') {
    point = true;
    ++i;
    while (i < e && isDigit(text[i])) fracDigits += char(text[i++].unicode());
  }
  if (intDigits.empty() && fracDigits.empty() && !point) return std::nullopt;
  canonical += intDigits.empty() ? "0" : intDigits;
  if (!fracDigits.empty()) canonical += "." + fracDigits;
  if (i < e && (text[i] == u'E' || text[i] == u'e')) {
    ++i;
    std::string exp = "e";
    if (i < e && (text[i] == u'+' || text[i] == u'-')) exp += char(text[i++].unicode());
    qsizetype start = i;
    while (i < e && isDigit(text[i])) exp += char(text[i++].unicode());
    if (i == start) return std::nullopt;
    canonical += exp;
  }
  if (i != e) return std::nullopt;
  static locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
  errno = 0;
  char* end = nullptr;
  const long double v = strtold_l(canonical.c_str(), &end, cLocale);
  if (errno == ERANGE && std::isinf(v)) return std::nullopt;
  return v;
}

struct Decimal {
  std::string digits;
  int exponent = 0;
};

// |value| correctly rounded to `count` significant digits.
Decimal expand(long double value, int count) {
  char buf[128];
  auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, count - 1);
  std::string s(buf, res.ptr);
  Decimal d;
  auto epos = s.find('e');
  for (char c : s.substr(0, epos))
    if (c != '.') d.digits += c;
  d.exponent = std::stoi(s.substr(epos + 1)) + 1;
  return d;
}

Decimal expand18(long double value) { return expand(value, 18); }

void roundHalfUp(Decimal& d, int keep) {
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

bool allZero(const std::string& s) { return s.find_first_not_of('0') == std::string::npos; }

QString nonFinite(long double value) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

QString formatFixed(long double value, int precision, int decimals) {
  if (!std::isfinite(value)) return nonFinite(value);
  const bool negative = std::signbit(value);
  Decimal d;
  if (value == 0) {
    d.digits = "0";
    d.exponent = 1;
  } else {
    d = expand18(value);
    roundHalfUp(d, std::min(precision, d.exponent + decimals));
    if (d.digits.empty() || allZero(d.digits)) {
      d.digits = "0";
      d.exponent = 1;
    }
  }
  const bool zero = allZero(d.digits);
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
  Decimal x = expand18(value);
  roundHalfUp(x, precision);
  std::string digits = x.digits;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  out += QChar(digits[0]);
  if (digits.size() > 1) out += u'.' + QString::fromLatin1(digits.c_str() + 1);
  out += u'E' + QString::fromLatin1(std::to_string(x.exponent - 1).c_str());
  return out;
}

QString formatGeneral(long double value) {
  if (!std::isfinite(value)) return nonFinite(value);
  if (value == 0) return QStringLiteral("0");
  // Sixty digits hold every half that a 15-digit rounding can meet exactly,
  // and lie far closer to the value than any of its neighbours' halves, so
  // rounding them half up is rounding the value itself.
  Decimal d = expand(value, 60);
  roundHalfUp(d, 15);
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

// Inside a range its name, on a shared boundary both names, at the outer
// ends the end entry; the first entry that matches wins.
template <typename Table, typename Name>
QString answer(int key, const Table& table, Name name) {
  const int count = int(table.size());
  if (key == thousandths(table[0].MmLow)) return name(table[0]);
  for (int i = 0; i < count; ++i) {
    const int low = thousandths(table[i].MmLow), high = thousandths(table[i].MmHigh);
    if (low < key && key < high) return name(table[i]);
    if (key == high)
      return i + 1 < count ? name(table[i]) + QStringLiteral(" - ") + name(table[i + 1]) : name(table[i]);
  }
  return {};
}

}  // namespace plain

namespace {

// Every bit of a value, for failure messages.
QString exact(long double value) {
  char buf[64];
  return QString::fromLatin1(buf,
                             std::to_chars(buf, buf + sizeof buf, value, std::chars_format::hex).ptr - buf);
}

// The values both ways must agree on: every magnitude a long double has,
// typed decimals and their float-stored forms, and the neighbours of the
// places where rounding turns (halves, runs of nines, powers of ten).
std::vector<long double> referenceValues() {
  std::vector<long double> v;
  auto withNeighbours = [&v](long double x) {
    v.push_back(x);
    v.push_back(std::nextafter(x, std::numeric_limits<long double>::infinity()));
    v.push_back(std::nextafter(x, -std::numeric_limits<long double>::infinity()));
    v.push_back(static_cast<long double>(static_cast<float>(x)));
    v.push_back(static_cast<long double>(static_cast<double>(x)));
  };
  for (long double x : {0.0L,
                        -0.0L,
                        std::numeric_limits<long double>::infinity(),
                        -std::numeric_limits<long double>::infinity(),
                        std::numeric_limits<long double>::quiet_NaN(),
                        LDBL_MAX,
                        LDBL_MIN,
                        std::numeric_limits<long double>::denorm_min(),
                        LDBL_MIN / 3,
                        static_cast<long double>(FLT_MAX),
                        static_cast<long double>(DBL_MAX),
                        1.0L / 25.4L,
                        2.3L / 25.4L,
                        0.0905511811L,
                        1234.5678901234L,
                        1e18L + 5,
                        1e18L + 15,
                        1e18L + 25,
                        1e19L + 50,
                        18446744073709551615.0L,
                        9223372036854775808.0L,
                        999999999999999999.5L})
    withNeighbours(x);
  for (int k = -40; k <= 40; ++k) {
    const long double p = std::pow(10.0L, k);
    for (long double m : {1.0L, 0.5L, 0.05L, 0.95L, 0.995L, 0.9999995L, 0.99999999999999995L,
                          0.999999999999999999L, 0.125L, 0.45L, 0.55L, 4.5L, 5.0L, 9.0L, 2.5L})
      withNeighbours(m * p);
  }
  // Halves in binary are exact, so their decimal expansions end in a 5.
  for (int j = 1; j <= 70; ++j)
    for (long double n : {1.0L, 3.0L, 7.0L, 12345.0L, 999999.0L}) withNeighbours(std::ldexp(n, -j));
  for (int j = 0; j <= 80; ++j) withNeighbours(std::ldexp(0xFFFFFFFFFFFFFFFFULL * 1.0L, j - 40));

  std::mt19937_64 random(20240517);
  // Typed decimals: up to nine digits with the point anywhere.
  for (int n = 0; n < 20000; ++n) {
    const unsigned long long digits = random() % 1000000000ULL;
    const int scale = int(random() % 24) - 12;
    withNeighbours(static_cast<long double>(digits) * std::pow(10.0L, scale));
  }
  // Any bit pattern of a normal long double, weighted towards the everyday
  // magnitudes but reaching both ends of the range.
  for (int n = 0; n < 30000; ++n) {
    const unsigned long long mantissa = random() | (1ULL << 63);
    const int exponent = n % 3 ? int(random() % 200) - 130 : int(random() % 32760) - 16380;
    long double x = std::ldexp(static_cast<long double>(mantissa), exponent - 63);
    if (random() & 1) x = -x;
    v.push_back(x);
    v.push_back(static_cast<long double>(static_cast<float>(x)));
  }
  return v;
}

}  // namespace

class NumberTextsMatchReferenceTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void formatFixed_data();
  void formatFixed();
  void formatGeneral();
  void sizeAnswers();
  void textToNumber();
};

void NumberTextsMatchReferenceTest::formatFixed_data() {
  QTest::addColumn<int>("precision");
  QTest::addColumn<int>("decimals");
  // The program's own choices, then the corners: all 18 digits shown, no
  // digits kept, negative counts.
  const int cases[][2] = {{6, 2},   {9, 5}, {10, 5}, {12, 4}, {18, 4}, {18, 0}, {40, 60},
                          {25, 30}, {1, 0}, {0, 0},  {0, 3},  {3, 7},  {-1, 2}, {5, -1}};
  for (const auto& c : cases) QTest::addRow("%d,%d", c[0], c[1]) << c[0] << c[1];
}

void NumberTextsMatchReferenceTest::formatFixed() {
  QFETCH(int, precision);
  QFETCH(int, decimals);
  static const std::vector<long double> values = referenceValues();
  for (long double x : values) {
    const QString expected = plain::formatFixed(x, precision, decimals);
    const QString got = orvane::formatFixed(x, precision, decimals);
    if (got != expected)
      QFAIL(qPrintable(QStringLiteral("%1: %2 instead of %3").arg(exact(x), got, expected)));
  }
}

void NumberTextsMatchReferenceTest::formatGeneral() {
  for (long double x : referenceValues()) {
    const QString expected = plain::formatGeneral(x);
    const QString got = orvane::formatGeneral(x);
    if (got != expected)
      QFAIL(qPrintable(QStringLiteral("%1: %2 instead of %3").arg(exact(x), got, expected)));
  }
}

// Every key from below the first entry to beyond the last, and the far keys.
void NumberTextsMatchReferenceTest::sizeAnswers() {
  std::vector<int> keys{std::numeric_limits<int>::min(), -1000000000, 1000000000,
                        std::numeric_limits<int>::max()};
  for (int key = -100; key <= 26000; ++key) keys.push_back(key);
  for (int key : keys) {
    QCOMPARE(pearlAnswer(key), plain::answer(key, PearlPlateTable,
                                             [](const PearlPlateEntry& e) { return QString::number(e.PP); }));
    QCOMPARE(stoneAnswer(key), plain::answer(key, StoneSizeTable, [](const StoneSizeEntry& e) {
               return QString::fromLatin1(e.SS);
             }));
  }
}

// Box texts of every shape: few and many digits, the point anywhere, signs,
// exponents on both sides of the exact range, blanks, and refused texts.
void NumberTextsMatchReferenceTest::textToNumber() {
  QStringList texts{".",
                    "-.",
                    "+.",
                    "-0",
                    "0e0",
                    "9999999999999999999",
                    "18446744073709551615",
                    "18446744073709551616",
                    "1e27",
                    "1e28",
                    "1e-27",
                    "1e-28",
                    "9999999999999999999e27",
                    "9999999999999999999e-27",
                    "1e99999",
                    "1e-99999",
                    "1e4932",
                    "1e-4951",
                    "1e-4952",
                    "0.000000000000000000000000000001",
                    "1e0000000000000000000000000001",
                    "1e",
                    "1e+",
                    "--1",
                    "",
                    " ",
                    "2.3",
                    " 2.3 ",
                    "1,5",
                    "0x10",
                    "1e5.",
                    "12345678901234567890123e-3"};
  std::mt19937_64 random(7031);
  const char* const blanks[] = {"", "", "", " ", "  "};
  const char* const signs[] = {"", "", "-", "+"};
  for (int n = 0; n < 60000; ++n) {
    QString t = QLatin1String(blanks[random() % 5]) + QLatin1String(signs[random() % 4]);
    const int digits = int(random() % 24);
    const int point = int(random() % (digits + 2)) - 1;  // -1: no point
    for (int k = 0; k <= digits; ++k) {
      if (k == point) t += u'.';
      if (k < digits) t += QChar(u'0' + int(random() % (random() % 4 ? 10 : 2)));
    }
    if (random() % 3 == 0) {
      t += random() % 2 ? u'e' : u'E';
      t += QLatin1String(signs[random() % 4]);
      const int range[] = {10, 40, 5000};
      t += QString::number(random() % range[random() % 3]);
    }
    if (random() % 50 == 0) t.insert(int(random() % (t.size() + 1)), QChar(u"x. e+"[random() % 5]));
    t += QLatin1String(blanks[random() % 5]);
    texts << t;
  }
  for (const QString& text : texts) {
    const std::optional<long double> expected = plain::textToNumber(text);
    try {
      const long double got = orvane::textToNumber(text);
      if (!expected) QFAIL(qPrintable(QStringLiteral("'%1' read instead of refused").arg(text)));
      // Bit for bit: the sign of a zero counts too.
      if (got != *expected || std::signbit(got) != std::signbit(*expected))
        QFAIL(qPrintable(
            QStringLiteral("'%1' read as %2 instead of %3").arg(text, exact(got), exact(*expected))));
    } catch (const ConversionError&) {
      if (expected) QFAIL(qPrintable(QStringLiteral("'%1' refused").arg(text)));
    }
  }
}

QTEST_GUILESS_MAIN(NumberTextsMatchReferenceTest)
#include "tst_number_texts_match_reference.moc"
