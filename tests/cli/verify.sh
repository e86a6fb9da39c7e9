#!/usr/bin/env bash
# dorvex-cli verify, and the bounds and reliability index that calc reports.
source "$(dirname "$0")/lib.bash"

# json_value KEY : the first JSON value after "KEY": in stdout.
json_value() { grep -o "\"$1\": [^,}]*" "$work/out" | head -n 1 | sed 's/.*: //'; }

# R - S of Normal(200, 20) and Normal(100, 25) at 1024 intervals: the exact
# Pf = Phi(-100 / sqrt(1025)) = 8.9365E-4 lies within the bounds, which are
# narrower than a fifth of it; beta is 3.12.
run param Normal 200 20 --bins 1024 -o "$work/r.dis"
expect_code 0 "R"
run param Normal 100 25 --bins 1024 -o "$work/s.dis"
expect_code 0 "S"
run calc sub "$work/r.dis" "$work/s.dis" --json
expect_code 0 "R - S"
expect_out '"warnings": []' "R - S"
expect_out '"target_beta": 3.8' "R - S"
awk -v l="$(json_value pf_lower)" -v u="$(json_value pf_upper)" -v b="$(json_value beta)" \
  'BEGIN { e = 8.9365e-4; exit !(l <= e && e <= u && u - l < 0.2 * e && b > 3.11 && b < 3.13) }' ||
  fail "R - S bounds '$(json_value pf_lower)' .. '$(json_value pf_upper)', beta '$(json_value beta)'"
run calc sub "$work/r.dis" "$work/s.dis" --target-beta 4.2
expect_code 0 "R - S as text"
expect_out "Pf lower bound" "R - S as text"
expect_out "Target index         4.20" "R - S as text"
expect_out "Pf = 8.9" "R - S as text"

# A file does not carry the tails its span leaves out: param reports them, and
# --cut-a / --cut-b hand them to calc. R = Normal(300, 20) - S: Pf of about 2E-10
# is far below 100 times those tails, so it comes with the warning, and the
# widened bounds hold the exact 2.1E-10.
run param Normal 300 20 --bins 1024 --json -o "$work/r3.dis"
cut_r="$(json_value cut_lower),$(json_value cut_upper)"
run param Normal 100 25 --bins 1024 --json
cut_s="$(json_value cut_lower),$(json_value cut_upper)"
run calc sub "$work/r3.dis" "$work/s.dis" --json
expect_out '"warnings": []' "R3 - S without the tails"
run calc sub "$work/r3.dis" "$work/s.dis" --cut-a "$cut_r" --cut-b "$cut_s" --json
expect_code 0 "R3 - S with the tails"
expect_out '"warnings": ["Pf depends on the inputs'"'"' tails' "R3 - S with the tails"
awk -v l="$(json_value pf_lower)" -v u="$(json_value pf_upper)" \
  'BEGIN { e = 2.1e-10; exit !(l <= e && e <= u) }' ||
  fail "R3 - S bounds '$(json_value pf_lower)' .. '$(json_value pf_upper)' miss 2.1E-10"
run calc sub "$work/r3.dis" "$work/s.dis" --cut-a 0.5
expect_code 2 "--cut-a without a comma"

# A product with a factor that changes sign has no bounds, and says so.
run param Normal 0 1 --bins 64 -o "$work/z.dis"
run calc mul "$work/z.dis" "$work/r.dis" --json
expect_code 0 "sign-changing product"
expect_out '"pf_lower": null, "pf_upper": null, "bounds": "no bounds: the operation is not monotone' "sign-changing product"
run calc mul "$work/z.dis" "$work/r.dis"
expect_out "Pf bounds            no bounds" "sign-changing product as text"

# The suite: every exact value inside its bounds, exit 0.
run verify
expect_code 0 "verify"
expect_out "All exact values lie within their bounds." "verify"
expect_out "axial bar" "verify"
run verify --json
expect_code 0 "verify --json"
cases=$(grep -o '"inside": true' "$work/out" | wc -l)
[ "$cases" -ge 6 ] || fail "verify --json: $cases cases inside, expected at least 6"
grep -q '"inside": false' "$work/out" && fail "verify --json: a case outside its bounds"
for key in name exact pf pf_lower pf_upper rel_error source; do
  expect_out "\"$key\": " "verify --json key $key"
done
run verify extra
expect_code 2 "verify with a word"

finish
