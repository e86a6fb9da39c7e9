#pragma once
// The state of one parametric-distribution computation: what the calling window
// sets before a run, and what the run leaves for it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "sources/distribution.h"
#include "statvex/probability_array.h"

namespace dorvex::sources {

// One computation's state. The caller sets the inputs; a run writes the outputs
// only when it succeeds (the parameter texts, caption and labels also before).
struct ParamState {
  // Inputs.
  int type = kNormal;                          // 0 .. 23
  ParameterTexts parameterTexts{"10", "1", "1.1", "1.9"};
  bool firstRun = false;                       // load the type's default texts first
  std::int32_t N = 128;                        // 3 .. 1024 intervals
  double Eps = 1E-7;                           // tail threshold of the Eps field
  std::optional<FitInputs> fitting;            // fitting mode when set

  // Set by the run (in fitting mode the texts are the fitted ones).
  Parameters para{};                           // P1 .. P4 as read
  std::string caption;                         // message 199 + the type's suffix
  std::array<std::string, 4> labels;           // labels of the parameter fields
  std::string fitDescription;                  // fitting mode only

  // Results of a successful run.
  double Min = 0.0;                            // outer edge of the first interval
  double Max = 0.0;                            // outer edge of the last interval
  double w = 0.0;                              // class width (Max - Min) / N
  ProbabilityArray P{};                        // P[1..N]; the rest 0
  long double Total = 0.0L;                    // frequency total (a double value)
  long double step = 0.1L;                     // step of the range search used
  bool ok = true;                              // success of the last run
};

// A refused computation: the dialog's text and title, and the parameter field that
// gets the focus.
struct ParamRefusal {
  int message = 0;        // leading message number (501, 503, 505, 186, ...); 0: none
  std::string text;       // the complete dialog text; empty when there is none
  int titleMessage = 3;   // 3 "E r r o r", 2 "I n f o r m a t i o n" (message 507)
  int field = 0;          // parameter field 1 .. 4 to focus; 0: none
  bool shown = true;      // false: refused without a dialog
};

}  // namespace dorvex::sources
