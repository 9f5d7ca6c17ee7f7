#include "core/alloying.h"

#include <QCoreApplication>
#include <optional>

#include "core/bench_input.h"
#include "core/bench_size_input.h"
#include "core/text_rules.h"

namespace orvane {

QStringList alloyTaskNames() {
  return {QCoreApplication::translate("Alloying", "Lower the karat with alloy"),
          QCoreApplication::translate("Alloying", "Raise the karat with fine gold"),
          QCoreApplication::translate("Alloying", "Fine silver to sterling")};
}

long double alloyToLowerKarat(long double grams, long double fromKarat, long double toKarat) {
  return checkedResult(grams * (fromKarat - toKarat) / toKarat);
}

long double fineGoldToRaiseKarat(long double grams, long double fromKarat, long double toKarat) {
  return checkedResult(grams * (toKarat - fromKarat) / (24 - toKarat));
}

long double copperForSterling(long double grams) { return grams * 75 / 925; }

namespace {

constexpr long double kFineKarat = 24;
constexpr long double kHighestRaise = 23.99L;

QString karatText(long double karat) {
  QString text = benchFixed(karat, 2);
  while (text.endsWith(u'0')) text.chop(1);
  if (text.endsWith(u'.')) text.chop(1);
  return text;
}

}  // namespace

AlloyResult alloyEnter(const AlloyInputs& in, AlloyField entered) {
  AlloyResult result;
  const bool karats = in.task != AlloyTask::Sterling;
  const BenchRange gramsRange{QCoreApplication::translate("Alloying", "the weight in grams"), 100000};
  //: The gold's purity in karats, as it is before alloying
  const BenchRange fromRange{QCoreApplication::translate("Alloying", "the gold's karat"), kFineKarat, true};
  const BenchRange toRange{QCoreApplication::translate("Alloying", "the karat wanted"), kFineKarat};

  const std::optional<long double> grams = readBenchNumber(in.grams, gramsRange);
  std::optional<long double> from, to;
  if (karats) {
    from = readBenchNumber(in.fromKarat, fromRange);
    to = readBenchNumber(in.toKarat, toRange);
  }
  const std::pair<AlloyField, const BenchRange*> fields[] = {
      {AlloyField::Grams, &gramsRange}, {AlloyField::From, &fromRange}, {AlloyField::To, &toRange}};
  const bool given[] = {bool(grams), !karats || bool(from), !karats || bool(to)};
  for (size_t i = 0; i < std::size(fields); ++i) {
    if (given[i]) continue;
    if (fields[i].first == entered) throwEmptyBenchBox(fields[i].second->what);
    if (result.missing == AlloyField::None) result.missing = fields[i].first;
  }
  if (result.missing != AlloyField::None) return result;

  long double added = 0;
  switch (in.task) {
    case AlloyTask::LowerKarat:
      if (*to >= *from)
        //: ct: karat, the purity of gold in 24ths
        throw ConversionError(
            QCoreApplication::translate("Alloying", "Alloy only lowers the karat: %1 ct is not below %2 ct")
                .arg(karatText(*to), karatText(*from))
                .toStdString());
      added = alloyToLowerKarat(*grams, *from, *to);
      break;
    case AlloyTask::RaiseKarat:
      if (*to <= *from)
        //: ct: karat, the purity of gold in 24ths
        throw ConversionError(QCoreApplication::translate(
                                  "Alloying", "Fine gold only raises the karat: %1 ct is not above %2 ct")
                                  .arg(karatText(*to), karatText(*from))
                                  .toStdString());
      // Near 24 ct the fine gold needed grows without bound.
      if (*to > kHighestRaise)
        //: ct: karat, the purity of gold in 24ths
        throw ConversionError(
            QCoreApplication::translate(
                "Alloying", "Adding fine gold never reaches 24 ct: the karat wanted can be at most 23.99")
                .toStdString());
      added = fineGoldToRaiseKarat(*grams, *from, *to);
      break;
    case AlloyTask::Sterling:
      added = copperForSterling(*grams);
      break;
  }
  result.added = benchFixed(added, 2);
  result.total = benchFixed(*grams + added, 2);
  return result;
}

}  // namespace orvane
