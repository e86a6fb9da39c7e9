#pragma once
// The one histogram shape passed between modules, and the slot state around it.

#include <cstdint>
#include <string>

#include "statvex/probability_array.h"

namespace dorvex::model {

enum class HistogramType { PureDiscrete = 0, Discrete = 1 };

// N equally spaced values x_i = Min + (i - 1) * d, i = 1..N, with probability P[i].
// Min and Max are mid-points (values), never outer edges. Entries of P beyond N
// are not part of the histogram and read as 0.
struct Histogram {
  ProbabilityArray P{};
  std::int32_t N = 0;
  double Min = 0.0;
  double Max = 0.0;
  double d = 0.0;
  // Span taken from the source; after trimming Max - Min.
  double Range = 0.0;
  // Sum of the source's frequencies (sample size of a generated histogram).
  long double Total = 0.0L;
  HistogramType Type = HistogramType::PureDiscrete;
};

// " Discrete" / " Pure Discrete", as shown in the summary grids.
const char* TypeText(HistogramType type);

// The histogram scaled by n != 0: values times n, class width times |n|. A negative
// n reverses the first N probabilities so the copy still runs from its smallest
// value to its largest.
Histogram ApplyMultiple(const Histogram& base, double n);

// Drops empty intervals at both ends (exact zeros only; interior zeros stay),
// moving Min and recomputing N, Max and Range. When P[1] and P[N] are both
// non-zero nothing changes, Range included.
void TrimZeroEnds(Histogram& h);

// Probability a generated histogram's span leaves out below its first and above
// its last interval; none for a histogram read from a file.
struct CutProbability {
  double below = 0.0;
  double above = 0.0;
};

// The cut of a histogram scaled by n: a negative n swaps the ends.
inline CutProbability ScaledCut(const CutProbability& cut, double n) {
  return n < 0.0 ? CutProbability{cut.above, cut.below} : cut;
}

enum class SlotId { A, B };

// An input slot: the histogram as read or generated, its multiple and the scaled copy.
struct HistogramSlot {
  Histogram base;
  double multiple = 1.0;
  Histogram scaled;        // ApplyMultiple(base, multiple)
  std::string name;        // file name without extension, or the generator's name
  std::string sourcePath;  // full path of the source file; empty when generated
  std::string chartLabel;  // "Histogram :  " + name + " * nA   (nA="
  bool loaded = false;
  // The generator's description of a generated histogram (HandOverBuffer::origin).
  std::string origin;
  // Round(sum of the frequencies read), for the description window.
  std::int64_t roundedFrequencySum = 0;
  CutProbability cut;  // of the base
};

// The histogram a generator window hands to the main window, and the slot it goes
// to. Min and Max are mid-points already.
struct HandOverBuffer {
  Histogram histogram;
  SlotId target = SlotId::A;
  CutProbability cut;
  // How a generator made it (a parametric type with its parameters); empty when
  // nothing more than the name is known.
  std::string origin;
};

// Data part of taking a generated histogram into its slot: copies the buffer's
// histogram into the base, applies the slot's current multiple, marks it loaded.
// The generator sets the name afterwards.
void AcceptGenerated(const HandOverBuffer& buffer, HistogramSlot& slot);

}  // namespace dorvex::model
