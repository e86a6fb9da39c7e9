#!/usr/bin/env bash
# dorvex-cli param: parametric histograms from the command line.
source "$(dirname "$0")/lib.bash"

# A Normal(50, 5) histogram keeps its mean and standard deviation.
run param Normal 50 5 --json
expect_code 0 "Normal"
expect_out '"name": "ParRoz_Normal", "mean": 50,' "Normal"
expect_out '"n": 128' "Normal"

# The tails the range leaves out: equal for the symmetric normal, about 1 % above
# the range for the heavy Lévy tail (erf(sqrt(c / 2 Max))).
lower=$(grep -o '"cut_lower": [-0-9.eE+]*' "$work/out" | sed 's/.*: //')
upper=$(grep -o '"cut_upper": [-0-9.eE+]*' "$work/out" | sed 's/.*: //')
awk -v l="$lower" -v u="$upper" 'BEGIN { d = l - u; if (d < 0) d = -d;
  exit !(l > 1e-9 && l < 1e-8 && d <= 1e-9 * l) }' || fail "normal tails: '$lower', '$upper'"
run param 11 10 --json
expect_code 0 "Levy"
expect_out '"cut_lower": 0, "cut_upper": 0.0108' "Levy"

# Type by index and case-insensitive name give the same histogram.
run param 0 50 5 --json
cp "$work/out" "$work/by_index"
run param normal 50 5 --json
cmp -s "$work/out" "$work/by_index" || fail "type by index and by name differ"

# Written as a distribution file, it reads back on the same grid.
run param LogNormal_2P 300 30 --bins 64 -o "$work/fy.dis" --json
expect_code 0 "write"
min=$(sed 's/.*"min": \([^,]*\),.*/\1/' "$work/out")
run info "$work/fy.dis" --json
expect_code 0 "read back"
expect_out "\"n\": 64, \"min\": $min," "read back"

run param Normal 50 -1
expect_code 1 "negative sigma"
expect_err "Sigma" "negative sigma"
run param Normal 50 5 --bins 2
expect_code 1 "too few intervals"
expect_err "Intervals number is not in range 3 .. " "too few intervals"

run param Bogus 1 2
expect_code 2 "unknown type"
run param Normal 1 2 3 4 5
expect_code 2 "too many parameters"

finish
