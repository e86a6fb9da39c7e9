#pragma once
// Fixed colours of the result chart (0x00BBGGRR), which the colour settings do not
// change: the result's bars, and the chart frame while a value or a quantile is shown.

namespace dorvex::settings {

inline constexpr unsigned kResultBarColour = 0xE6A264;
inline constexpr unsigned kValueFrameColour = 9211135;      // red 255, green 140, blue 140
inline constexpr unsigned kQuantileFrameColour = 16747660;  // red 140, green 140, blue 255

}  // namespace dorvex::settings
