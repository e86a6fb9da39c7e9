#pragma once
// The buttons of the description listings in both languages, keyed by their
// objectName.

#include <string>
#include <string_view>

#include "texts/language.h"

namespace dorvex::texts {

// A button's caption and hint ("short|long").
struct ButtonText {
  std::string caption;
  std::string hint;

  bool operator==(const ButtonText&) const = default;
};

// The texts of the listing button `objectName` (the export and the exit button);
// empty for another name.
ButtonText ListingButtonText(std::string_view objectName, Language language);

}  // namespace dorvex::texts
