#pragma once

#include <QString>

namespace orvane {

// An inch size as typed: a decimal ("0.0625"), a fraction ("1/16") or a whole
// number and a fraction ("1 1/64"), read without rounding, so that 1/16 is
// 0.0625 and 1 1/64 is 1.015625. A leading minus is read (and left to the
// caller to refuse). Throws EConvertError for a text that is no number and
// EFractionError for a fraction that cannot be read.
long double parseInchesExactly(const QString& text);

}  // namespace orvane
