#pragma once
// MessageText: every dialog text and title of the program by its number.

#include <string>
#include <string_view>

#include "texts/language.h"

namespace dorvex::texts {

// Message n in the given language, or the unknown-number text
// ("TextCis[n] no exist !" / "TextCis[n] neexistuje !") when n has no entry there.
std::string MessageText(int n, Language language);

// Message 137, composed around the value text the user typed and that was refused.
std::string RefusedValueMessage(std::string_view refused, Language language);

// The text with the first "%s" replaced by value; unchanged when it holds none.
std::string InsertText(std::string_view text, std::string_view value);

// Dialog titles.
inline constexpr int kTitleConfirmation = 1;
inline constexpr int kTitleInformation = 2;
inline constexpr int kTitleError = 3;
inline constexpr int kTitleWarning = 4;

}  // namespace dorvex::texts
