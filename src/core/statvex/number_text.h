#pragma once
// Number texts of displays, listings, charts and spreadsheet cells.

#include <string>

namespace dorvex::statvex {


// Display text of a number: exactly 12 characters, right-aligned, "." as decimal
// point, at least 6 significant digits; exponent form ("1.23457E-05") where the
// fixed form would not fit or would lose digits. prevod_doub reads it back.
std::string StrNaCarku(double x);
// Number text of printed tables (shortest text that keeps 6 significant digits).
std::string StrNaCarku1(double x);
// Text of the result multiple nAB in chart labels (two decimals, as "1.00").
std::string StrNaCarku2(double x);
// x rounded half-to-even, right-aligned in exactly `width` characters; exponent
// form when the integer does not fit.
std::string TCetnost(int width, long double x);
// Label of the bottom axis of a chart.
std::string StrBottomGraf(double x);
// Number text of spreadsheet cells.
std::string TiskPrv(long double x);


// The program's version text, from the build.
std::string Verze();

}  // namespace dorvex::statvex
