#include "expressions/expression_texts.h"

namespace dorvex::expressions {

namespace {

struct PhrasePair {
  const char* english;
  const char* czech;
};

PhrasePair Pair(Phrase phrase) {
  switch (phrase) {
    case Phrase::Empty: return {"The expression is empty.", "Výraz je prázdný."};
    case Phrase::UnexpectedChar: return {"Unexpected character \"%1\".", "Neočekávaný znak \"%1\"."};
    case Phrase::ExpectedOperand:
      return {"A name, a number or \"(\" is expected here.", "Zde se očekává jméno, číslo nebo \"(\"."};
    case Phrase::ExpectedClose: return {"\")\" is expected here.", "Zde se očekává \")\"."};
    case Phrase::ExpectedEnd:
      return {"An operator or the end of the expression is expected here.",
              "Zde se očekává operátor nebo konec výrazu."};
    case Phrase::ExpectedOpenAbs: return {"\"(\" is expected after abs.", "Za abs se očekává \"(\"."};
    case Phrase::IntegerExponent:
      return {"The exponent after ^ must be an integer.", "Exponent za ^ musí být celé číslo."};
    case Phrase::BadNumber: return {"\"%1\" is not a number.", "\"%1\" není číslo."};
    case Phrase::TooDeep:
      return {"The expression is nested too deeply.", "Výraz je příliš hluboko vnořený."};
    case Phrase::RepeatedName:
      return {"The variable %1 is used %2 times in the expression. The histograms are combined as "
              "independent quantities, so each use would be an independent copy of %1; no exact "
              "rewrite with a single use exists.",
              "Proměnná %1 je ve výrazu použita %2krát. Histogramy se kombinují jako nezávislé "
              "veličiny, každé použití by tedy bylo nezávislou kopií %1; přesný přepis s jediným "
              "použitím neexistuje."};
    case Phrase::RewriteOffered:
      return {"The variable %1 is used more than once; the exact rewrite \"%2\" uses it once. "
              "Evaluate with the rewrite to use it.",
              "Proměnná %1 je použita vícekrát; přesný přepis \"%2\" ji použije jednou. "
              "Vyhodnoťte s přepisem."};
    case Phrase::UnknownName:
      return {"No histogram is given for the name %1.", "Pro jméno %1 není zadán histogram."};
    case Phrase::NoHistogram:
      return {"The expression contains no histogram.", "Výraz neobsahuje žádný histogram."};
    case Phrase::ZeroMultiple:
      return {"The multiple 0 in \"%1\" leaves no distribution.", "Násobek 0 v \"%1\" nedává rozdělení."};
    case Phrase::DivisionByZero:
      return {"Division by zero in \"%1\".", "Dělení nulou v \"%1\"."};
    case Phrase::NotFinite:
      return {"\"%1\" gives a number beyond the range of the computation.",
              "\"%1\" dává číslo mimo rozsah výpočtu."};
    case Phrase::EngineRefused:
      return {"The operation \"%1\" cannot be computed:", "Operaci \"%1\" nelze vypočítat:"};
    case Phrase::RecordExpression: return {"Expression", "Výraz"};
    case Phrase::RecordEvaluatedAs: return {"Evaluated as", "Vyhodnoceno jako"};
    case Phrase::RecordInput: return {"Input", "Vstup"};
    case Phrase::RecordStep: return {"Step", "Krok"};
  }
  return {"", ""};
}

void Replace(std::string& text, const std::string& mark, const std::string& value) {
  for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark, at + value.size()))
    text.replace(at, mark.size(), value);
}

}  // namespace

std::string PhraseText(Phrase phrase, texts::Language language, const std::string& first,
                       const std::string& second) {
  const PhrasePair pair = Pair(phrase);
  std::string text = language == texts::Language::Czech ? pair.czech : pair.english;
  Replace(text, "%1", first);
  Replace(text, "%2", second);
  return text;
}

}  // namespace dorvex::expressions
