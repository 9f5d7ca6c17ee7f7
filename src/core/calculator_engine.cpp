#include "core/calculator_engine.h"

#include <QCoreApplication>
#include <cmath>
#include <iterator>
#include <utility>

#include "core/text_rules.h"

namespace orvane {

namespace {

// Every key but the digits, in one place: the caption drawn on it, what it
// does in words, and the keyboard key that presses it. Translated where
// shown; the symbols stay symbols in every language.
struct KeyTextRow {
  CalculatorKey key;
  const char* caption;
  const char* action;
  const char* keyboard;
};

constexpr KeyTextRow kKeyTexts[] = {
    //: The key that removes the last typed digit; a short caption on a small key.
    {CalculatorKey::Back, QT_TRANSLATE_NOOP("CalculatorKeys", "Back"),
     QT_TRANSLATE_NOOP("CalculatorKeys", "Backspace"), QT_TRANSLATE_NOOP("CalculatorKeys", "Backspace")},
    {CalculatorKey::ClearEntry, "CE", QT_TRANSLATE_NOOP("CalculatorKeys", "Clear entry"),
     QT_TRANSLATE_NOOP("CalculatorKeys", "Delete")},
    // Esc is also the window's key to close: the hint says both.
    //: What the C key does: clears the calculation, not the memory.
    {CalculatorKey::Clear, "C", QT_TRANSLATE_NOOP("CalculatorKeys", "Clear"),
     QT_TRANSLATE_NOOP("CalculatorKeys", "Esc, which also closes the window")},
    {CalculatorKey::Add, "+", QT_TRANSLATE_NOOP("CalculatorKeys", "Add"), "+"},
    {CalculatorKey::Subtract, "-", QT_TRANSLATE_NOOP("CalculatorKeys", "Subtract"), "-"},
    {CalculatorKey::Multiply, "*", QT_TRANSLATE_NOOP("CalculatorKeys", "Multiply"), "*"},
    {CalculatorKey::Divide, "/", QT_TRANSLATE_NOOP("CalculatorKeys", "Divide"), "/"},
    {CalculatorKey::Decimal, ".", QT_TRANSLATE_NOOP("CalculatorKeys", "Decimal point"), "."},
    {CalculatorKey::Equals, "=", QT_TRANSLATE_NOOP("CalculatorKeys", "Equals"),
     QT_TRANSLATE_NOOP("CalculatorKeys", "Enter or =")},
    {CalculatorKey::Reciprocal, "1/x", QT_TRANSLATE_NOOP("CalculatorKeys", "Reciprocal"), "R"},
    {CalculatorKey::ChangeSign, "+/-", QT_TRANSLATE_NOOP("CalculatorKeys", "Change sign"), "F9"},
    {CalculatorKey::Percent, "%", QT_TRANSLATE_NOOP("CalculatorKeys", "Percent"), "%"},
    {CalculatorKey::SquareRoot, QT_TRANSLATE_NOOP("CalculatorKeys", "Sqrt"),
     QT_TRANSLATE_NOOP("CalculatorKeys", "Square root"), "@"},
    {CalculatorKey::MemoryClear, "MC", QT_TRANSLATE_NOOP("CalculatorKeys", "Memory clear"),
     QT_TRANSLATE_NOOP("CalculatorKeys", "Ctrl+L")},
    {CalculatorKey::MemoryRecall, "MR", QT_TRANSLATE_NOOP("CalculatorKeys", "Memory recall"),
     QT_TRANSLATE_NOOP("CalculatorKeys", "Ctrl+R")},
    {CalculatorKey::MemoryStore, "MS", QT_TRANSLATE_NOOP("CalculatorKeys", "Memory store"),
     QT_TRANSLATE_NOOP("CalculatorKeys", "Ctrl+M")},
    {CalculatorKey::MemoryAdd, "M+", QT_TRANSLATE_NOOP("CalculatorKeys", "Memory add"),
     QT_TRANSLATE_NOOP("CalculatorKeys", "Ctrl+P")},
    {CalculatorKey::MemorySubtract, "M-", QT_TRANSLATE_NOOP("CalculatorKeys", "Memory subtract"),
     QT_TRANSLATE_NOOP("CalculatorKeys", "Ctrl+S")},
};
static_assert(kCalcDecimalSeparator == u'.', "the decimal key's caption above");
static_assert(std::size(kKeyTexts) == kCalculatorKeyCount - 11, "every key but None and the digits once");

// The marked texts through the translation; the bare symbols as they are.
QString keyText(const char* text) { return QCoreApplication::translate("CalculatorKeys", text); }

}  // namespace

CalculatorKeyTexts calculatorKeyTexts(CalculatorKey key) {
  if (key >= CalculatorKey::Digit0 && key <= CalculatorKey::Digit9) {
    const QString digit = QString::number(keyIndex(key) - keyIndex(CalculatorKey::Digit0));
    return {digit, QCoreApplication::translate("CalculatorKeys", "Digit %1").arg(digit), digit};
  }
  for (const KeyTextRow& row : kKeyTexts)
    if (row.key == key) return {keyText(row.caption), keyText(row.action), keyText(row.keyboard)};
  return {};
}

QString calcButtonCaption(CalculatorKey button) { return calculatorKeyTexts(button).caption; }

CalculatorKeyGroup calcButtonGroup(CalculatorKey button) {
  if (button >= CalculatorKey::Back && button <= CalculatorKey::Clear) return CalculatorKeyGroup::Edit;
  if ((button >= CalculatorKey::Add && button <= CalculatorKey::Divide) || button == CalculatorKey::Equals)
    return CalculatorKeyGroup::Operator;
  if (button >= CalculatorKey::Digit0 && button <= CalculatorKey::Decimal) return CalculatorKeyGroup::Number;
  if (button >= CalculatorKey::Reciprocal && button <= CalculatorKey::SquareRoot)
    return CalculatorKeyGroup::Function;
  if (button >= CalculatorKey::MemoryClear && button <= CalculatorKey::MemorySubtract)
    return CalculatorKeyGroup::Memory;
  return CalculatorKeyGroup::None;
}

CalculatorEngine::CalculatorEngine(QObject* parent) : QObject(parent) { clearAll(); }

CalculatorKey CalculatorEngine::buttonForChar(QChar ch) {
  const char16_t c = ch.unicode();
  if (c >= u'0' && c <= u'9') return keyAt(keyIndex(CalculatorKey::Digit0) + (c - u'0'));
  switch (c) {
    case u'.':
    case u',':  // the decimal comma of many keyboards is the point here too
      return CalculatorKey::Decimal;
    case u'+':
      return CalculatorKey::Add;
    case u'-':
      return CalculatorKey::Subtract;
    case u'*':
      return CalculatorKey::Multiply;
    case u'/':
      return CalculatorKey::Divide;
    case u'=':
      return CalculatorKey::Equals;
    case u'%':
      return CalculatorKey::Percent;
    case u'@':
      return CalculatorKey::SquareRoot;
    case u'r':
      return CalculatorKey::Reciprocal;
    case 8:
      return CalculatorKey::Back;
    case 27:
      return CalculatorKey::Clear;
    case 12:
      return CalculatorKey::MemoryClear;  // Ctrl+L
    case 18:
      return CalculatorKey::MemoryRecall;  // Ctrl+R
    case 16:
      return CalculatorKey::MemoryAdd;  // Ctrl+P
    case 19:
      return CalculatorKey::MemorySubtract;  // Ctrl+S
    default:
      return CalculatorKey::None;
  }
}

void CalculatorEngine::pressChar(QChar ch) {
  const CalculatorKey button = buttonForChar(ch);
  if (button != CalculatorKey::None) pressButton(button);
}

void CalculatorEngine::setShownText(const QString& text) { feed(text, false); }

void CalculatorEngine::paste(const QString& text) {
  if (text.isEmpty()) return;
  // A comma is a decimal point, as typed; a text holding both carries
  // thousands separators that would silently change the number, so it is
  // refused with the alert and the display keeps what it showed.
  if (text.contains(u',') && text.contains(u'.')) {
    alert();
    return;
  }
  QString pointed = text;
  pointed.replace(u',', u'.');
  feed(pointed, true);
}

void CalculatorEngine::feed(const QString& text, bool calculatorCharsOnly) {
  // A whole text is one action: the display changes and the alert sounds at
  // most once, and no key flashes, however long the text is.
  const QString shownBefore = display_;
  batch_ = true;
  batchAlerted_ = false;
  clearAll();
  static const QString accepted = QStringLiteral("%*+-./=");
  for (const QChar ch : text) {
    if (!calculatorCharsOnly || (ch >= u'0' && ch <= u'9') || accepted.contains(ch)) pressChar(ch);
  }
  if (entryUnread_) settleEntry();
  batch_ = false;
  if (batchAlerted_) alert();
  if (display_ != shownBefore) Q_EMIT displayChanged();
}

void CalculatorEngine::pressButton(CalculatorKey button) {
  if (button <= CalculatorKey::None || keyIndex(button) >= kCalculatorKeyCount) return;
  if (!batch_) Q_EMIT pressFeedback(button, true);
  processButton(button);
  if (!batch_) Q_EMIT pressFeedback(button, false);
}

void CalculatorEngine::alert() {
  if (batch_)
    batchAlerted_ = true;
  else
    Q_EMIT alerted();
}

void CalculatorEngine::settleEntry() {
  entryUnread_ = false;
  try {
    // The sign is the one the entry had when it was last read, as for a
    // typed digit.
    operand_ = (operand_ < 0 ? -1.0L : 1.0L) * entryValue();
    showEntry();
  } catch (const ConversionError&) {
    showError();
  }
}

void CalculatorEngine::processButton(CalculatorKey button) {
  const bool entryKey = (button >= CalculatorKey::Digit0 && button <= CalculatorKey::Digit9) ||
                        button == CalculatorKey::Decimal;
  if (entryUnread_ && !entryKey && button != CalculatorKey::Clear) settleEntry();
  if (button == CalculatorKey::Clear) clearAll();
  if (error_) {
    alert();
    lastButton_ = button;
    return;
  }
  try {
    applyRule(button);
  } catch (const MathError&) {
    showError();
  } catch (const ConversionError&) {
    showError();
  }
  lastButton_ = button;
  Q_EMIT buttonPressed(button);
}

void CalculatorEngine::applyRule(CalculatorKey button) {
  switch (button) {
    case CalculatorKey::Back:
      if (entryText_.size() <= 1) {
        operand_ = 0;
        showValue(0);
        newEntry_ = true;
      } else {
        entryText_.chop(1);
        operand_ = entryValue();
        showEntry();
      }
      return;
    case CalculatorKey::ClearEntry:
      entryText_.clear();
      operand_ = 0;
      showValue(0);
      return;
    case CalculatorKey::Add:
    case CalculatorKey::Subtract:
    case CalculatorKey::Multiply:
    case CalculatorKey::Divide:
      evaluate();
      newEntry_ = true;
      pendingOperator_ = button;
      return;
    case CalculatorKey::Decimal:
      enterDecimal();
      return;
    case CalculatorKey::Equals:
      evaluate();
      operand_ = accumulator_;
      newEntry_ = false;
      pendingOperator_ = CalculatorKey::Equals;
      return;
    case CalculatorKey::Reciprocal:
      entryText_.clear();
      operand_ = checkedDivide(1, operand_);
      showValue(operand_);
      return;
    case CalculatorKey::ChangeSign:
      // The entry and the flags stay, so typing goes on with the new sign.
      operand_ = -operand_;
      showValue(operand_);
      return;
    case CalculatorKey::Percent:
      if (pendingOperator_ == CalculatorKey::Add || pendingOperator_ == CalculatorKey::Subtract)
        operand_ = checkedResult(checkedDivide(operand_, 100) * accumulator_);
      else
        operand_ = checkedDivide(operand_, 100);
      evaluate();
      operand_ = accumulator_;
      newEntry_ = true;
      pendingOperator_ = CalculatorKey::Equals;
      return;
    case CalculatorKey::SquareRoot:
      if (operand_ < 0) throw MathError(kInvalidOperation);
      // Like 1/x, the result ends the entry: the next digit starts a new
      // number instead of extending the one typed before.
      entryText_.clear();
      operand_ = std::sqrt(operand_);
      showValue(operand_);
      return;
    case CalculatorKey::MemoryClear:
      setMemory(0);
      return;
    case CalculatorKey::MemoryRecall:
      // The recalled value replaces the entry: Back must not bring back
      // digits typed before it.
      entryText_.clear();
      operand_ = memory_;
      showValue(operand_);
      newEntry_ = true;
      return;
    case CalculatorKey::MemoryStore:
      setMemory(operand_);
      newEntry_ = true;
      return;
    case CalculatorKey::MemoryAdd:
    case CalculatorKey::MemorySubtract: {
      const long double sum = button == CalculatorKey::MemoryAdd ? memory_ + operand_ : memory_ - operand_;
      newEntry_ = true;
      if (!std::isfinite(sum)) {
        setMemory(0);
        throw MathError(kOverflow);
      }
      setMemory(sum);
      return;
    }
    default:
      if (button >= CalculatorKey::Digit0 && button <= CalculatorKey::Digit9)
        enterDigit(keyIndex(button) - keyIndex(CalculatorKey::Digit0));
      return;  // C has done its work before the rules
  }
}

void CalculatorEngine::enterDigit(int digit) {
  if (lastButton_ == CalculatorKey::Equals) clearAll();
  if (newEntry_) entryText_.clear();
  if (readLater()) {
    // Long enough to hold a point or a non-zero digit, so no leading zero
    // can be absorbed any more.
    entryText_ += QChar(u'0' + digit);
    newEntry_ = false;
    return;
  }
  // Only a number being extended keeps the sign given to it with +/-; a new
  // one starts positive whatever the last recalled or computed value was.
  const bool extending = !entryText_.isEmpty() && entryText_ != QLatin1String("0");
  const long double sign = extending && operand_ < 0 ? -1.0L : 1.0L;
  if (entryText_ == QLatin1String("0")) entryText_.clear();
  entryText_ += QChar(u'0' + digit);
  operand_ = sign * entryValue();
  if (operand_ == 0 && !entryText_.contains(QChar(kCalcDecimalSeparator))) {
    // Leading zeros are absorbed.
    entryText_ = QStringLiteral("0");
    showValue(operand_);
    newEntry_ = true;
  } else {
    showEntry();
    newEntry_ = false;
  }
}

void CalculatorEngine::enterDecimal() {
  // A point while a new number is awaited starts it; it must not extend the
  // entry that a result, a recall or Back has already replaced on screen.
  if (newEntry_) entryText_ = QStringLiteral("0");
  if (entryText_.contains(QChar(kCalcDecimalSeparator))) return;
  entryText_ += QChar(kCalcDecimalSeparator);
  if (readLater()) {
    operand_ = 0;  // a point drops the sign, as when it is read at once
    newEntry_ = false;
    return;
  }
  operand_ = entryValue();
  showEntry();
  newEntry_ = false;
}

bool CalculatorEngine::readLater() {
  // Reading the entry again for every digit of a long pasted number would
  // take time growing with the square of its length; it is read once, when
  // the next key needs its value or the text ends.
  constexpr qsizetype kReadAtOnce = 32;
  if (!batch_ || entryText_.size() < kReadAtOnce) return false;
  entryUnread_ = true;
  return true;
}

void CalculatorEngine::clearAll() {
  entryUnread_ = false;
  accumulator_ = 0;
  operand_ = 0;
  pendingOperator_ = CalculatorKey::Equals;
  entryText_ = QStringLiteral("0");
  showValue(0);
  newEntry_ = true;
  error_ = false;
}

void CalculatorEngine::evaluate() {
  switch (pendingOperator_) {
    case CalculatorKey::Add:
      accumulator_ = checkedResult(accumulator_ + operand_);
      break;
    case CalculatorKey::Subtract:
      accumulator_ = checkedResult(accumulator_ - operand_);
      break;
    case CalculatorKey::Multiply:
      accumulator_ = checkedResult(accumulator_ * operand_);
      break;
    case CalculatorKey::Divide:
      accumulator_ = checkedDivide(accumulator_, operand_);
      break;
    default:
      accumulator_ = operand_;
      break;
  }
  showValue(accumulator_);
  entryText_ = QStringLiteral("0");
  operand_ = 0;
}

long double CalculatorEngine::entryValue() const {
  // The entry holds digits and at most one point; a lone point reads as 0 and
  // a value beyond the extended range is a conversion failure.
  return textToNumber(entryText_);
}

void CalculatorEngine::showValue(long double value) { setDisplay(formatGeneral(value) + u' '); }

void CalculatorEngine::showEntry() { setDisplay(entryText_ + u' '); }

void CalculatorEngine::showError() {
  setDisplay(QStringLiteral("****** "));
  error_ = true;
  newEntry_ = false;
  alert();
}

void CalculatorEngine::setDisplay(const QString& text) {
  if (text == display_) return;
  display_ = text;
  if (!batch_) Q_EMIT displayChanged();
}

void CalculatorEngine::setMemory(long double value) {
  const bool wasZero = memory_ == 0;
  memory_ = value;
  if (wasZero != (memory_ == 0)) Q_EMIT memoryChanged();
}

}  // namespace orvane
