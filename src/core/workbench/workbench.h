#pragma once
// The state a user works on — the input slots A and B with their multiples and
// ranges, the result with its multiple and range, the last question put to the
// result, the recently used files — and the rules between them. The main window and
// dorvex-cli drive it; it shows nothing.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/queries.h"
#include "engine/rescale.h"
#include "model/distribution_file_reader.h"
#include "model/histogram.h"
#include "analysis/listing_rows.h"
#include "model/report_error.h"
#include "analysis/result_report.h"
#include "settings/reopen_list.h"
#include "texts/language.h"

namespace dorvex::workbench {

using model::SlotId;

// Frequency multiplier of an input's description table: its own Total.
long double InputFrequencyMultiplier(SlotId slot, long double total);
// Frequency multiplier of the result's listing and description table: A's and B's
// Totals (B's only after a two-input operation `code`) against the result total.
long double ResultFrequencyMultiplier(int code, long double totalA, long double totalB, long double resultTotal);

// The result label with its multiple: the operation label + "   (nAB=" + nAB in
// the two-decimal multiple text + ")".
std::string ResultLabel(const std::string& operationLabel, double multiple);
// The result chart's title: "Histogram : " + ResultLabel.
std::string ResultTitle(const std::string& operationLabel, double multiple);
// Title of the value query's chart when x is the upper end of the result:
// message 154 + " :  " + x as typed.
std::string UpperBoundValueTitle(const std::string& typed, texts::Language language);

// Texts of an input slot's summary grid (type, number of intervals, sum of
// frequencies); slot A's carry a leading blank, slot B's none.
std::vector<std::string> SlotSummaryTexts(SlotId slot, const model::Histogram& base);
// The same for an empty slot.
std::vector<std::string> EmptySlotSummaryTexts(SlotId slot);
// Title of an empty input chart.
std::string EmptySlotChartTitle(SlotId slot);
// Title lines of the result chart with no result: a blank line, then message 153.
std::vector<std::string> EmptyResultChartTitle(texts::Language language);
// Texts of the result summary grid: type, Min, Max, number of intervals, sum of
// probabilities, sum of frequencies.
std::vector<std::string> ResultSummaryTexts(const engine::OperationResult& result);
// The same with no result: empty type, zero values.
std::vector<std::string> EmptyResultSummaryTexts();

// The question last put to the result.
enum class QueryKind { None, Value, Quantile };
struct LastQuery {
  QueryKind kind = QueryKind::None;
  double at = 0.0;  // x of a value question, Qp of a quantile question
};

// What SetMultiple leaves.
struct MultipleOutcome {
  double inForce = 1.0;  // the multiple the slot has now
  // Why the asked multiple was not taken: 0 (code 25), a fraction on a Pure Discrete
  // slot (code 40), |n| < 0.01 (codes 37, 38); `inForce` is then 0.01 after 37
  // and 38, else 1. A multiple that would carry the slot's Min, Max or class width
  // beyond the range of a double is refused as an overflow (code 44) and changes
  // nothing: the multiple in force stays, and so do the slot and the result.
  std::optional<model::ModelError> error;
  // The slot holds a histogram and was scaled anew; the result is gone.
  bool rescaled = false;
};

// What opening a distribution file gives.
struct OpenOutcome {
  // The reader's refusal; the slot, its multiple and the result are then as they were.
  std::optional<model::ModelError> error;
  // The error box of the refusal: the reader's message with the file named.
  model::ErrorText refusal;
  // The control listing, when asked for: what was read, also of a refused file.
  std::vector<model::ControlListingRow> listing;
};

// What re-opening an entry of the re-open list gives.
struct ReOpenOutcome {
  // The entry's file cannot be opened for reading (nothing was read).
  bool unopenable = false;
  // The reading, as Open gives it, when the file could be opened.
  OpenOutcome opened;
};

// How to run the operation.
struct RunRequest {
  int code = 0;          // OperationCode; 0 runs nothing and ends with error 30
  std::string exponent;  // n of operations 7..10 as typed
  int pointLimit = engine::kDefaultPointLimit;
  engine::ProgressCallback progress;  // optional, passed to the engine
  engine::CancelCallback cancel;      // optional, passed to the engine
};

// What a run gives. `outcome` is the engine's, kept for display also when invalid
// (error 30); the workbench keeps the result only when the outcome is ok.
struct RunOutcome {
  engine::OperationOutcome outcome;
  // Shown before the result: a result multiple of 0 (message 23) or a fraction on a
  // Pure Discrete result (code 40); the run then goes on with the multiple 1.
  std::optional<model::ModelError> notice;
  double multiple = 1.0;  // nAB the result was scaled by
};

// Which histogram a description table lists.
enum class Listed { A, B, Result };

// A description table and what it lists.
struct Description {
  const model::Histogram* histogram = nullptr;  // the scaled input or the result
  analysis::DescriptionGrid grid;
};

class Workbench {
 public:
  Workbench();

  // ---- inputs ----
  const model::HistogramSlot& Slot(SlotId slot) const;
  // Text of the slot's multiple as the field shows it: "1.00" after opening or
  // clearing, else the number text of the multiple in force ("2", "0.01").
  const std::string& MultipleText(SlotId slot) const;
  // Title of the slot's chart: its chart label, the multiple text and ")".
  std::string SlotChartTitle(SlotId slot) const;
  // The slot a generator's histogram goes into next.
  SlotId HandOverTarget() const { return handOverTarget_; }

  // Empties the slot (its type stays, for a next file without a Type line), sets the
  // multiple to 1, makes it the hand-over target and clears the result.
  void ClearSlot(SlotId slot);
  // Reads `path` into the slot. On success the slot is cleared and filled (multiple
  // 1), and the file enters the re-open list with "1.00" and its interval count;
  // the listing rows are in `language`. A refused file changes nothing: neither the
  // slot nor its multiple, the result or the re-open list.
  OpenOutcome Open(SlotId slot, const std::string& path, bool controlListing, texts::Language language);
  // Takes a generator's histogram into the buffer's target slot (Type Discrete,
  // scaled by the slot's multiple) and clears the result.
  void AcceptGenerated(const model::HandOverBuffer& buffer);
  // The same, and the slot takes the generator's `name` and its chart label.
  void AcceptGenerated(const model::HandOverBuffer& buffer, const std::string& name);
  // Takes a histogram typed by hand, saved at `path`, into the buffer's target slot
  // exactly as typed: its type kept and the multiple set to 1, so the slot shows
  // what it computes with. Clears the result.
  void AcceptTyped(const model::HandOverBuffer& buffer, const std::string& name, const std::string& path,
                   std::int64_t frequencySum);
  // After a table window's hand-over: the slot's scaled histogram becomes its base
  // (type Discrete), so the multiple in force is part of it (tables::MakeScaledBase).
  void MakeScaledBase(SlotId slot);

  // Sets the slot's multiple to n, or after a refusal to the fallback. A slot holding
  // a histogram is scaled anew, the result cleared and its file re-entered in the
  // re-open list with the new multiple text. An empty slot is checked as Discrete.
  MultipleOutcome SetMultiple(SlotId slot, double n);
  // Sets the probability the slot's histogram leaves out below and above its span
  // (of the base, before the multiple), which a file cannot carry; the result is
  // cleared. Nothing happens to an empty slot.
  void SetCutProbability(SlotId slot, const model::CutProbability& cut);
  // Places the slot's scaled histogram on a new span (engine::PlaceOnRange); the
  // base and the multiple stay. Accepted: the result is cleared. Nothing happens to
  // an empty slot.
  std::optional<model::ModelError> PlaceRange(SlotId slot, engine::RangeEnd end, double value);

  // ---- result ----
  // The valid result; nullptr while there is none.
  const engine::OperationResult* Result() const { return result_ ? &*result_ : nullptr; }
  // The operation code of the result (or of the last run).
  int ResultCode() const { return resultCode_; }
  // nAB of the result, and its text as the multiple field shows it: "1.00" after a
  // plain run, the number text after a rescale.
  double ResultMultiple() const { return resultMultiple_; }
  const std::string& ResultMultipleText() const { return resultMultipleText_; }
  // ResultLabel and ResultTitle of the result; empty without one.
  std::string ResultLabel() const;
  std::string ResultTitle() const;
  // Type the result of `code` on the present inputs will have.
  model::HistogramType ResultTypeOf(int code) const;

  // Drops the result, its multiple (back to 1) and the question put to it.
  void ClearResult();
  // Clears the result and runs the operation on the scaled inputs; a bounded result
  // carries its bounding distribution functions too.
  RunOutcome Run(const RunRequest& request);
  // Clears the result, runs the operation again and scales its result by nAB.
  RunOutcome Rescale(const RunRequest& request, double nAB);
  // Lets a histogram of the slot stand for a result (a file's own queries): its
  // failure probability is computed from its values.
  void TakeAsResult(SlotId slot);
  // Takes a result computed outside the two-slot operations (a limit-state
  // expression) as the result, so that every result command works on it.
  void TakeOutsideResult(engine::OperationResult result);
  // Places the result on a new span (engine::PlaceOnRange) and computes its failure
  // probability anew. Nothing happens without a result.
  std::optional<model::ModelError> PlaceResultRange(engine::RangeEnd end, double value);

  // ---- questions ----
  // P(x) and P(X <= x); an admissible answer becomes the last question.
  engine::ValueAnswer AskValue(double x);
  // Qp for p; an admissible answer becomes the last question.
  engine::QuantileAnswer AskQuantile(double p);
  const LastQuery& LastQuestion() const { return lastQuery_; }
  // The x and the p last answered, while the result stands: what a refused text in
  // their fields returns to. Empty after a question without an answer, after
  // WithdrawQuestion and without a result.
  std::optional<double> AnsweredValue() const { return answeredValue_; }
  std::optional<double> AnsweredProbability() const { return answeredProbability_; }
  // The field of a question was emptied: its answer no longer stands.
  void WithdrawQuestion(QueryKind kind);
  // Why the last value or probability question got no answer, in `language`: x
  // outside the span the result answers for, p outside 0 < p <= 1. Empty without a
  // result.
  std::string UnansweredValueText(texts::Language language) const;
  static std::string UnansweredProbabilityText(texts::Language language);
  // Where the last question stands on the result chart, in bars from the first;
  // empty without a question or a class width.
  std::optional<double> QueryPosition() const;
  // Which question shades the result listing: the last one, while its field
  // (`valueShown`, `quantileShown`) still holds text.
  analysis::ListingQuery ShadedQuery(bool valueShown, bool quantileShown) const;

  // ---- listings ----
  long double ListingMultiplier(Listed listed) const;
  // The result listing in `language` (empty without a result), and its row shades.
  std::vector<analysis::ListingRow> ResultListing(texts::Language language) const;
  std::vector<analysis::ListingShade> ResultListingShades(analysis::ListingQuery query) const;
  // The description table of an input or of the result; no histogram when the slot
  // is empty or there is no result.
  Description Describe(Listed listed, texts::Language language) const;
  // What the text report of the result shows besides `date`, `time` and `version`,
  // the result's failure probability included.
  analysis::ResultReportInput ReportInput(const std::string& date, const std::string& time,
                                       const std::string& version) const;

  // ---- recently used files ----
  const settings::ReOpenList& ReOpenList() const { return reOpenList_; }
  void SetReOpenList(settings::ReOpenList list) { reOpenList_ = std::move(list); }
  // A result written to `path` enters the list with "1.00" and its interval count.
  void RememberSavedResult(const std::string& path);
  // Reads entry `entry` (1-based) of the list into the slot as Open does, then gives
  // the slot the entry's multiple (its text as the entry has it); the list keeps its
  // order and the entry becomes the selected one. An entry without a path reads nothing.
  ReOpenOutcome ReOpen(SlotId slot, int entry, bool controlListing, texts::Language language);
  // Removes the selected entry (the ones after it move up).
  void DeleteSelectedReOpenEntry() { reOpenList_.DeleteSelected(); }
  // Empties the list.
  void ClearReOpenList() { reOpenList_.Clear(); }

 private:
  model::HistogramSlot& MutableSlot(SlotId slot);
  RunOutcome Start(const RunRequest& request, engine::OperationRequest& engineRequest);
  void Keep(RunOutcome& run, const std::string& multipleText);

  model::HistogramSlot slots_[2];
  std::string multipleTexts_[2];
  SlotId handOverTarget_ = SlotId::A;

  std::optional<engine::OperationResult> result_;
  int resultCode_ = 0;
  double resultMultiple_ = 1.0;
  std::string resultMultipleText_;
  LastQuery lastQuery_;
  std::optional<double> answeredValue_;
  std::optional<double> answeredProbability_;

  settings::ReOpenList reOpenList_;
};

}  // namespace dorvex::workbench
