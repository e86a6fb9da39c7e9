#pragma once
// The program's title and the lines of its start-up picture, in both languages at once.

#include <array>
#include <string>

namespace dorvex::texts {

// The application's title.
inline constexpr char kApplicationTitle[] = "  Dorvex   -   Matematické operace s histogramy";

inline constexpr int kSplashLineCount = 6;

// The splash's lines, top to bottom: the program's name, its purpose in Czech and in
// English, "Version " + the version text, and a two-line description.
std::array<std::string, kSplashLineCount> SplashLines();

}  // namespace dorvex::texts
