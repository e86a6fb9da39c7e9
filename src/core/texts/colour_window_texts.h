#pragma once
// The colour window's texts: its title, the captions of its 21 buttons and the
// titles of the groups they stand in.

#include <string>

#include "texts/language.h"

namespace dorvex::texts {

inline constexpr int kColourGroupCount = 6;

// The caption of the button with tag `item` (0..20).
std::string ColourItemCaption(int item, Language language);
// The group (0..5) the item stands in, and the group's title.
int ColourItemGroup(int item);
std::string ColourGroupTitle(int group, Language language);

}  // namespace dorvex::texts
