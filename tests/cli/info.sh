#!/usr/bin/env bash
# dorvex-cli info, driven as a user would.
source "$(dirname "$0")/lib.bash"

# A Discrete file with Min=0, Max=10, Bins=10: mid-points 0.5 .. 9.5, d = 1.
cat >"$work/ten.dis" <<'DIS'
[Description]
Identification=ten.dis
Type=Discrete
Form=Frequency

[Parameters]
Min=0
Max=10
Bins=10
Total=10

[Bins]
1
1
1
1
1
1
1
1
1
1
DIS

run info "$work/ten.dis"
expect_code 0 "valid file"
expect_out "Discrete" "valid file"
expect_out "Min                  0.5" "valid file"
expect_out "Max                  9.5" "valid file"
expect_out "Range                10" "valid file"
expect_out "Sum of frequencies   10" "valid file"

run info "$work/ten.dis" --json
expect_code 0 "json"
expect_out '{"type": "Discrete", "n": 10, "min": 0.5, "max": 9.5, "d": 1, "range": 10, "total": 10, "sum_p": 1' "json"

# Refused file: title and text of the error box on stderr, in the chosen language.
sed 's/^Bins=10/Bins=1025/' "$work/ten.dis" >"$work/bad.dis"
run info "$work/bad.dis"
expect_code 1 "Bins > 1024"
expect_err "E r r o r" "Bins > 1024"
expect_err "Number of intervals in histogram > 1024" "Bins > 1024"
run info "$work/bad.dis" --lang cs
expect_code 1 "Bins > 1024 in Czech"
expect_err "C h y b a" "Bins > 1024 in Czech"
expect_err "Počet intervalů u histogramu A > 1024" "Bins > 1024 in Czech"

run info "$work/missing.dis"
expect_code 1 "missing file"
expect_err "$work/missing.dis" "missing file"

# Bad usage.
run info
expect_code 2 "no file"
run info "$work/ten.dis" --lang de
expect_code 2 "unknown language"
run info "$work/ten.dis" --frobnicate
expect_code 2 "unknown option"
run nosuchcommand
expect_code 2 "unknown command"

finish
