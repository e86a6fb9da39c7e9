#pragma once
// Where the summary, combination and graph windows keep their placement, and the
// colours of the graph window's probability table.

#include <string_view>
#include <vector>

namespace dorvex::settings {

// The four position keys of a window (section "--  Position  --") and the values
// used when the file has none.
struct WindowPlacementKeys {
  std::string_view left;
  std::string_view top;
  std::string_view width;
  std::string_view height;
  int defaultWidth;
  int defaultHeight;
};

// The summary window's keys carry no dash, the combination window's a comma.
inline constexpr WindowPlacementKeys kSummaryWindowPlacement{
    "SumarniHistogramForm11.left", "SumarniHistogramForm11.top", "SumarniHistogramForm11.Width",
    "SumarniHistogramForm11.Height", 800, 460};
inline constexpr WindowPlacementKeys kCombinationWindowPlacement{
    "Kombinace-Form10,left", "Kombinace-Form10,top", "Kombinace-Form10,Width", "Kombinace-Form10,Height", 750, 321};
inline constexpr WindowPlacementKeys kTableGraphWindowPlacement{
    "GrafKoSu-Form13.left", "GrafKoSu-Form13.top", "GrafKoSu-Form13.Width", "GrafKoSu-Form13.Height", 750, 300};

// The fixed sizes of the two table windows and the graph window's smallest size.
inline constexpr int kSummaryWindowWidth = 770;
inline constexpr int kSummaryWindowHeight = 440;
inline constexpr int kCombinationWindowWidth = 750;
inline constexpr int kCombinationWindowHeight = 322;
inline constexpr int kTableGraphMinimumWidth = 750;
inline constexpr int kTableGraphMinimumHeight = 300;

// Background of each row of the graph window's probability table (0x00BBGGRR, 0 for
// the grid's own): rows 2, 4, 6, … pale yellow, the total row its own colour.
std::vector<unsigned> TableGraphRowColours(int rows);

}  // namespace dorvex::settings
