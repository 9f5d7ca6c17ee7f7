#include "bead_cases.h"

#include <QString>
#include <QTest>

namespace orvane {

void addStrandCaseRows() {
  for (const char* column : {"sizeBox", "size", "count", "desired", "rate", "oneBead", "length", "total"})
    QTest::addColumn<QString>(column);
  for (const StrandCase& c : kStrandCases)
    QTest::newRow(c.name) << QString::fromUtf8(c.sizeBox) << QString::fromUtf8(c.size)
                          << QString::fromUtf8(c.count) << QString::fromUtf8(c.desired)
                          << QString::fromUtf8(c.rate) << QString::fromUtf8(c.oneBead)
                          << QString::fromUtf8(c.length) << QString::fromUtf8(c.total);
}

void addAreaCaseRows() {
  for (const char* column : {"sizeBox", "size", "length", "width", "spacing", "square", "hexagonal"})
    QTest::addColumn<QString>(column);
  for (const AreaCase& c : kAreaCases)
    QTest::newRow(c.name) << QString::fromUtf8(c.sizeBox) << QString::fromUtf8(c.size)
                          << QString::fromUtf8(c.length) << QString::fromUtf8(c.width)
                          << QString::fromUtf8(c.spacing) << QString::fromUtf8(c.square)
                          << QString::fromUtf8(c.hexagonal);
}

}  // namespace orvane
