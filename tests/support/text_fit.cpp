#include "text_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTextDocument>
#include <QToolButton>
#include <QtMath>

#include "platform/languages.h"
#include "widgets/color_tab_widget.h"

namespace orvane {

namespace {

// A pixel either way is rounding, not a cut caption.
constexpr int kTolerance = 1;

// The text as drawn: "&&" is an ampersand, a single "&" marks the mnemonic.
QString shownText(const QString& text) {
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&') {
      if (i + 1 < text.size() && text[i + 1] == u'&') {
        out += u'&';
        ++i;
      }
      continue;
    }
    out += text[i];
  }
  return out;
}

int widestLine(const QFontMetrics& fm, const QString& text) {
  int widest = 0;
  // Blanks at a line's end take no room anyone can see.
  static const QRegularExpression trailingBlanks(QStringLiteral("\\s+$"));
  for (const QString& line : text.split(u'\n'))
    widest = std::max(widest, fm.horizontalAdvance(QString(line).remove(trailingBlanks)));
  return widest;
}

QString nameOf(const QWidget* w) {
  QString name = w->objectName();
  for (const QWidget* p = w->parentWidget(); name.isEmpty() && p; p = p->parentWidget())
    if (!p->objectName().isEmpty())
      name = p->objectName() + QStringLiteral(" > ") + w->metaObject()->className();
  return name.isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : name;
}

void note(QStringList& out, const QWidget* w, const QString& text, int needs, int has,
          const char* what = "wide") {
  out << QStringLiteral("%1: '%2' needs %3 px, has %4 px (%5)")
             .arg(nameOf(w), text)
             .arg(needs)
             .arg(has)
             .arg(QLatin1String(what));
}

void checkLabel(QStringList& out, const QLabel* label) {
  if (label->text().isEmpty()) return;
  const QRect area =
      label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
  const bool rich = label->textFormat() == Qt::RichText ||
                    (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
  if (rich) {
    QTextDocument doc;
    doc.setDocumentMargin(0);
    doc.setDefaultFont(label->font());
    doc.setHtml(label->text());
    if (label->wordWrap()) {
      doc.setTextWidth(area.width());
      const int needs = qCeil(doc.size().height());
      if (needs > area.height() + kTolerance)
        note(out, label, doc.toPlainText(), needs, area.height(), "tall");
    } else {
      const int needs = qCeil(doc.idealWidth());
      if (needs > area.width() + kTolerance) note(out, label, doc.toPlainText(), needs, area.width());
    }
    return;
  }
  const QString text = label->buddy() ? shownText(label->text()) : label->text();
  const QFontMetrics fm(label->font());
  if (label->wordWrap()) {
    const QRect needed = fm.boundingRect(area, Qt::TextWordWrap | int(label->alignment()), text);
    if (needed.height() > area.height() + kTolerance)
      note(out, label, text, needed.height(), area.height(), "tall");
    if (needed.width() > area.width() + kTolerance) note(out, label, text, needed.width(), area.width());
    return;
  }
  const int needs = widestLine(fm, text) + std::max(0, label->indent());
  if (needs > area.width() + kTolerance) note(out, label, text, needs, area.width());
  // The last line's descent may stand out a little: only letters below the
  // line would be cut, and few captions have them.
  const int tall = fm.lineSpacing() * int(text.count(u'\n')) + fm.ascent();
  if (tall > area.height() + kTolerance) note(out, label, text, tall, area.height(), "tall");
}

void checkButton(QStringList& out, const QAbstractButton* button) {
  if (button->text().isEmpty()) return;
  const QString text = shownText(button->text());
  const QFontMetrics fm(button->font());
  const QStyle* style = button->style();
  int needs = widestLine(fm, text);
  if (!button->icon().isNull()) needs += button->iconSize().width() + 4;
  if (qobject_cast<const QCheckBox*>(button))
    needs += style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
             style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
  else if (qobject_cast<const QRadioButton*>(button))
    needs += style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
             style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
  else if (qobject_cast<const QPushButton*>(button) || qobject_cast<const QToolButton*>(button))
    needs += 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button) + 2;
  if (needs > button->width() + kTolerance) note(out, button, text, needs, button->width());
}

void checkTabBar(QStringList& out, const QTabBar* bar) {
  const QFontMetrics fm(bar->font());
  const int space = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
  for (int i = 0; i < bar->count(); ++i) {
    const QString text = shownText(bar->tabText(i));
    const QRect tab = bar->tabRect(i);
    if (!bar->rect().contains(tab)) {
      out << QStringLiteral("%1: tab '%2' lies outside the tab bar").arg(nameOf(bar), text);
      continue;
    }
    const int needs = fm.horizontalAdvance(text) + space / 2;
    if (needs > tab.width() + kTolerance) note(out, bar, text, needs, tab.width());
  }
}

void checkColorTabs(QStringList& out, const ColorTabWidget* tabs) {
  for (int i = 0; i < tabs->pageCount(); ++i) {
    const QRect tab = tabs->tabRect(i);
    const QString text = shownText(tabs->caption(i));
    const int needs = std::max(QFontMetrics(tabs->tabActiveFont()).horizontalAdvance(text),
                               QFontMetrics(tabs->tabInactiveFont()).horizontalAdvance(text)) +
                      4;
    if (needs > tab.width() + kTolerance) note(out, tabs, text, needs, tab.width());
  }
}

void checkHeader(QStringList& out, const QHeaderView* header) {
  const QAbstractItemModel* model = header->model();
  if (!model) return;
  const QFontMetrics fm(header->font());
  const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
  for (int i = 0; i < header->count(); ++i) {
    if (header->isSectionHidden(i)) continue;
    const QString text = model->headerData(i, header->orientation(), Qt::DisplayRole).toString();
    if (text.isEmpty()) continue;
    const int has = header->orientation() == Qt::Horizontal ? header->sectionSize(i) : header->width();
    const int needs = widestLine(fm, text) + margin;
    if (needs > has + kTolerance) note(out, header, text, needs, has);
  }
}

void checkCombo(QStringList& out, const QComboBox* combo) {
  QStyleOptionComboBox option;
  option.initFrom(combo);
  option.editable = combo->isEditable();
  option.frame = combo->hasFrame();
  const QRect field =
      combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
  const QFontMetrics fm(combo->font());
  for (int i = 0; i < combo->count(); ++i) {
    const QString text = combo->itemText(i);
    int needs = fm.horizontalAdvance(text);
    if (!combo->itemIcon(i).isNull()) needs += combo->iconSize().width() + 4;
    if (needs > field.width() + kTolerance) note(out, combo, text, needs, field.width());
  }
}

QList<QWidget*> shownWidgets(QWidget* root) {
  QList<QWidget*> shown{root};
  for (QWidget* w : root->findChildren<QWidget*>())
    if (w->isVisibleTo(root) && !w->isWindow()) shown << w;
  return shown;
}

// Whether a text holds words of a language: unit symbols and short capital
// abbreviations (PP, SS, AWG) are written alike in every language.
bool hasWords(const QString& text) {
  static const QRegularExpression word(QStringLiteral("[^\\W\\d_]+"));
  static const QStringList neutral{"mm",  "cm",  "in", "ct", "g",  "kg", "oz",
                                   "ozt", "dwt", "gr", "lb", "kt", "pt", "px"};
  for (auto it = word.globalMatch(text); it.hasNext();) {
    QString w = it.next().captured();
    w.removeIf([](QChar c) { return !c.isLetter(); });  // "cm³" is the unit "cm"
    if (w.size() >= 2 && !neutral.contains(w) && !(w.size() <= 4 && w == w.toUpper())) return true;
  }
  return false;
}

}  // namespace

QStringList textsThatDoNotFit(QWidget* root) {
  QStringList out;
  for (QWidget* w : shownWidgets(root)) {
    if (auto* label = qobject_cast<QLabel*>(w))
      checkLabel(out, label);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
      checkButton(out, button);
    else if (auto* bar = qobject_cast<QTabBar*>(w))
      checkTabBar(out, bar);
    else if (auto* tabs = qobject_cast<ColorTabWidget*>(w))
      checkColorTabs(out, tabs);
    else if (auto* header = qobject_cast<QHeaderView*>(w))
      checkHeader(out, header);
    else if (auto* combo = qobject_cast<QComboBox*>(w))
      checkCombo(out, combo);
    else if (auto* group = qobject_cast<QGroupBox*>(w)) {
      const QString title = shownText(group->title());
      const int needs = QFontMetrics(group->font()).horizontalAdvance(title) + 16;
      if (!title.isEmpty() && needs > group->width() + kTolerance)
        note(out, group, title, needs, group->width());
    }
  }
  return out;
}

QStringList untranslatedTexts(QWidget* root, const QStringList& allowed) {
  QStringList out;
  auto check = [&](const QWidget* w, const char* what, const QString& text) {
    if (text.isEmpty() || !hasWords(text) || allowed.contains(text) || PseudoTranslator::isPseudo(text))
      return;
    out << QStringLiteral("%1: %2 '%3'").arg(nameOf(w), QLatin1String(what), text);
  };
  for (QWidget* w : shownWidgets(root)) {
    if (w->isWindow()) check(w, "window title", w->windowTitle());
    check(w, "tool tip", w->toolTip());
    check(w, "accessible name", w->accessibleName());
    check(w, "accessible description", w->accessibleDescription());
    if (auto* label = qobject_cast<QLabel*>(w))
      check(w, "caption", label->text());
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
      check(w, "button", button->text());
    else if (auto* bar = qobject_cast<QTabBar*>(w))
      for (int i = 0; i < bar->count(); ++i) {
        check(w, "tab", bar->tabText(i));
        check(w, "tab tip", bar->tabToolTip(i));
      }
    else if (auto* tabs = qobject_cast<ColorTabWidget*>(w))
      for (int i = 0; i < tabs->pageCount(); ++i) check(w, "tab", tabs->caption(i));
    else if (auto* header = qobject_cast<QHeaderView*>(w)) {
      if (const QAbstractItemModel* model = header->model())
        for (int i = 0; i < header->count(); ++i)
          check(w, "heading", model->headerData(i, header->orientation(), Qt::DisplayRole).toString());
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
      for (int i = 0; i < combo->count(); ++i) check(w, "list entry", combo->itemText(i));
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
      check(w, "group title", group->title());
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
      check(w, "placeholder", edit->placeholderText());
    }
  }
  return out;
}

}  // namespace orvane
