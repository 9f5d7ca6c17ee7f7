#pragma once

#include <QString>
#include <QStringList>

namespace orvane {

// What the Alloying page works out.
enum class AlloyTask { LowerKarat, RaiseKarat, Sterling };
// The tasks as shown, in the user's language and AlloyTask's order.
QStringList alloyTaskNames();

// Grams to add to `grams` of gold: alloy (no gold) to bring it down from
// `fromKarat` to `toKarat`, or fine (24 ct) gold to bring it up. The gold in
// the piece is unchanged by alloy and grows by the fine gold added.
long double alloyToLowerKarat(long double grams, long double fromKarat, long double toKarat);
long double fineGoldToRaiseKarat(long double grams, long double fromKarat, long double toKarat);

// Grams of copper that make `grams` of fine silver into sterling, 925 parts
// in 1000: 75/925 of the silver's weight.
long double copperForSterling(long double grams);

struct AlloyInputs {
  AlloyTask task = AlloyTask::LowerKarat;
  QString grams;
  QString fromKarat;  // not read for sterling
  QString toKarat;
};

enum class AlloyField { None, Grams, From, To };

struct AlloyResult {
  QString added;  // grams of alloy, fine gold or copper, two decimals
  QString total;  // the weight after adding it
  AlloyField missing = AlloyField::None;
};

// Reads the boxes the task needs, in page order, and fails on the first bad
// one (or on karats that go the wrong way for the task) before returning.
AlloyResult alloyEnter(const AlloyInputs& in, AlloyField entered = AlloyField::None);

}  // namespace orvane
