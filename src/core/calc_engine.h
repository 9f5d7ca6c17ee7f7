#pragma once

#include <QChar>
#include <QObject>
#include <QString>

namespace orvane {

// The calculator's buttons; the order is the one the keypad layout and the
// drawing loop walk through.
// clang-format off
enum TFxCalculatorButton : int {
  cbNone, cbBack, cbClearEntry, cbClear, cbAdd, cbSub, cbMul, cbDiv,
  cb0, cb1, cb2, cb3, cb4, cb5, cb6, cb7, cb8, cb9, cbDecimal, cbEquals,
  cbReciprocal, cbChangeSign, cbPercent, cbSqrt,
  cbMemClear, cbMemRecall, cbMemStore, cbMemAdd, cbMemSub };
// clang-format on

inline constexpr int kCalculatorButtonCount = cbMemSub + 1;

enum class TFxCalcButtonGroup { None, Edit, Operator, Number, Function, Memory };

// The text drawn on a button and the colour group it belongs to.
QString CalcButtonCaption(TFxCalculatorButton button);
TFxCalcButtonGroup CalcButtonGroup(TFxCalculatorButton button);

// The decimal separator of the calculator: "." in every locale, as in the rest
// of the program.
inline constexpr char16_t kCalcDecimalSeparator = u'.';

// An immediate-execution desk calculator with memory: each operator applies the
// operator that was pending before it, there is no precedence. All arithmetic
// is extended precision; every failure (division by zero, square root of a
// negative number, overflow) enters an error state that only C leaves.
class TFxCalcEngine : public QObject {
  Q_OBJECT
 public:
  explicit TFxCalcEngine(QObject* parent = nullptr);  // starts cleared: Text() == "0 "

  void PressButton(TFxCalculatorButton button);
  // A typed character through the character mapping. Ctrl+C and Ctrl+V map to
  // nothing here: copy and paste need the clipboard, which the control owns.
  void PressChar(QChar ch);
  // Clears, then feeds every character through the character mapping.
  void SetText(const QString& text);
  // Clears and feeds the calculator characters of the text; other characters
  // are skipped. Empty text changes nothing.
  void Paste(const QString& text);

  QString Text() const { return display_; }  // trailing blank included
  long double Memory() const { return memory_; }
  bool HasError() const { return error_; }

  // The button a character maps to, cbNone for none (copy and paste included).
  static TFxCalculatorButton ButtonForChar(QChar ch);

 Q_SIGNALS:
  // After every press that was processed (also one whose arithmetic failed),
  // not for presses the error state refused.
  void buttonPressed(TFxCalculatorButton button);
  // The memory went from zero to non-zero or back.
  void memoryChanged();
  // The display text changed.
  void displayChanged();
  // Around every press, for the keypad's flash: true before, false after.
  void pressFeedback(TFxCalculatorButton button, bool starting);
  // A press was refused or failed: the user hears the alert sound. A whole
  // pasted text alerts once, at its end.
  void alerted();

 private:
  void Feed(const QString& text, bool calculatorCharsOnly);
  bool ReadLater();
  void SettleEntry();
  void Alert();
  void ProcessButton(TFxCalculatorButton button);
  void ApplyRule(TFxCalculatorButton button);
  void ClearAll();
  void Evaluate();
  void EnterDigit(int digit);
  void EnterDecimal();
  void ShowValue(long double value);
  void ShowEntry();
  void ShowError();
  void SetDisplay(const QString& text);
  void SetMemory(long double value);
  long double EntryValue() const;

  long double accumulator_ = 0;
  long double operand_ = 0;
  long double memory_ = 0;
  QString entryText_ = QStringLiteral("0");
  TFxCalculatorButton pendingOperator_ = cbEquals;
  TFxCalculatorButton lastButton_ = cbEquals;
  bool newEntry_ = true;
  bool error_ = false;
  QString display_;
  bool batch_ = false;         // feeding a whole text
  bool batchAlerted_ = false;  // an alert is owed when the text ends
  bool entryUnread_ = false;   // digits appended that operand_ does not hold yet
};

}  // namespace orvane
