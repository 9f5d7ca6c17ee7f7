#include "core/calc_engine.h"

#include <cmath>
#include <utility>

#include "core/text_rules.h"

namespace orvane {

QString CalcButtonCaption(TFxCalculatorButton button) {
  switch (button) {
    case cbNone:
      return {};
    case cbBack:
      return QStringLiteral("Back");
    case cbClearEntry:
      return QStringLiteral("CE");
    case cbClear:
      return QStringLiteral("C");
    case cbAdd:
      return QStringLiteral("+");
    case cbSub:
      return QStringLiteral("-");
    case cbMul:
      return QStringLiteral("*");
    case cbDiv:
      return QStringLiteral("/");
    case cbDecimal:
      return QString(QChar(kCalcDecimalSeparator));
    case cbEquals:
      return QStringLiteral("=");
    case cbReciprocal:
      return QStringLiteral("1/x");
    case cbChangeSign:
      return QStringLiteral("+/-");
    case cbPercent:
      return QStringLiteral("%");
    case cbSqrt:
      return QStringLiteral("Sqrt");
    case cbMemClear:
      return QStringLiteral("MC");
    case cbMemRecall:
      return QStringLiteral("MR");
    case cbMemStore:
      return QStringLiteral("MS");
    case cbMemAdd:
      return QStringLiteral("M+");
    case cbMemSub:
      return QStringLiteral("M-");
    default:
      break;
  }
  if (button >= cb0 && button <= cb9) return QString(QChar(u'0' + (button - cb0)));
  return {};
}

TFxCalcButtonGroup CalcButtonGroup(TFxCalculatorButton button) {
  if (button >= cbBack && button <= cbClear) return TFxCalcButtonGroup::Edit;
  if ((button >= cbAdd && button <= cbDiv) || button == cbEquals) return TFxCalcButtonGroup::Operator;
  if (button >= cb0 && button <= cbDecimal) return TFxCalcButtonGroup::Number;
  if (button >= cbReciprocal && button <= cbSqrt) return TFxCalcButtonGroup::Function;
  if (button >= cbMemClear && button <= cbMemSub) return TFxCalcButtonGroup::Memory;
  return TFxCalcButtonGroup::None;
}

TFxCalcEngine::TFxCalcEngine(QObject* parent) : QObject(parent) { ClearAll(); }

TFxCalculatorButton TFxCalcEngine::ButtonForChar(QChar ch) {
  const char16_t c = ch.unicode();
  if (c >= u'0' && c <= u'9') return TFxCalculatorButton(cb0 + (c - u'0'));
  switch (c) {
    case u'.':
      return cbDecimal;
    case u'+':
      return cbAdd;
    case u'-':
      return cbSub;
    case u'*':
      return cbMul;
    case u'/':
      return cbDiv;
    case u'=':
      return cbEquals;
    case u'%':
      return cbPercent;
    case u'@':
      return cbSqrt;
    case u'r':
      return cbReciprocal;
    case 8:
      return cbBack;
    case 27:
      return cbClear;
    case 12:
      return cbMemClear;  // Ctrl+L
    case 18:
      return cbMemRecall;  // Ctrl+R
    case 16:
      return cbMemAdd;  // Ctrl+P
    case 19:
      return cbMemSub;  // Ctrl+S
    default:
      return cbNone;
  }
}

void TFxCalcEngine::PressChar(QChar ch) {
  const TFxCalculatorButton button = ButtonForChar(ch);
  if (button != cbNone) PressButton(button);
}

void TFxCalcEngine::SetText(const QString& text) { Feed(text, false); }

void TFxCalcEngine::Paste(const QString& text) {
  if (text.isEmpty()) return;
  Feed(text, true);
}

void TFxCalcEngine::Feed(const QString& text, bool calculatorCharsOnly) {
  // A whole text is one action: the display changes and the alert sounds at
  // most once, and no key flashes, however long the text is.
  const QString shownBefore = display_;
  batch_ = true;
  batchAlerted_ = false;
  ClearAll();
  static const QString accepted = QStringLiteral("%*+-./=");
  for (const QChar ch : text) {
    if (!calculatorCharsOnly || (ch >= u'0' && ch <= u'9') || accepted.contains(ch)) PressChar(ch);
  }
  if (entryUnread_) SettleEntry();
  batch_ = false;
  if (batchAlerted_) Alert();
  if (display_ != shownBefore) Q_EMIT displayChanged();
}

void TFxCalcEngine::PressButton(TFxCalculatorButton button) {
  if (button <= cbNone || button >= kCalculatorButtonCount) return;
  if (!batch_) Q_EMIT pressFeedback(button, true);
  ProcessButton(button);
  if (!batch_) Q_EMIT pressFeedback(button, false);
}

void TFxCalcEngine::Alert() {
  if (batch_)
    batchAlerted_ = true;
  else
    Q_EMIT alerted();
}

void TFxCalcEngine::SettleEntry() {
  entryUnread_ = false;
  try {
    // The sign is the one the entry had when it was last read, as for a
    // typed digit.
    operand_ = (operand_ < 0 ? -1.0L : 1.0L) * EntryValue();
    ShowEntry();
  } catch (const EConvertError&) {
    ShowError();
  }
}

void TFxCalcEngine::ProcessButton(TFxCalculatorButton button) {
  const bool entryKey = (button >= cb0 && button <= cb9) || button == cbDecimal;
  if (entryUnread_ && !entryKey && button != cbClear) SettleEntry();
  if (button == cbClear) ClearAll();
  if (error_) {
    Alert();
    lastButton_ = button;
    return;
  }
  try {
    ApplyRule(button);
  } catch (const EMathError&) {
    ShowError();
  } catch (const EConvertError&) {
    ShowError();
  }
  lastButton_ = button;
  Q_EMIT buttonPressed(button);
}

void TFxCalcEngine::ApplyRule(TFxCalculatorButton button) {
  switch (button) {
    case cbBack:
      if (entryText_.size() <= 1) {
        operand_ = 0;
        ShowValue(0);
        newEntry_ = true;
      } else {
        entryText_.chop(1);
        operand_ = EntryValue();
        ShowEntry();
      }
      return;
    case cbClearEntry:
      entryText_.clear();
      operand_ = 0;
      ShowValue(0);
      return;
    case cbAdd:
    case cbSub:
    case cbMul:
    case cbDiv:
      Evaluate();
      newEntry_ = true;
      pendingOperator_ = button;
      return;
    case cbDecimal:
      EnterDecimal();
      return;
    case cbEquals:
      Evaluate();
      operand_ = accumulator_;
      newEntry_ = false;
      pendingOperator_ = cbEquals;
      return;
    case cbReciprocal:
      entryText_.clear();
      operand_ = CheckedDivide(1, operand_);
      ShowValue(operand_);
      return;
    case cbChangeSign:
      // The entry and the flags stay, so typing goes on with the new sign.
      operand_ = -operand_;
      ShowValue(operand_);
      return;
    case cbPercent:
      if (pendingOperator_ == cbAdd || pendingOperator_ == cbSub)
        operand_ = CheckedResult(CheckedDivide(operand_, 100) * accumulator_);
      else
        operand_ = CheckedDivide(operand_, 100);
      Evaluate();
      operand_ = accumulator_;
      newEntry_ = true;
      pendingOperator_ = cbEquals;
      return;
    case cbSqrt:
      if (operand_ < 0) throw EMathError(kInvalidOperation);
      // Like 1/x, the result ends the entry: the next digit starts a new
      // number instead of extending the one typed before.
      entryText_.clear();
      operand_ = std::sqrt(operand_);
      ShowValue(operand_);
      return;
    case cbMemClear:
      SetMemory(0);
      return;
    case cbMemRecall:
      // The recalled value replaces the entry: Back must not bring back
      // digits typed before it.
      entryText_.clear();
      operand_ = memory_;
      ShowValue(operand_);
      newEntry_ = true;
      return;
    case cbMemStore:
      SetMemory(operand_);
      newEntry_ = true;
      return;
    case cbMemAdd:
    case cbMemSub: {
      const long double sum = button == cbMemAdd ? memory_ + operand_ : memory_ - operand_;
      newEntry_ = true;
      if (!std::isfinite(sum)) {
        SetMemory(0);
        throw EMathError(kOverflow);
      }
      SetMemory(sum);
      return;
    }
    default:
      if (button >= cb0 && button <= cb9) EnterDigit(button - cb0);
      return;  // C has done its work before the rules
  }
}

void TFxCalcEngine::EnterDigit(int digit) {
  if (lastButton_ == cbEquals) ClearAll();
  if (newEntry_) entryText_.clear();
  if (ReadLater()) {
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
  operand_ = sign * EntryValue();
  if (operand_ == 0 && !entryText_.contains(QChar(kCalcDecimalSeparator))) {
    // Leading zeros are absorbed.
    entryText_ = QStringLiteral("0");
    ShowValue(operand_);
    newEntry_ = true;
  } else {
    ShowEntry();
    newEntry_ = false;
  }
}

void TFxCalcEngine::EnterDecimal() {
  // A point while a new number is awaited starts it; it must not extend the
  // entry that a result, a recall or Back has already replaced on screen.
  if (newEntry_) entryText_ = QStringLiteral("0");
  if (entryText_.contains(QChar(kCalcDecimalSeparator))) return;
  entryText_ += QChar(kCalcDecimalSeparator);
  if (ReadLater()) {
    operand_ = 0;  // a point drops the sign, as when it is read at once
    newEntry_ = false;
    return;
  }
  operand_ = EntryValue();
  ShowEntry();
  newEntry_ = false;
}

bool TFxCalcEngine::ReadLater() {
  // Reading the entry again for every digit of a long pasted number would
  // take time growing with the square of its length; it is read once, when
  // the next key needs its value or the text ends.
  constexpr qsizetype kReadAtOnce = 32;
  if (!batch_ || entryText_.size() < kReadAtOnce) return false;
  entryUnread_ = true;
  return true;
}

void TFxCalcEngine::ClearAll() {
  entryUnread_ = false;
  accumulator_ = 0;
  operand_ = 0;
  pendingOperator_ = cbEquals;
  entryText_ = QStringLiteral("0");
  ShowValue(0);
  newEntry_ = true;
  error_ = false;
}

void TFxCalcEngine::Evaluate() {
  switch (pendingOperator_) {
    case cbAdd:
      accumulator_ = CheckedResult(accumulator_ + operand_);
      break;
    case cbSub:
      accumulator_ = CheckedResult(accumulator_ - operand_);
      break;
    case cbMul:
      accumulator_ = CheckedResult(accumulator_ * operand_);
      break;
    case cbDiv:
      accumulator_ = CheckedDivide(accumulator_, operand_);
      break;
    default:
      accumulator_ = operand_;
      break;
  }
  ShowValue(accumulator_);
  entryText_ = QStringLiteral("0");
  operand_ = 0;
}

long double TFxCalcEngine::EntryValue() const {
  // The entry holds digits and at most one point; a lone point reads as 0 and
  // a value beyond the extended range is a conversion failure.
  return TextToNumber(entryText_);
}

void TFxCalcEngine::ShowValue(long double value) { SetDisplay(FormatGeneral(value) + u' '); }

void TFxCalcEngine::ShowEntry() { SetDisplay(entryText_ + u' '); }

void TFxCalcEngine::ShowError() {
  SetDisplay(QStringLiteral("****** "));
  error_ = true;
  newEntry_ = false;
  Alert();
}

void TFxCalcEngine::SetDisplay(const QString& text) {
  if (text == display_) return;
  display_ = text;
  if (!batch_) Q_EMIT displayChanged();
}

void TFxCalcEngine::SetMemory(long double value) {
  const bool wasZero = memory_ == 0;
  memory_ = value;
  if (wasZero != (memory_ == 0)) Q_EMIT memoryChanged();
}

}  // namespace orvane
