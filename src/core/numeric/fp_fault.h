#pragma once
// Arithmetic faults of a computation, read from the floating-point status flags
// (underflow and inexact are not faults).

#include <cfenv>

namespace dorvex::numeric {

enum class FpFault { None, DivisionByZero, Overflow, InvalidOperation, OtherMath };

// Clears the division-by-zero, overflow and invalid-operation flags.
void ClearFpFaults();
// The fault the flags show, division by zero first, then overflow, then invalid
// operation; None when none is raised.
FpFault RaisedFpFault();
// RaisedFpFault, or, when no flag is raised, the fault a non-finite value stands
// for (NaN: invalid operation; infinity: overflow).
FpFault FaultOf(long double value);

// Restores the flags as they were when it was made: for views of a finished
// computation (tails, curves) whose faults must not reach it.
class KeepFpFlags {
 public:
  KeepFpFlags() { std::fegetexceptflag(&saved_, FE_ALL_EXCEPT); }
  ~KeepFpFlags() { std::fesetexceptflag(&saved_, FE_ALL_EXCEPT); }
  KeepFpFlags(const KeepFpFlags&) = delete;
  KeepFpFlags& operator=(const KeepFpFlags&) = delete;

 private:
  std::fexcept_t saved_{};
};

}  // namespace dorvex::numeric
