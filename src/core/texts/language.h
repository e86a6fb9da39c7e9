#pragma once
// The languages of the program's texts. There is no current language: every
// function that makes text is given one, and each window keeps its own.

namespace dorvex::texts {

enum class Language { English, Czech };

}  // namespace dorvex::texts
