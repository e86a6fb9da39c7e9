#pragma once
// A window's control captions in both languages, found by the control's objectName.

#include <span>
#include <string>
#include <string_view>

#include "texts/language.h"

namespace dorvex::texts {

struct Caption {
  const char* objectName;
  const char* czech;
  const char* english;
};

// The caption of `objectName` in `language`; empty when the table has none.
std::string FindCaption(std::span<const Caption> table, std::string_view objectName, Language language);

}  // namespace dorvex::texts
