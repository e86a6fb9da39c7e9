#pragma once
// Arithmetic faults of a computation, read from the floating-point status flags
// (underflow and inexact are not faults).

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

}  // namespace dorvex::numeric
