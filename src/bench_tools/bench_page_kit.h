#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

#include "core/bench_size_input.h"
#include "core/key_filter.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace orvane {

class DesktopServices;
class EntryBox;

// The parts the bench calculator pages are built of, so that the pages
// look and behave alike: the Metal Calculator's face and font, entry boxes
// with the program's key filters, read-only result boxes that Tab still
// reaches (to be read aloud and copied), and captions tied to their boxes.

// The page's face: the Metal Calculator's background and font.
void styleBenchPage(QWidget* page);

// A grid with the page's margins and spacing, laid on the page.
QGridLayout* benchGrid(QWidget* page);

// Width of a list that holds the longest metal's name.
inline constexpr int kBenchListWidth = 200;

// A number box: the key filter of its kind, Enter running `onEnter`.
EntryBox* makeBenchBox(QWidget* page, const QString& accessibleName, KeyFilterKind kind,
                       DesktopServices& services, std::function<void()> onEnter);

// A result: read-only, yet reached by Tab.
EntryBox* makeBenchResult(QWidget* page, const QString& accessibleName);

// A pick list; `placeholder` shown while nothing is picked (then none is).
QComboBox* makeBenchList(QWidget* page, const QString& accessibleName, const QStringList& items,
                         const QString& placeholder = {});

// The width a list needs, at least `least`, so that no entry in the user's
// language is cut in the list's font.
int benchListWidth(const QComboBox* list, int least);

// A caption right-aligned before its box; Alt and the marked letter go to it.
// The box takes the caption's text as its accessible name when it has none.
QLabel* makeBenchCaption(QWidget* page, const QString& text, QWidget* buddy);

// A small heading or unit label ("mm", "inches").
QLabel* makeBenchNote(QWidget* page, const QString& text,
                      Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);

// A box gets a text only when it differs, so that a box left as it was keeps
// its caret, selection and undo history.
void setBoxText(EntryBox* box, const QString& text);

// One box a step writes and the text it gets.
using BoxWrite = std::pair<QLineEdit*, QString>;

// Writes the texts (a box whose text stays keeps its caret) and has the
// screen reader speak, once, each filled result the user is not in, with its
// box's name ("Grams 25.90, Troy ounces 0.833"), those the step changed
// first: a result is heard without moving to it.
void writeResults(QWidget* source, const std::vector<BoxWrite>& writes);
// The same after a pick from a list (`picked`, or none): the list's name and
// its chosen item are said first ("Shape Sheet, Grams 25.90"); `missing`,
// what the step stopped for ("the hourly rate"), is said last as "Enter the
// hourly rate".
void writeResults(QWidget* source, const std::vector<BoxWrite>& writes, const QComboBox* picked,
                  const QString& missing = {});

// A list's name and its chosen item as said after a pick ("Shape Sheet");
// empty for no list or nothing chosen.
QString pickedItem(const QComboBox* list);

// Two boxes of one size: typing in one makes it the source that Enter reads.
struct BenchSizeBoxes {
  EntryBox* mm = nullptr;
  EntryBox* inch = nullptr;
  BenchUnit source = BenchUnit::Mm;

  BenchSize texts() const;
  void show(const BenchSize& shown);
};
// Makes both boxes, named "<name> in mm" and "<name> in inches" (`name` in
// the user's language); `edited` runs when the user types in either.
void makeBenchSizeBoxes(QWidget* page, BenchSizeBoxes& boxes, const QString& name, DesktopServices& services,
                        std::function<void(EntryBox*)> onEnter, std::function<void()> edited = {});
// Names both boxes anew, for a page whose size changes its meaning.
void nameBenchSizeBoxes(BenchSizeBoxes& boxes, const QString& name);

// Moves the caret into a box the calculation still needs, its text selected.
void focusBenchBox(EntryBox* box);

}  // namespace orvane
