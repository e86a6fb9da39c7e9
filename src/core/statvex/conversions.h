#pragma once
// Text-to-number conversions of every number field and file key.

#include <cstdint>
#include <string_view>

namespace dorvex::statvex {

// Each accepts an optional sign, digits, "." or "," as decimal separator and an
// exponent ("E"/"e"); surrounding blanks are ignored; anything else fails, and so
// do "inf"/"nan" texts and values beyond the type's range. A value too small for
// the type reads as zero of its sign. Independent of the locale. On failure `out`
// is left unchanged and false is returned.
bool ParseLenient(std::string_view text, double& out);
bool ParseLenientInt32(std::string_view text, std::int32_t& out);  // integers only
bool ParseLenientLongDouble(std::string_view text, long double& out);

// The standard conversions of the table-row reader and of frequencies: as the
// prevod_ family, but "." is the only decimal separator. On failure `out` is left
// unchanged and false is returned.
bool ParseStrict(std::string_view text, double& out);
bool ParseStrictLongDouble(std::string_view text, long double& out);
// Optional sign and decimal digits only (so "12.0" and "1E3" fail).
bool ParseInt32(std::string_view text, std::int32_t& out);
bool ParseInt64(std::string_view text, std::int64_t& out);

}  // namespace dorvex::statvex
