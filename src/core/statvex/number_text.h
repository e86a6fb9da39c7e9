#pragma once
// Number texts of displays, listings, charts and spreadsheet cells.
// Every text uses "." as decimal point and "E" for the exponent, whatever the
// locale. A non-finite value gives "undefined" (NaN), "inf" or "-inf" instead of
// digits; such texts do not read back as numbers.

#include <string>

namespace dorvex::statvex {

// Display text of a number: exactly 12 characters, right-aligned, 6 significant
// digits with trailing zeros dropped ("0.5", "123457", "-0.000123457"), exponent
// form ("1.23457E-05", "2.5E+06") below 1E-4 and from 1E+6 in magnitude. Only a
// negative number with a three-digit exponent keeps 5 digits ("-1.2346E-100").
// ParseLenient reads every finite text back.
std::string DisplayNumber(double x);
// Number text of printed tables: the text of DisplayNumber without its leading blanks.
std::string NumberText(double x);
// Text of the result multiple nAB in chart labels: as NumberText, with at least two
// decimals in fixed form ("1.00", "2.50", "0.125", "1E-07").
std::string MultipleText(double x);
// x rounded half-to-even, right-aligned in exactly `width` characters; when the
// integer does not fit, its exponent form with as many digits as fit ("1.2E+09");
// when not even that fits, `width` asterisks. An empty text for width < 1.
std::string CountText(int width, long double x);
// Label of the bottom axis of a chart: the text of NumberText.
std::string AxisLabelText(double x);
// Number text of spreadsheet cells: 15 significant digits, trailing zeros dropped,
// no blanks.
std::string CellNumberText(long double x);

// The program's version text, from the build.
std::string VersionText();

}  // namespace dorvex::statvex
