#include "texts/table_texts.h"

#include "texts/messages.h"

namespace dorvex::texts {

namespace {

bool IsCzech(Language language) { return language == Language::Czech; }

}  // namespace

std::vector<std::string> CombinationColumnHeadings(Language language) {
  if (IsCzech(language)) return {"", "Násobek", "Histogram", "Min", "Max", "Intervalů", "Adresa", "Poznámka"};
  return {"", "Multiple", "Histogram", "Min", "Max", " Intervals", "   File address", "   Note"};
}

std::vector<std::string> SummaryColumnHeadings(Language language) {
  std::vector<std::string> headings = CombinationColumnHeadings(language);
  headings.emplace_back(IsCzech(language) ? " Váha" : " Weight");
  return headings;
}

std::string SummaryIntervalLimitText(std::string_view count, Language language) {
  return InsertText(IsCzech(language)
                        ? "Sumární histogram by potřeboval %s intervalů, povoleno je 2 .. 1024 !"
                        : "Summary histogram would need %s intervals, allowed are 2 .. 1024 !",
                    count);
}

std::string InvalidTableRowText(int row, Language language) {
  return InsertText(IsCzech(language) ? "Řádek %s tabulky neobsahuje platný histogram !"
                                      : "Line %s of the table does not hold a valid histogram !",
                    std::to_string(row));
}

std::string TableReadErrorText(std::string_view path, Language language) {
  return InsertText(IsCzech(language) ? "Soubor tabulky  %s  nelze přečíst celý !"
                                      : "Table file  %s  cannot be read to its end !",
                    path);
}

}  // namespace dorvex::texts
