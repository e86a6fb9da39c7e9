#pragma once
// The program's current language. The one piece of global state of the core:
// every window and message follows it, and the settings file stores it.

namespace dorvex::texts {

enum class Language { English, Czech };

Language CurrentLanguage();
void SetLanguage(Language language);
inline bool IsCzech() { return CurrentLanguage() == Language::Czech; }

}  // namespace dorvex::texts
