#include "core/key_filter.h"

#include <QCoreApplication>

#include "core/text_rules.h"

namespace orvane {

namespace {

enum class PointRule { None, One, Any };

struct FilterRule {
  const char16_t* extra;  // characters let through besides the digits
  bool clipboardKeys;     // Ctrl+C, Ctrl+V, Ctrl+X
  PointRule point;
  bool designation;  // refuses everything silently
};

FilterRule ruleOf(KeyFilterKind kind) {
  switch (kind) {
    case KeyFilterKind::MmBox:
    case KeyFilterKind::BeadMmBox:
    case KeyFilterKind::WorksheetMm:
      return {u"", true, PointRule::One, false};
    case KeyFilterKind::InchBox:
    case KeyFilterKind::BeadInchBox:
    case KeyFilterKind::StrandInchBox:
      return {u"/ ", true, PointRule::One, false};
    case KeyFilterKind::Designation:
      return {u"", false, PointRule::None, true};
    case KeyFilterKind::Weight:
      return {u"", false, PointRule::One, false};
    case KeyFilterKind::BeadCountBox:
      return {u"", true, PointRule::None, false};
    case KeyFilterKind::SpacingBox:
    case KeyFilterKind::WorksheetInch:
      return {u"/ ", true, PointRule::Any, false};
    case KeyFilterKind::WorksheetBeadCount:
      return {u" ", true, PointRule::None, false};
    case KeyFilterKind::Text:
      break;
  }
  return {u"", false, PointRule::None, false};
}

bool isClipboardKey(QChar key) { return key == QChar(3) || key == QChar(22) || key == QChar(24); }

}  // namespace

QChar numberBoxKey(KeyFilterKind kind, QChar key) {
  return kind != KeyFilterKind::Text && key == u',' ? QChar(u'.') : key;
}

PastedText pastedNumberText(KeyFilterKind kind, const QString& pasted) {
  if (kind == KeyFilterKind::Text) return {pasted, {}};
  const qsizetype commas = pasted.count(u',');
  if (commas == 0) return {pasted, {}};
  if (pasted.contains(u'.'))
    return {{},
            QCoreApplication::translate(
                "KeyFilter",
                "'%1' has both \".\" and \",\": a number here takes one decimal point and no thousands "
                "separators")
                .arg(quotedText(pasted))};
  if (commas > 1)
    return {{},
            QCoreApplication::translate(
                "KeyFilter",
                "'%1' has more than one \",\": a number here takes one decimal point and no thousands "
                "separators")
                .arg(quotedText(pasted))};
  QString text = pasted;
  text.replace(u',', u'.');
  return {text, {}};
}

KeyVerdict filterKey(KeyFilterKind kind, QChar rawKey, const QString& boxText) {
  const FilterRule rule = ruleOf(kind);
  const QChar key = numberBoxKey(kind, rawKey);
  if (key == kEnterKey) return KeyVerdict::Enter;
  if (kind == KeyFilterKind::Text) return KeyVerdict::Accept;
  if (rule.designation) return KeyVerdict::Swallow;
  if (key == u'.') {
    switch (rule.point) {
      case PointRule::Any:
        return KeyVerdict::Accept;
      case PointRule::One:
        return boxText.contains(u'.') ? KeyVerdict::Beep : KeyVerdict::Accept;
      case PointRule::None:
        return KeyVerdict::Beep;
    }
  }
  if (key >= u'0' && key <= u'9') return KeyVerdict::Accept;
  if (key == kBackspaceKey) return KeyVerdict::Accept;
  if (rule.clipboardKeys && isClipboardKey(key)) return KeyVerdict::Accept;
  for (const char16_t* p = rule.extra; *p; ++p)
    if (key == QChar(*p)) return KeyVerdict::Accept;
  return KeyVerdict::Beep;
}

EnterAction enterActionOf(KeyFilterKind kind) {
  switch (kind) {
    case KeyFilterKind::MmBox:
    case KeyFilterKind::InchBox:
    case KeyFilterKind::Weight:
    case KeyFilterKind::SpacingBox:
      return EnterAction::RunCalculation;
    default:
      return EnterAction::NextControl;
  }
}

}  // namespace orvane
