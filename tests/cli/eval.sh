#!/usr/bin/env bash
# dorvex-cli eval: limit-state expressions of several histograms.
source "$(dirname "$0")/lib.bash"

examples="$(dirname "$0")/../../examples/Histograms"
S235="$examples/Solidity and material characterics/Yield_strength_S235.dis"
pf_of() { grep -o '"pf": [-0-9.eE+]*' "$work/out" | tail -n 1 | sed 's/.*: //'; }

# The axial bar, R - F/(100 pi): strength in MPa, force in N on a 100 pi mm^2 section.
# The same two steps by hand (stress file, then calc sub) give the same Pf, to the
# digits the file keeps of each frequency (the core tests compare the steps exactly).
run eval "R - F/(100*pi)" "R=$S235" --param F=Normal:50000,5000:256 --json
expect_code 0 "axial bar"
expect_out '"expression": "R - F/(100*pi)"' "axial bar"
expect_out '"steps": [{"expression": "F/(100*pi)", "n": 256,' "axial bar steps"
expect_out '"kind": "parametric"' "axial bar inputs"
expect_out "\"hash\": \"sha256:$(sha256sum "$S235" | cut -c1-64)\"" "input digest"
one_step=$(pf_of)
run eval "F/(100*pi)" --param F=Normal:50000,5000:256 -o "$work/stress.dis"
expect_code 0 "stress file"
run calc sub "$S235" "$work/stress.dis" --json
expect_code 0 "two steps"
awk -v a="$one_step" -v b="$(pf_of)" 'BEGIN { d = a - b; if (d < 0) d = -d; exit !(a > 1e-7 && d <= 1e-3 * a) }' ||
  fail "axial bar: Pf $one_step in one expression, $(pf_of) in two steps"

# A five-variable limit state from the bundled examples; its text output names each
# input with its digest and lists every step.
run eval "R*W - (G + Q + 0.6*S)" "R=$examples/Solidity and material characterics/Bending_resistance_IPE300.dis" \
  "W=$examples/Cross-section variability/Cross_section_area_ratio.dis" "G=$examples/Loads/Dead_load.dis" \
  "Q=$examples/Loads/Bending_moment_live_load.dis" "S=$examples/Loads/Wind_load_50_years.dis"
expect_code 0 "five variables"
expect_out "Expression           R*W - (G + Q + 0.6*S)" "five variables"
expect_out "Step                 G + Q + 0.6*S  N=" "five variables"
[ "$(grep -c '^Input . .*sha256:' "$work/out")" = 5 ] || fail "five variables: five inputs with digests expected"
[ "$(grep -c '^Step ' "$work/out")" = 5 ] || fail "five variables: five steps expected"

# The text report carries the same record after the program's report.
run eval "R - F/(100*pi)" "R=$S235" --param F=Normal:50000,5000:256 --report "$work/report.txt" --lang cs
expect_code 0 "report"
grep -q "V Ý S L E D N É" "$work/report.txt" || fail "report heading missing"
grep -q "^Výraz                R - F/(100\*pi)" "$work/report.txt" || fail "report lacks the expression"
grep -q "^Vstup R              .*sha256:" "$work/report.txt" || fail "report lacks the input digest"

# A name used twice: the exact rewrite is offered, and used with --rewrite.
run eval "R*R" "R=$S235"
expect_code 1 "R*R without --rewrite"
expect_err 'the exact rewrite "R^2"' "R*R without --rewrite"
run eval "R*R" "R=$S235" --rewrite --json
expect_code 0 "R*R with --rewrite"
expect_out '"evaluated": "R^2"' "R*R with --rewrite"
run eval "A/(A + B)" "A=$S235" "B=$S235"
expect_code 1 "no exact rewrite"
expect_err "The variable A is used 2 times" "no exact rewrite"

# A syntax error shows the expression, a caret under the fault and the message.
run eval "R*/2" "R=$S235"
expect_code 1 "syntax error"
[ "$(sed -n 2p "$work/err")" = "  ^" ] || fail "syntax error: caret line is '$(sed -n 2p "$work/err")'"
run eval "(R" "R=$S235" --lang cs
expect_err 'Zde se očekává ")".' "syntax error in Czech"

# An engine refusal names the sub-expression.
run eval "R/(B - 0.5)" "R=$S235" "B=$examples/Normal distributions/Standard_normal.dis"
expect_code 1 "engine refusal"
expect_err 'The operation "R/(B - 0.5)" cannot be computed:' "engine refusal"

# Refused input files and bad usage.
run eval "R" "R=$work/missing.dis"
expect_code 1 "missing file"
run eval "R + S" "R=$S235"
expect_code 1 "unknown name"
expect_err "No histogram is given for the name S." "unknown name"
run eval "R" "R=$S235" "R=$S235"
expect_code 2 "a name given twice"
run eval "R" "2R=$S235"
expect_code 2 "not a name"
run eval "R" --param R=Normal:1,0.1:5000
expect_code 1 "parametric bins out of range"

finish
