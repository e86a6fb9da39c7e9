#include "texts/listing_window_texts.h"

namespace dorvex::texts {

namespace {

struct Entry {
  const char* objectName;
  const char* english;
  const char* czech;
  const char* englishHint;
  const char* czechHint;
};

constexpr Entry kButtons[] = {
    {"KontTisk", "Excel", "Excel", "Excel|Write the listing into a workbook and open it in the spreadsheet",
     "Excel|Zapsat výpis do sešitu a otevřít jej v tabulkovém procesoru"},
    {"ExitBtn", "Exit", "Konec", "Exit|Close the listing", "Konec|Zavřít výpis"},
};

}  // namespace

ButtonText ListingButtonText(std::string_view objectName, Language language) {
  const bool czech = language == Language::Czech;
  for (const Entry& entry : kButtons) {
    if (objectName == entry.objectName) {
      return {czech ? entry.czech : entry.english, czech ? entry.czechHint : entry.englishHint};
    }
  }
  return {};
}

}  // namespace dorvex::texts
