#pragma once
// The colours a user can set: the 21 items of the colour window, the colours kept
// beside them, their keys in the settings file, the design colours and what
// "Default values" resets. Colours are 0x00BBGGRR; a top byte 0xFF names a
// system colour (0xFF00000F is the button face).

#include <array>

namespace dorvex::settings {

class SettingsFile;

inline constexpr int kColourItemCount = 21;

// The items, by the tag of their button in the colour window.
enum ColourItem : int {
  kFormsBackground = 0,
  kTableText = 1,
  kEditBackground = 2,
  kEditText = 3,
  kPanelText = 4,
  kValueFieldBackground = 5,
  kQuantileFieldBackground = 6,
  kLimitFieldBackground = 7,  // the exponent, result multiple and result range fields
  kLimitFieldText = 8,
  kOperationBackground = 9,
  kOperationText = 10,
  kChartTitle = 11,
  kChartBackground = 12,
  kInputBars = 13,
  kResultBars = 14,
  kValueColour = 15,
  kQuantileColour = 16,
  kDurationChartBackground = 17,
  kDurationBars = 18,
  kGeneratorChartBackground = 19,  // parametric and raw-data windows
  kGeneratorBars = 20,
};

inline constexpr unsigned kSystemButtonFace = 0xFF00000F;

// True for a value that names a system colour rather than a red-green-blue one.
constexpr bool IsSystemColour(unsigned colour) { return (colour >> 24) == 0xFF; }

struct ColourScheme {
  std::array<unsigned, kColourItemCount> item{};
  // Kept in the file, not offered by the colour window; "Default values" leaves them.
  unsigned toolBarPanel = kSystemButtonFace;
  unsigned statusBar = 0xFFFFFF;
  unsigned inputPanel = kSystemButtonFace;
  unsigned inputPanelTitle = 0xFF0000;
  unsigned resultPanel = kSystemButtonFace;
  unsigned resultPanelTitle = 0xFF0000;
  unsigned operationPanel = kSystemButtonFace;
  unsigned resultChartBackground = 0xFFFFFF;  // the marks list and angle field keep it
};

// The colours of a first start.
ColourScheme DesignColours();
// `scheme` after "Default values": every item back to its design colour, the
// colours outside the items unchanged.
ColourScheme WithDefaultValues(const ColourScheme& scheme);

// The scheme the file holds; a missing or unreadable key gives the design colour.
ColourScheme ReadColourScheme(const SettingsFile& settings);
void WriteColourScheme(SettingsFile& settings, const ColourScheme& scheme);

}  // namespace dorvex::settings
