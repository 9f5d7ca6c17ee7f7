#pragma once

#include <QString>
#include <functional>
#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

namespace orvane {

class DesktopServices;
class EntryBox;

// Widths on the bench pages, as on the Metal page: a box holds a size or a
// sum of money, a list the longest metal's name.
inline constexpr int kBenchBoxWidth = 110;
inline constexpr int kBenchListWidth = 200;

// A number box of a bench page: the program's key filter, an accessible
// name, and Enter running `enter`.
EntryBox* makeNumberBox(QWidget* parent, DesktopServices& services, const QString& name,
                        std::function<void(EntryBox*)> enter);
// A result: read-only, yet reached by Tab so that it can be read aloud and copied.
EntryBox* makeResultBox(QWidget* parent, const QString& name);
// A caption for a control; the control takes its text as its accessible name
// when it has none yet.
QLabel* makeCaption(QWidget* parent, const QString& text, QWidget* buddy);

// One box a step writes and the text it gets.
using BoxWrite = std::pair<QLineEdit*, QString>;

// Writes the texts and has the screen reader speak, once and in order, each
// filled result the user is not in, with its box's name ("Grams 25.90,
// Troy ounces 0.833"), so a result is heard without moving to it.
void writeResults(QWidget* source, const std::vector<BoxWrite>& writes);

}  // namespace orvane
