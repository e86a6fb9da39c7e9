#pragma once
// The titles the windows take when their language is set, by window number
// (1 the main window ... 19). A window shown with a title of its own (a listing
// under the listed histogram's name) replaces it while shown.

#include <optional>
#include <string>

#include "texts/language.h"

namespace dorvex::texts {

// Window numbers of the windows that exist.
inline constexpr int kPointListingWindow = 3;
inline constexpr int kReadTraceWindow = 4;
inline constexpr int kColourWindow = 5;
inline constexpr int kIntervalListingWindow = 7;
inline constexpr int kLoadDurationWindow = 8;
inline constexpr int kParametricWindow = 12;
inline constexpr int kFileListingWindow = 15;
inline constexpr int kDescriptionWindow = 18;

// The title of window `window` in `language`; none when the language leaves the
// title as it is (the window keeps its previous one). The main window's title
// carries the version and comes from MainWindowTitle; the splash has none.
std::optional<std::string> WindowTitle(int window, Language language);

}  // namespace dorvex::texts
