#include "analysis/reliability_summary.h"

#include <cmath>
#include <cstdio>

#include "analysis/characteristics.h"
#include "numeric/reliability.h"
#include "statvex/number_text.h"

namespace dorvex::analysis {

namespace {

bool English(texts::Language language) { return language == texts::Language::English; }

}  // namespace

std::string ProbabilityText(double p) {
  if (p == 0.0) return "0";
  char text[32];
  std::snprintf(text, sizeof text, "%.2E", p);
  // "8.94E-04" -> "8.94E-4": the exponent without padding.
  std::string s = text;
  const std::size_t e = s.find('E');
  std::size_t digits = e + 2;
  while (digits + 1 < s.size() && s[digits] == '0') s.erase(digits, 1);
  if (s[e + 1] == '+') s.erase(e + 1, 1);
  return s;
}

std::string IndexText(double beta) {
  if (std::isinf(beta)) return beta > 0 ? "+inf" : "-inf";
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", beta);
  return text;
}

std::string NoBoundsText(engine::BoundsKind kind, texts::Language language) {
  switch (kind) {
    case engine::BoundsKind::Bounded: return "";
    case engine::BoundsKind::NotMonotone:
      return English(language) ? "no bounds: the operation is not monotone over the inputs' spans"
                               : "bez mezí: operace není na rozsahu vstupů monotónní";
    case engine::BoundsKind::NotComputed: break;
  }
  return English(language) ? "no bounds for this result" : "bez mezí pro tento výsledek";
}

std::string TailWarningText(double cut, texts::Language language) {
  const std::string amount = ProbabilityText(cut);
  if (English(language)) {
    return "Pf depends on the inputs' tails: their spans leave out a probability of " + amount +
           ", more than Pf / 100. Extend the tails with a smaller Eps in the parametric distributions.";
  }
  return "Pf závisí na koncích rozdělení vstupů: jejich rozsahy vynechávají pravděpodobnost " + amount +
         ", více než Pf / 100. Rozšiřte konce menším Eps v parametrických rozděleních.";
}

ReliabilitySummary SummariseReliability(const engine::OperationResult& result, double targetBeta,
                                        texts::Language language) {
  return SummariseReliability(result.failureProbability, result.bounds, targetBeta, language);
}

ReliabilitySummary SummariseReliability(double pf, const engine::FailureBounds& b, double targetBeta,
                                        texts::Language language) {
  ReliabilitySummary s;
  s.pf = pf;
  s.beta = numeric::ReliabilityIndex(s.pf);
  s.targetBeta = targetBeta;
  s.betaOver50Periods = numeric::IndexForPeriods(s.beta, 50.0);
  s.betaOverFiftiethPeriod = numeric::IndexForPeriods(s.beta, 1.0 / 50.0);
  s.boundsKind = b.kind;
  if (b.kind == engine::BoundsKind::Bounded) {
    s.pfLower = b.lower;
    s.pfUpper = b.upper;
    s.betaLower = numeric::ReliabilityIndex(b.upper);
    s.betaUpper = numeric::ReliabilityIndex(b.lower);
  }
  if (engine::DependsOnTails(b, s.pf)) s.warnings.push_back(TailWarningText(b.cut, language));
  return s;
}

std::string ReliabilityLine(const ReliabilitySummary& s, texts::Language language) {
  std::string line = "Pf = " + ProbabilityText(s.pf) + " (";
  if (s.pfLower && s.pfUpper) {
    line += ProbabilityText(*s.pfLower) + " \u2026 " + ProbabilityText(*s.pfUpper);
  } else {
    line += NoBoundsText(s.boundsKind, language);
  }
  return line + ")   \u03b2 = " + IndexText(s.beta);
}

std::vector<std::string> ReliabilityReportLines(const ReliabilitySummary& s, texts::Language language) {
  std::vector<std::string> lines;
  if (s.pfLower && s.pfUpper) {
    lines.push_back(ReliabilityLabel(ReliabilityRow::PfLower, language) + "\t" + statvex::DisplayNumber(*s.pfLower));
    lines.push_back(ReliabilityLabel(ReliabilityRow::PfUpper, language) + "\t" + statvex::DisplayNumber(*s.pfUpper));
  } else {
    lines.push_back(ReliabilityLabel(ReliabilityRow::PfBounds, language) + "\t" + NoBoundsText(s.boundsKind, language));
  }
  std::string beta = IndexText(s.beta);
  if (s.betaLower && s.betaUpper) beta += " (" + IndexText(*s.betaLower) + " \u2026 " + IndexText(*s.betaUpper) + ")";
  lines.push_back(ReliabilityLabel(ReliabilityRow::Beta, language) + "\t" + beta);
  lines.push_back(ReliabilityLabel(ReliabilityRow::TargetBeta, language) + "\t" + IndexText(s.targetBeta));
  lines.push_back(ReliabilityLabel(ReliabilityRow::BetaLonger, language) + "\t" + IndexText(s.betaOver50Periods));
  lines.push_back(ReliabilityLabel(ReliabilityRow::BetaShorter, language) + "\t" +
                  IndexText(s.betaOverFiftiethPeriod));
  for (const std::string& warning : s.warnings) lines.push_back(warning);
  return lines;
}

}  // namespace dorvex::analysis
