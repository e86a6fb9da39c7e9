#pragma once
// A histogram typed by hand as integer frequencies with a type, a range and a name:
// the recount of the lines, the checks before saving, the distribution file written
// and the histogram handed to the slot. Also the form filled from a slot's histogram.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/histogram.h"
#include "texts/language.h"

namespace dorvex::sources {

struct TypedHistogram {
  std::string name;                // also the proposed file name
  std::vector<std::string> lines;  // line i is the frequency of interval i; empty reads as 0
  bool pureDiscrete = false;
  std::string minText;             // Discrete: lower edge; Pure Discrete: the first value
  std::string maxText;             // Discrete: upper edge; unused for Pure Discrete
  double pureStep = 1.0;           // spacing of the points of a Pure Discrete histogram
};

// The count and sum of the lines, or the first line that is not a frequency.
struct FrequencyCount {
  int lines = 0;
  std::int64_t sum = 0;
  int badLine = 0;  // 1-based; 0 when every line is a frequency
  std::string badText;
};

// Each line must be a non-negative 64-bit integer (blanks around it allowed) and
// the sum must fit 64 bits; the first line that breaks this is named.
FrequencyCount CountFrequencies(const std::vector<std::string>& lines);

// The dialog text for a line that is not a frequency.
std::string BadFrequencyText(const FrequencyCount& count, texts::Language language);

// Why the form cannot be saved (the error box's text), or nothing: no lines, more
// than 1024, Min (and for Discrete Max) missing or not a number, Min >= Max, a line
// that is not a frequency, frequencies summing to 0, no name.
std::optional<std::string> SaveRefusal(const TypedHistogram& form, texts::Language language);

// The largest value: Max of a Discrete form as typed; Min + (N - 1) * step for Pure
// Discrete. Only for a form SaveRefusal accepts.
double TypedMax(const TypedHistogram& form);

// The distribution file's text (CR LF), Identification = `fileName`. The lines are
// written as typed, an empty one as 0, so the file reads back with all N values;
// Max of a Pure Discrete form is the value of its last point.
std::string TypedHistogramFileText(const TypedHistogram& form, const std::string& fileName);

// The histogram the form describes (Min and Max as mid-points, P = line / sum),
// for `target`. Only for a form SaveRefusal accepts.
model::HandOverBuffer TypedHandOver(const TypedHistogram& form, model::SlotId target);

// The form for a slot: one line per interval of its scaled histogram with
// Total * P[i] rounded, its name, its type and range (Discrete: the outer edges as
// display texts; Pure Discrete: the texts of the slot's Min and Max fields and its
// class width). An empty slot gives the empty Discrete form.
TypedHistogram TypedFormOfSlot(const model::HistogramSlot& slot, const std::string& minFieldText,
                               const std::string& maxFieldText);

}  // namespace dorvex::sources
