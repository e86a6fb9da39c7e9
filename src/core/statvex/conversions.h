#pragma once
// Text-to-number conversions of every number field and file key.

#include <cstdint>
#include <string_view>

namespace dorvex::statvex {

// Each accepts an optional sign, digits, "." or "," as decimal separator and an
// exponent ("E"/"e"); surrounding blanks are ignored; anything else fails. On
// failure `out` is left unchanged and false is returned.
bool prevod_doub(std::string_view text, double& out);
bool prevod_long(std::string_view text, std::int32_t& out);  // integers only
bool prevod_extended(std::string_view text, long double& out);


}  // namespace dorvex::statvex
