#include <gtest/gtest.h>

#include "settings/settings_place.h"

using dorvex::settings::ChooseSettingsPath;
using dorvex::settings::SettingsPlaceFacts;

namespace {

struct PlaceCase {
  const char* name;
  SettingsPlaceFacts facts;
  const char* expected;
};

const PlaceCase kPlaceCases[] = {
    {"command line wins over everything",
     {"/tmp/x.ini", "/tmp/env.ini", "/opt/dorvex", true, "/home/u/.config"}, "/tmp/x.ini"},
    {"environment wins over the executable folder",
     {"", "/tmp/env.ini", "/opt/dorvex", true, "/home/u/.config"}, "/tmp/env.ini"},
    {"beside the executable when its folder is writable",
     {"", "", "/opt/dorvex", true, "/home/u/.config"}, "/opt/dorvex/Dorvex.INI"},
    {"config home when the executable folder is read-only",
     {"", "", "/usr/bin", false, "/home/u/.config"}, "/home/u/.config/Dorvex/Dorvex.INI"},
    {"no doubled separator after a trailing slash",
     {"", "", "/usr/bin", false, "/home/u/.config/"}, "/home/u/.config/Dorvex/Dorvex.INI"},
};

TEST(ChooseSettingsPath, TakesCommandLineThenEnvironmentThenExecutableFolderThenConfigHome) {
  for (const auto& c : kPlaceCases) EXPECT_EQ(ChooseSettingsPath(c.facts), c.expected) << c.name;
}

}  // namespace
