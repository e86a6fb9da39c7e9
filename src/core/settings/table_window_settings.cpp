#include "settings/table_window_settings.h"

#include <algorithm>
#include <cstddef>

namespace dorvex::settings {

std::vector<unsigned> TableGraphRowColours(int rows) {
  constexpr unsigned kEvenRow = 0xC1FFFF;   // pale yellow
  constexpr unsigned kTotalRow = 11783167;  // red 255, green 203, blue 179
  std::vector<unsigned> colours(static_cast<std::size_t>(std::max(rows, 0)), 0u);
  for (int r = 2; r < rows - 1; r += 2) colours[static_cast<std::size_t>(r)] = kEvenRow;
  if (rows > 1) colours.back() = kTotalRow;
  return colours;
}

}  // namespace dorvex::settings
