#include "settings/window_placement.h"

#include <array>

namespace dorvex::settings {

namespace {

using K = WindowPlacementKeys;

constexpr std::array<K, 17> kWindows = {
    K{2, "Prob2_u-Form2.", "Width", "Height", "Width", "Height", 341, 534, 341, 534},
    K{3, "TabVypisu-Form3.", "Width", "Height", "Width", "Height", 575, 374, 575, 374},
    K{4, "TabVstupu-Form4.", "Width", "Height", "Width", "Height", 220, 330, 220, 330},
    K{5, "TabColor-Form5.", "Width", "Height", "Width", "Height", 590, 410, 590, 410},
    K{6, "TabVypisIni-Form6.", "Width", "Height", "Width", "Height", 500, 389, 500, 389},
    K{7, "TabVypisuDis-Form7.", "Width", "Height", "Width", "Height", 565, 600, 565, 600},
    K{8, "KrivkaTrvani-Form8.", "width", "height", "width", "height", 704, 400, 704, 400},
    K{9, "TabVypisuKT-Form9.", "Width", "Height", "Width", "Height", 200, 374, 200, 374},
    K{10, "Kombinace-Form10,", "Width", "Height", "Width", "Height", 750, 321, 750, 300},
    K{11, "SumarniHistogramForm11.", "Width", "Height", "Width", "Height", 800, 460, 770, 440},
    K{12, "ParamRozdel-Form12.", "width", "height", "width", "height", 886, 600, 886, 600},
    K{13, "GrafKoSu-Form13.", "Width", "Height", "Width", "Height", 750, 300, 750, 300},
    K{14, "PrvotniData-Form14.", "width", "height", "width", "height", 1000, 600, 1020, 600},
    K{15, "VypisHist-Form15.", "width", "height", "width", "height", 400, 600, 400, 600},
    K{16, "VistaHlp-Form16.", "width", "height", "Width", "Height", 600, 205, 600, 205},
    K{18, "PopisHistogramu-Form18.", "width", "height", "Width", "Height", 270, 479, 270, 479},
    K{19, "TabChar-Form19.", "width", "height", "width", "height", 0, 600, 0, 600},
};

std::string Key(const K& keys, const char* property) { return std::string(keys.prefix) + property; }

int OrScreen(int width, int screenWidth) { return width > 0 ? width : screenWidth; }

}  // namespace

std::optional<WindowPlacementKeys> PlacementKeysOf(int number) {
  for (const K& keys : kWindows) {
    if (keys.number == number) return keys;
  }
  return std::nullopt;
}

WindowPlacement ReadWindowPlacement(const SettingsFile& file, int number, int screenWidth) {
  const std::optional<K> keys = PlacementKeysOf(number);
  if (!keys) return {};
  WindowPlacement placement;
  placement.left = file.ReadInteger(kSectionPosition, Key(*keys, "left"), 0);
  placement.top = file.ReadInteger(kSectionPosition, Key(*keys, "top"), 0);
  placement.width = file.ReadInteger(kSectionPosition, Key(*keys, keys->readWidth),
                                     OrScreen(keys->defaultWidth, screenWidth));
  placement.height = file.ReadInteger(kSectionPosition, Key(*keys, keys->readHeight), keys->defaultHeight);
  return placement;
}

void WriteWindowPlacement(SettingsFile& file, int number, const WindowPlacement& placement) {
  const std::optional<K> keys = PlacementKeysOf(number);
  if (!keys) return;
  file.WriteInteger(kSectionPosition, Key(*keys, "left"), placement.left);
  file.WriteInteger(kSectionPosition, Key(*keys, "top"), placement.top);
  file.WriteInteger(kSectionPosition, Key(*keys, keys->writtenWidth), placement.width);
  file.WriteInteger(kSectionPosition, Key(*keys, keys->writtenHeight), placement.height);
}

WindowPlacement ResetWindowPlacement(int number, int screenWidth) {
  if (number == 1) return {0, 0, kMainWindowResetWidth, kMainWindowResetHeight};
  const std::optional<K> keys = PlacementKeysOf(number);
  if (!keys) return {};
  return {0, 0, OrScreen(keys->resetWidth, screenWidth), keys->resetHeight};
}

}  // namespace dorvex::settings
