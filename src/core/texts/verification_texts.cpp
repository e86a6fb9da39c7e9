#include "texts/verification_texts.h"

namespace dorvex::texts {

namespace {

bool Czech(Language language) { return language == Language::Czech; }

}  // namespace

std::string VerificationWindowTitle(Language language) {
  return Czech(language) ? "  Dorvex :  Ověření výpočtu" : "  Dorvex :  Verification";
}

std::vector<std::string> VerificationHeadings(Language language) {
  if (Czech(language)) return {"Případ", "Přesně", "Dorvex", "Dolní mez", "Horní mez", "Rel. chyba", "Výsledek"};
  return {"Case", "Exact", "Dorvex", "Lower bound", "Upper bound", "Rel. error", "Verdict"};
}

std::string VerificationVerdict(bool inside, Language language) {
  if (Czech(language)) return inside ? "v mezích" : "MIMO MEZE";
  return inside ? "inside" : "OUTSIDE";
}

std::string VerificationSummary(bool allInside, Language language) {
  if (Czech(language)) {
    return allInside ? "Všechny přesné hodnoty leží v mezích, které Dorvex spočítal."
                     : "Některé přesné hodnoty leží mimo meze, které Dorvex spočítal.";
  }
  return allInside ? "Every exact value lies within the bounds Dorvex computed."
                   : "Some exact values lie outside the bounds Dorvex computed.";
}

}  // namespace dorvex::texts
