#pragma once
// What a result says about its reliability: the failure probability with its
// bounds, the reliability index beta of each, the target index, and the warnings
// that go with them; and the texts that show them.

#include <optional>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "texts/language.h"

namespace dorvex::analysis {

struct ReliabilitySummary {
  double pf = 0.0;
  // Set when the result has bounds (engine::BoundsKind::Bounded).
  std::optional<double> pfLower;
  std::optional<double> pfUpper;
  engine::BoundsKind boundsKind = engine::BoundsKind::NotComputed;
  // beta = -Phi^-1(Pf); the bounds swap: the upper Pf gives the lower beta.
  double beta = 0.0;
  std::optional<double> betaLower;
  std::optional<double> betaUpper;
  double targetBeta = 0.0;
  // beta for a reference period 50 times as long and one 50 times as short, the
  // periods independent: Phi(beta_n) = Phi(beta)^n (e.g. 1 year and 50 years).
  double betaOver50Periods = 0.0;
  double betaOverFiftiethPeriod = 0.0;
  // Texts in the language asked for; empty when there is nothing to warn about.
  std::vector<std::string> warnings;
};

// The summary of `result` against the target index `targetBeta`.
ReliabilitySummary SummariseReliability(const engine::OperationResult& result, double targetBeta,
                                        texts::Language language);
// The same from a failure probability and its bounds.
ReliabilitySummary SummariseReliability(double pf, const engine::FailureBounds& bounds, double targetBeta,
                                        texts::Language language);

// The rows of the text report after the failure probability, label-tab-value:
// the bounds (or why there are none), beta with the betas of the bounds, the
// target; then each warning on a line of its own.
std::vector<std::string> ReliabilityReportLines(const ReliabilitySummary& summary, texts::Language language);

// A probability with three significant digits, "8.94E-4"; "0" for 0.
std::string ProbabilityText(double p);
// A reliability index with two decimals, "3.12"; "+inf" and "-inf" at Pf 0 and 1.
std::string IndexText(double beta);

// The result panel's line: "Pf = 8.94E-4 (8.71E-4 … 9.18E-4)   β = 3.12", with the
// reason instead of the bounds when there are none.
std::string ReliabilityLine(const ReliabilitySummary& summary, texts::Language language);

// Why a result has no bounds, in `language`; empty for a bounded one.
std::string NoBoundsText(engine::BoundsKind kind, texts::Language language);

// The warning that Pf depends on the tails the inputs' spans leave out (`cut`).
std::string TailWarningText(double cut, texts::Language language);

}  // namespace dorvex::analysis
