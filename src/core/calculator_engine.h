#pragma once

#include <QChar>
#include <QObject>
#include <QString>
#include <array>

namespace orvane {

// The calculator's buttons; the order is the one the keypad layout and the
// drawing loop walk through.
// clang-format off
enum class CalculatorKey : int {
  None, Back, ClearEntry, Clear, Add, Subtract, Multiply, Divide,
  Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9, Decimal, Equals,
  Reciprocal, ChangeSign, Percent, SquareRoot,
  MemoryClear, MemoryRecall, MemoryStore, MemoryAdd, MemorySubtract };
// clang-format on

inline constexpr int kCalculatorKeyCount = static_cast<int>(CalculatorKey::MemorySubtract) + 1;

// A key's place in the order above, and the key at a place.
constexpr int keyIndex(CalculatorKey key) { return static_cast<int>(key); }
constexpr CalculatorKey keyAt(int index) { return static_cast<CalculatorKey>(index); }

// One element per key, reached by the key.
template <typename T>
struct KeyArray : std::array<T, kCalculatorKeyCount> {
  using Base = std::array<T, kCalculatorKeyCount>;
  using Base::operator[];
  using Base::at;
  T& operator[](CalculatorKey key) { return Base::operator[](keyIndex(key)); }
  const T& operator[](CalculatorKey key) const { return Base::operator[](keyIndex(key)); }
  T& at(CalculatorKey key) { return Base::at(keyIndex(key)); }
  const T& at(CalculatorKey key) const { return Base::at(keyIndex(key)); }
};

enum class CalculatorKeyGroup { None, Edit, Operator, Number, Function, Memory };

// What a key is called: the caption drawn on it ("M+"), what it does in
// words for a screen reader and the tooltip ("Memory add"), and the keyboard
// key that presses it ("Ctrl+P"). All empty for CalculatorKey::None.
struct CalculatorKeyTexts {
  QString caption;
  QString action;
  QString keyboard;
};
CalculatorKeyTexts calculatorKeyTexts(CalculatorKey key);

// The text drawn on a button and the colour group it belongs to.
QString calcButtonCaption(CalculatorKey button);
CalculatorKeyGroup calcButtonGroup(CalculatorKey button);

// The decimal separator of the calculator: "." in every locale, as in the rest
// of the program.
inline constexpr char16_t kCalcDecimalSeparator = u'.';

// An immediate-execution desk calculator with memory: each operator applies the
// operator that was pending before it, there is no precedence. All arithmetic
// is extended precision; every failure (division by zero, square root of a
// negative number, overflow) enters an error state that only C leaves.
class CalculatorEngine : public QObject {
  Q_OBJECT
 public:
  explicit CalculatorEngine(QObject* parent = nullptr);  // starts cleared: shownText() == "0 "

  void pressButton(CalculatorKey button);
  // A typed character through the character mapping. Ctrl+C and Ctrl+V map to
  // nothing here: copy and paste need the clipboard, which the control owns.
  void pressChar(QChar ch);
  // Clears, then feeds every character through the character mapping.
  void setShownText(const QString& text);
  // Clears and feeds the calculator characters of the text, a "," as the
  // decimal point; other characters are skipped. Empty text changes nothing,
  // and a text with both "," and "." sounds the alert and changes nothing.
  void paste(const QString& text);

  QString shownText() const { return display_; }  // trailing blank included
  long double memory() const { return memory_; }
  bool hasError() const { return error_; }

  // The button a character maps to, CalculatorKey::None for none (copy and paste included).
  static CalculatorKey buttonForChar(QChar ch);

 Q_SIGNALS:
  // After every press that was processed (also one whose arithmetic failed),
  // not for presses the error state refused.
  void buttonPressed(CalculatorKey button);
  // The memory went from zero to non-zero or back.
  void memoryChanged();
  // The display text changed.
  void displayChanged();
  // Around every press, for the keypad's flash: true before, false after.
  void pressFeedback(CalculatorKey button, bool starting);
  // A press was refused or failed: the user hears the alert sound. A whole
  // pasted text alerts once, at its end.
  void alerted();

 private:
  void feed(const QString& text, bool calculatorCharsOnly);
  bool readLater();
  void settleEntry();
  void alert();
  void processButton(CalculatorKey button);
  void applyRule(CalculatorKey button);
  void clearAll();
  void evaluate();
  void enterDigit(int digit);
  void enterDecimal();
  void showValue(long double value);
  void showEntry();
  void showError();
  void setDisplay(const QString& text);
  void setMemory(long double value);
  long double entryValue() const;

  long double accumulator_ = 0;
  long double operand_ = 0;
  long double memory_ = 0;
  QString entryText_ = QStringLiteral("0");
  CalculatorKey pendingOperator_ = CalculatorKey::Equals;
  CalculatorKey lastButton_ = CalculatorKey::Equals;
  bool newEntry_ = true;
  bool error_ = false;
  QString display_;
  bool batch_ = false;         // feeding a whole text
  bool batchAlerted_ = false;  // an alert is owed when the text ends
  bool entryUnread_ = false;   // digits appended that operand_ does not hold yet
};

}  // namespace orvane
