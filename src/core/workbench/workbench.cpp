#include "workbench/workbench.h"

#include <cmath>
#include <fstream>

#include "engine/multiples.h"
#include "workbench/slot_texts.h"
#include "statvex/conversions.h"
#include "statvex/number_text.h"
#include "tables/table_rows.h"
#include "texts/main_window_texts.h"
#include "texts/messages.h"

namespace dorvex::workbench {

namespace {

// The multiple text of a slot just opened or cleared, and of a plain run's result.
constexpr const char* kDefaultMultipleText = "1.00";
constexpr int kValueTitleMessage = 154;
constexpr int kEmptyResultTitleMessage = 153;
// After these refusals the multiple falls back to the smallest allowed, not to 1.
constexpr int kMultipleOfABelowMinimumCode = 37;
constexpr int kMultipleOfBBelowMinimumCode = 38;
constexpr double kSmallestMultiple = 0.01;
constexpr int kOverflowCode = 44;

int Index(SlotId slot) { return slot == SlotId::A ? 0 : 1; }

// The summary grid's counts carry a leading blank in slot A only.
std::string CountPrefix(SlotId slot) { return slot == SlotId::A ? " " : ""; }

// A scaled histogram whose span still lies in the range of a double.
bool FiniteSpan(const model::Histogram& h) {
  return std::isfinite(h.Min) && std::isfinite(h.Max) && std::isfinite(h.d) && std::isfinite(h.Range);
}

std::string TypeTextOf(SlotId slot, model::HistogramType type) {
  const std::string text = model::TypeText(type);
  return slot == SlotId::A ? text : text.substr(1);
}

}  // namespace

long double InputFrequencyMultiplier(SlotId slot, long double total) {
  return slot == SlotId::A ? analysis::FrequencyMultiplier(total, 1.0L, total)
                           : analysis::FrequencyMultiplier(1.0L, total, total);
}

long double ResultFrequencyMultiplier(int code, long double totalA, long double totalB, long double resultTotal) {
  return analysis::FrequencyMultiplier(totalA, engine::IsBinaryOperation(code) ? totalB : 0.0L, resultTotal);
}

std::string ResultLabel(const std::string& operationLabel, double multiple) {
  std::string label = operationLabel;
  label += "   (nAB=";
  label += statvex::MultipleText(multiple);
  label += ")";
  return label;
}

std::string ResultTitle(const std::string& operationLabel, double multiple) {
  return "Histogram : " + ResultLabel(operationLabel, multiple);
}

std::string UpperBoundValueTitle(const std::string& typed, texts::Language language) {
  return texts::MessageText(kValueTitleMessage, language) + " :  " + typed;
}

std::vector<std::string> SlotSummaryTexts(SlotId slot, const model::Histogram& base) {
  return {TypeTextOf(slot, base.Type), CountPrefix(slot) + std::to_string(base.N),
          workbench::FrequencySumText(base.Total, CountPrefix(slot))};
}

std::vector<std::string> EmptySlotSummaryTexts(SlotId slot) {
  return {std::string(), CountPrefix(slot) + "0", CountPrefix(slot) + "0"};
}

std::string EmptySlotChartTitle(SlotId slot) {
  return slot == SlotId::A ? "Histogram :  (A * nA)" : "Histogram :  ( B * nB)";
}

std::vector<std::string> EmptyResultChartTitle(texts::Language language) {
  return {" ", texts::MessageText(kEmptyResultTitleMessage, language)};
}

std::vector<std::string> ResultSummaryTexts(const engine::OperationResult& result) {
  const model::Histogram& h = result.histogram;
  return {model::TypeText(h.Type),
          statvex::DisplayNumber(h.Min),
          statvex::DisplayNumber(h.Max),
          workbench::IntervalCountText(h.N),
          workbench::ProbabilitySumText(result.probabilitySum),
          workbench::ResultTotalText(result.total)};
}

std::vector<std::string> EmptyResultSummaryTexts() {
  const std::string zero = statvex::DisplayNumber(0.0);
  return {std::string(), zero, zero, " 0", zero, " 0"};
}

Workbench::Workbench() : multipleTexts_{kDefaultMultipleText, kDefaultMultipleText}, resultMultipleText_(kDefaultMultipleText) {}

// ---- inputs ----

const model::HistogramSlot& Workbench::Slot(SlotId slot) const { return slots_[Index(slot)]; }

model::HistogramSlot& Workbench::MutableSlot(SlotId slot) { return slots_[Index(slot)]; }

const std::string& Workbench::MultipleText(SlotId slot) const { return multipleTexts_[Index(slot)]; }

std::string Workbench::SlotChartTitle(SlotId slot) const {
  return Slot(slot).chartLabel + MultipleText(slot) + ")";
}

void Workbench::ClearSlot(SlotId slot) {
  handOverTarget_ = slot;
  ClearResult();
  model::HistogramSlot& s = MutableSlot(slot);
  const model::HistogramType type = s.base.Type;
  s = model::HistogramSlot{};
  s.base.Type = type;
  multipleTexts_[Index(slot)] = kDefaultMultipleText;
}

OpenOutcome Workbench::Open(SlotId slot, const std::string& path, bool controlListing, texts::Language language) {
  model::DistributionReadOptions options;
  options.typeWhenMissing = Slot(slot).base.Type;
  options.controlListing = controlListing;
  options.language = language;
  model::DistributionReadResult read = model::ReadDistributionFile(path, options);
  OpenOutcome opened;
  opened.listing = std::move(read.listing);
  if (!read.ok()) {
    opened.error = read.error;
    // The file is named on a line of its own, not glued to the message.
    model::ModelError shown = *read.error;
    if (shown.append == path) shown.append.clear();
    opened.refusal = model::ComposeReportError(shown, language);
    opened.refusal.text = texts::NamingTheFile(opened.refusal.text, path, language);
    return opened;
  }
  reOpenList_.Add(path, kDefaultMultipleText, std::to_string(read.record.histogram.N));
  ClearSlot(slot);
  model::HistogramSlot& s = MutableSlot(slot);
  s.base = read.record.histogram;
  s.roundedFrequencySum = read.record.roundedFrequencySum;
  s.sourcePath = path;
  s.name = workbench::SlotNameFromPath(path);
  s.chartLabel = workbench::SlotChartLabel(slot, s.name);
  s.loaded = true;
  s.scaled = model::ApplyMultiple(s.base, s.multiple);
  return opened;
}

void Workbench::SetCutProbability(SlotId slot, const model::CutProbability& cut) {
  if (!Slot(slot).loaded) return;
  ClearResult();
  MutableSlot(slot).cut = cut;
}

void Workbench::AcceptGenerated(const model::HandOverBuffer& buffer) {
  ClearResult();
  model::AcceptGenerated(buffer, MutableSlot(buffer.target));
}

void Workbench::AcceptGenerated(const model::HandOverBuffer& buffer, const std::string& name) {
  AcceptGenerated(buffer);
  model::HistogramSlot& s = MutableSlot(buffer.target);
  s.name = name;
  s.sourcePath.clear();
  s.chartLabel = SlotChartLabel(buffer.target, name);
}

void Workbench::AcceptTyped(const model::HandOverBuffer& buffer, const std::string& name, const std::string& path,
                            std::int64_t frequencySum) {
  model::HistogramSlot& s = MutableSlot(buffer.target);
  s.multiple = 1.0;
  multipleTexts_[Index(buffer.target)] = kDefaultMultipleText;
  AcceptGenerated(buffer, name);
  s.sourcePath = path;
  s.roundedFrequencySum = frequencySum;
}
void Workbench::MakeScaledBase(SlotId slot) { tables::MakeScaledBase(MutableSlot(slot)); }

MultipleOutcome Workbench::SetMultiple(SlotId slot, double n) {
  model::HistogramSlot& s = MutableSlot(slot);
  MultipleOutcome outcome;
  // An empty slot has no type yet; its multiple is checked when a histogram comes.
  const model::HistogramType type = s.loaded ? s.base.Type : model::HistogramType::Discrete;
  outcome.error = engine::CheckInputMultiple(n, type, slot);
  if (!outcome.error && s.loaded && !FiniteSpan(model::ApplyMultiple(s.base, n))) {
    outcome.error = model::ModelError{kOverflowCode, {}, {}, 0};
    outcome.inForce = s.multiple;
    return outcome;
  }
  if (outcome.error) {
    const int code = outcome.error->code;
    n = code == kMultipleOfABelowMinimumCode || code == kMultipleOfBBelowMinimumCode ? kSmallestMultiple : 1.0;
  }
  outcome.inForce = n;
  s.multiple = n;
  multipleTexts_[Index(slot)] = statvex::NumberText(n);
  if (!s.loaded) return outcome;

  ClearResult();
  s.scaled = model::ApplyMultiple(s.base, n);
  outcome.rescaled = true;
  if (!s.sourcePath.empty()) {
    // The file keeps the interval count it entered the list with.
    const settings::ReOpenEntry* entry = reOpenList_.Find(s.sourcePath);
    const std::string intervals = entry != nullptr ? entry->intervals : std::to_string(s.base.N);
    reOpenList_.Add(s.sourcePath, MultipleText(slot), intervals);
  }
  return outcome;
}

std::optional<model::ModelError> Workbench::PlaceRange(SlotId slot, engine::RangeEnd end, double value) {
  model::HistogramSlot& s = MutableSlot(slot);
  if (!s.loaded) return std::nullopt;
  if (auto refusal = engine::PlaceOnRange(s.scaled, end, value)) return refusal;
  ClearResult();
  return std::nullopt;
}

// ---- result ----

std::string Workbench::ResultLabel() const {
  return result_ ? workbench::ResultLabel(result_->label, resultMultiple_) : std::string();
}

std::string Workbench::ResultTitle() const {
  return result_ ? workbench::ResultTitle(result_->label, resultMultiple_) : std::string();
}

model::HistogramType Workbench::ResultTypeOf(int code) const {
  engine::OperationRequest request;
  request.code = code;
  request.a = Slot(SlotId::A).loaded ? &Slot(SlotId::A).scaled : nullptr;
  request.b = Slot(SlotId::B).loaded ? &Slot(SlotId::B).scaled : nullptr;
  return engine::ResultType(request);
}

void Workbench::ClearResult() {
  result_.reset();
  resultMultiple_ = 1.0;
  resultMultipleText_ = kDefaultMultipleText;
  lastQuery_ = LastQuery{};
  answeredValue_.reset();
  answeredProbability_.reset();
}

RunOutcome Workbench::Start(const RunRequest& request, engine::OperationRequest& engineRequest) {
  ClearResult();
  resultCode_ = request.code;
  engineRequest.code = request.code;
  engineRequest.a = Slot(SlotId::A).loaded ? &Slot(SlotId::A).scaled : nullptr;
  engineRequest.b = Slot(SlotId::B).loaded ? &Slot(SlotId::B).scaled : nullptr;
  engineRequest.exponent = request.exponent;
  engineRequest.pointLimit = request.pointLimit;
  engineRequest.cutA = model::ScaledCut(Slot(SlotId::A).cut, Slot(SlotId::A).multiple);
  engineRequest.cutB = model::ScaledCut(Slot(SlotId::B).cut, Slot(SlotId::B).multiple);
  // The distribution-function window draws them; a few milliseconds a run.
  engineRequest.withDistributionBounds = true;
  engineRequest.progress = request.progress;
  engineRequest.cancel = request.cancel;
  return RunOutcome{};
}

void Workbench::Keep(RunOutcome& run, const std::string& multipleText) {
  resultMultiple_ = run.multiple;
  resultMultipleText_ = multipleText;
  if (run.outcome.ok()) result_ = run.outcome.result;
}

RunOutcome Workbench::Run(const RunRequest& request) {
  engine::OperationRequest engineRequest;
  RunOutcome run = Start(request, engineRequest);
  run.outcome = engine::RunOperation(engineRequest);
  Keep(run, kDefaultMultipleText);
  return run;
}

RunOutcome Workbench::Rescale(const RunRequest& request, double nAB) {
  engine::OperationRequest engineRequest;
  RunOutcome run = Start(request, engineRequest);
  engine::RescaleOutcome rescaled = engine::RescaleResult(engineRequest, nAB);
  run.outcome = std::move(rescaled.outcome);
  run.notice = std::move(rescaled.notice);
  run.multiple = rescaled.multiple;
  Keep(run, statvex::NumberText(run.multiple));
  return run;
}

void Workbench::TakeAsResult(SlotId slot) {
  ClearResult();
  const model::HistogramSlot& s = Slot(slot);
  if (!s.loaded) return;
  engine::OperationResult result;
  result.histogram = s.scaled;
  result.failureProbability = engine::FailureProbabilityOf(result.histogram);
  result.total = static_cast<double>(s.scaled.Total);
  result.totalExtended = s.scaled.Total;
  resultCode_ = 0;
  resultMultiple_ = 1.0;
  resultMultipleText_ = kDefaultMultipleText;
  result_ = std::move(result);
}

void Workbench::TakeOutsideResult(engine::OperationResult result) {
  ClearResult();
  resultCode_ = 0;
  resultMultiple_ = 1.0;
  resultMultipleText_ = kDefaultMultipleText;
  result_ = std::move(result);
}

std::optional<model::ModelError> Workbench::PlaceResultRange(engine::RangeEnd end, double value) {
  if (!result_) return std::nullopt;
  if (auto refusal = engine::PlaceOnRange(result_->histogram, end, value)) return refusal;
  // The probabilities now stand on other values: so does the failure probability,
  // and P(X <= 0) is no longer the operation's own.
  result_->failureProbability = engine::FailureProbabilityOf(result_->histogram);
  result_->failureFromOperation = false;
  result_->bounds = engine::FailureBounds{};
  return std::nullopt;
}

// ---- questions ----

engine::ValueAnswer Workbench::AskValue(double x) {
  if (!result_) return {};
  const engine::ValueAnswer answer = engine::ProbabilityOfValue(*result_, x);
  if (answer.admissible) {
    lastQuery_ = {QueryKind::Value, x};
    answeredValue_ = x;
  } else {
    answeredValue_.reset();
  }
  return answer;
}

engine::QuantileAnswer Workbench::AskQuantile(double p) {
  if (!result_) return {};
  const engine::QuantileAnswer answer = engine::QuantileOfProbability(*result_, p);
  if (answer.admissible) {
    lastQuery_ = {QueryKind::Quantile, answer.value};
    answeredProbability_ = p;
  } else {
    answeredProbability_.reset();
  }
  return answer;
}

void Workbench::WithdrawQuestion(QueryKind kind) {
  if (kind == QueryKind::Value) answeredValue_.reset();
  if (kind == QueryKind::Quantile) answeredProbability_.reset();
}

std::string Workbench::UnansweredValueText(texts::Language language) const {
  if (!result_) return {};
  const model::Histogram& h = result_->histogram;
  // The span ProbabilityOfValue answers for.
  const bool discrete = h.Type == model::HistogramType::Discrete;
  const double lower = discrete ? h.Min - h.d / 2 : h.Min;
  const double upper = discrete ? h.Max + h.d / 2 : h.Max;
  return texts::ValueOutsideResultText(statvex::NumberText(lower), statvex::NumberText(upper), !discrete, language);
}

std::string Workbench::UnansweredProbabilityText(texts::Language language) {
  return texts::ProbabilityOutsideText(language);
}

std::optional<double> Workbench::QueryPosition() const {
  if (!result_ || lastQuery_.kind == QueryKind::None || !(result_->histogram.d > 0.0)) return std::nullopt;
  return (lastQuery_.at - result_->histogram.Min) / result_->histogram.d;
}

analysis::ListingQuery Workbench::ShadedQuery(bool valueShown, bool quantileShown) const {
  if (lastQuery_.kind == QueryKind::Value && valueShown) return analysis::ListingQuery::Value;
  if (lastQuery_.kind == QueryKind::Quantile && quantileShown) return analysis::ListingQuery::Quantile;
  return analysis::ListingQuery::None;
}

// ---- listings ----

long double Workbench::ListingMultiplier(Listed listed) const {
  switch (listed) {
    case Listed::A: return InputFrequencyMultiplier(SlotId::A, Slot(SlotId::A).base.Total);
    case Listed::B: return InputFrequencyMultiplier(SlotId::B, Slot(SlotId::B).base.Total);
    case Listed::Result:
      return ResultFrequencyMultiplier(resultCode_, Slot(SlotId::A).base.Total, Slot(SlotId::B).base.Total,
                                       result_ ? result_->totalExtended : 0.0L);
  }
  return 0.0L;
}

std::vector<analysis::ListingRow> Workbench::ResultListing(texts::Language language) const {
  if (!result_) return {};
  return analysis::ResultListingRows(result_->histogram, ListingMultiplier(Listed::Result), language);
}

std::vector<analysis::ListingShade> Workbench::ResultListingShades(analysis::ListingQuery query) const {
  if (!result_) return {};
  return analysis::ResultListingShades(result_->histogram, query, lastQuery_.at);
}

Description Workbench::Describe(Listed listed, texts::Language language) const {
  Description description;
  std::string title;
  if (listed == Listed::Result) {
    if (!result_) return description;
    description.histogram = &result_->histogram;
    title = "Histogram : " + result_->label;
  } else {
    const model::HistogramSlot& s = Slot(listed == Listed::A ? SlotId::A : SlotId::B);
    if (!s.loaded) return description;
    description.histogram = &s.scaled;
    title = analysis::InputDescriptionTitle(s.name);
  }
  description.grid = analysis::DescriptionTable(*description.histogram, title, ListingMultiplier(listed), language);
  return description;
}

analysis::ResultReportInput Workbench::ReportInput(const std::string& date, const std::string& time,
                                                const std::string& version) const {
  analysis::ResultReportInput input;
  if (result_) {
    input.result = result_->histogram;
    input.resultTotal = result_->totalExtended;
    input.failureProbability = result_->failureProbability;
  }
  input.label = ResultLabel();
  const model::HistogramSlot& a = Slot(SlotId::A);
  const model::HistogramSlot& b = Slot(SlotId::B);
  input.nameA = a.name;
  input.multipleA = statvex::MultipleText(a.multiple);
  if (b.loaded) {
    input.nameB = b.name;
    input.multipleB = statvex::MultipleText(b.multiple);
  }
  input.date = date;
  input.time = time;
  input.version = version;
  return input;
}

// ---- recently used files ----

void Workbench::RememberSavedResult(const std::string& path) {
  if (!result_) return;
  reOpenList_.Add(path, kDefaultMultipleText, std::to_string(result_->histogram.N));
}

ReOpenOutcome Workbench::ReOpen(SlotId slot, int entry, bool controlListing, texts::Language language) {
  ReOpenOutcome outcome;
  const auto& entries = reOpenList_.Entries();
  if (entry < 1 || entry > static_cast<int>(entries.size())) return outcome;
  const settings::ReOpenEntry chosen = entries[static_cast<std::size_t>(entry - 1)];
  reOpenList_.Select(entry);
  if (chosen.path.empty()) return outcome;
  if (!std::ifstream(chosen.path, std::ios::binary).is_open()) {
    outcome.unopenable = true;
    return outcome;
  }
  // Loading from the list neither adds to it nor moves the entry.
  const settings::ReOpenList kept = reOpenList_;
  outcome.opened = Open(slot, chosen.path, controlListing, language);
  if (!outcome.opened.error) {
    double n = 1.0;
    if (statvex::ParseLenient(chosen.multiple, n) && (n == 1.0 || !SetMultiple(slot, n).error)) {
      multipleTexts_[Index(slot)] = chosen.multiple;
    }
  }
  reOpenList_ = kept;
  return outcome;
}

}  // namespace dorvex::workbench
