#!/usr/bin/env bash
# dorvex-cli calc and query on files a user would write.
source "$(dirname "$0")/lib.bash"

# dis NAME TYPE MIN MAX FREQUENCY... : a distribution file in the program's layout.
dis() {
  local name=$1 type=$2 min=$3 max=$4
  shift 4
  local total=0 f
  for f in "$@"; do total=$((total + f)); done
  {
    printf '[Description]\r\nIdentification=%s\r\nType=%s\r\nForm=Frequency\r\n\r\n' "$name" "$type"
    printf '[Parameters]\r\nMin=%s\r\nMax=%s\r\nBins=%s\r\nTotal=%s\r\n\r\n[Bins]\r\n' "$min" "$max" $# $total
    for f in "$@"; do printf '%s\r\n' "$f"; done
  } >"$work/$name"
}

# Two uniform Discrete histograms on 0..10: their sum is triangular on 1..19 with
# its peak P(10) = 10/100 (ten of the hundred pairs sum to 10).
dis u.dis Discrete 0 10 1 1 1 1 1 1 1 1 1 1
run calc add "$work/u.dis" "$work/u.dis" --json --table
expect_code 0 "A + B"
expect_out '"type": "Discrete", "n": 19, "min": 1, "max": 19, "d": 1,' "A + B"
expect_near sum_p 1 "A + B"
expect_near total 100 "A + B"
# The triangle, interval by interval: k/100 rising to the peak, then falling.
triangle=$(grep -o '"p": \[[^]]*\]' "$work/out" | tr -d '"p:[] ' | tr ',' '\n' |
  awk '{ e = (NR <= 10 ? NR : 20 - NR) / 100; d = $1 - e; if (d < 0) d = -d; if (d > 1e-12) bad++ }
       END { print NR, bad + 0 }')
[ "$triangle" = "19 0" ] || fail "A + B: not the triangle 0.01 .. 0.1 .. 0.01 ($triangle)"

# Its characteristics: each input has mean 5 and variance (10^2 - 1)/12 = 8.25 (a
# discrete uniform on ten points), so the sum has mean 10 and variance 16.5.
expect_near mean 10 "characteristics"
expect_near variance 16.5 "characteristics"
expect_near skewness 0 "characteristics"
expect_near mode 10 "characteristics"

# The text report and the listing workbook.
run calc add "$work/u.dis" "$work/u.dis" --report "$work/report.txt" --xlsx "$work/listing.xlsx"
expect_code 0 "report and workbook"
expect_out "Coefficient of variation [%]" "characteristics table"
grep -q "R E S U L T I N G   P R O B A B I L I T I E S" "$work/report.txt" || fail "report heading missing"
grep -q "Histogram A : u" "$work/report.txt" || fail "report names A"
unzip -p "$work/listing.xlsx" xl/worksheets/sheet1.xml | grep -q "<c " || fail "workbook has no cells"
run calc add "$work/u.dis" "$work/u.dis" --report "$work/no/such/folder/report.txt"
expect_code 1 "report into a missing folder"
expect_err "Write error ! File" "report into a missing folder"

# A - A of a symmetric Pure Discrete histogram is symmetric about 0: Pf = 0.5.
dis s.dis "Pure Discrete" 0 4 1 4 6 4 1
run calc sub "$work/s.dis" "$work/s.dis" --json
expect_code 0 "A - A"
expect_out '"pf": 0.5' "A - A"
# The report gives that failure probability after the characteristics.
run calc sub "$work/s.dis" "$work/s.dis" --report "$work/pf.txt"
expect_code 0 "report of A - A"
grep -qa $'^Failure probability P(X<0) *\t *0.5\r$' "$work/pf.txt" || fail "report lacks Pf = 0.5"

# The multiples scale the inputs before the operation: 2A has values 1, 3 .. 19,
# B 0.5 .. 9.5, so every sum 1.5 .. 28.5 lies halfway between two intervals of the
# unit grid 0 .. 29 and splits evenly between them: the result runs 1 .. 29 with
# the mean 2 * 5 + 5 = 15 and the variance 4 * 8.25 + 8.25 of the inputs plus the
# 0.5^2 that the split adds.
run calc add "$work/u.dis" "$work/u.dis" --na 2 --json
expect_out '"n": 29, "min": 1, "max": 29, "d": 1' "multiple nA"
expect_near mean 15 "multiple nA"
expect_near variance 41.5 "multiple nA"
# A multiple that would carry Max beyond the range of a double is refused as an overflow.
run calc add "$work/u.dis" "$work/u.dis" --nb 1e308
expect_code 1 "multiple nB of 1e308"
expect_err "Real number  o v e r f l o w !" "multiple nB of 1e308"

# -o writes the result; reading it back gives the same grid.
run calc add "$work/u.dis" "$work/u.dis" -o "$work/sum.dis"
expect_code 0 "write result"
run info "$work/sum.dis" --json
expect_code 0 "read result back"
expect_out '"n": 19, "min": 1, "max": 19, "d": 1' "read result back"

# Refusals carry the program's messages.
dis z.dis Discrete -1 1 1 1
run calc div "$work/u.dis" "$work/z.dis"
expect_code 1 "A / B with B spanning 0"
expect_err "Mathematic operation of dividing is not possible to perform!" "A / B with B spanning 0"
expect_err "3/ MinB-dB/2<0 a MaxB+dB/2>0" "A / B with B spanning 0"
run calc pow "$work/u.dis"
expect_code 1 "A^n without n"
expect_err 'Count "n" non defined !' "A^n without n"
run calc pow "$work/u.dis" --n 0 --lang cs
expect_code 1 "A^0"
expect_err "C h y b a" "A^0"
run calc add "$work/u.dis" "$work/u.dis" --na 0
expect_code 1 "multiple 0"
expect_err "Multiple A = 0 !" "multiple 0"

# Queries on the triangular result: P(X <= 10) interpolates half of interval 10
# (9.5 .. 10.5): 0.45 + 0.1 / 2 = 0.5; the median is 10.
run query "$work/sum.dis" --x 10 --p 0.5 --x 100 --json
expect_code 0 "query"
expect_out '{"x": 10, "p_x": 0.1, "cdf": 0.5}, {"p": 0.5, "qp": 10}, {"x": 100, "p_x": null, "cdf": null}' "query"

# Bad usage.
run calc frobnicate "$work/u.dis"
expect_code 2 "unknown operation"
run calc add "$work/u.dis"
expect_code 2 "B missing"
run query "$work/sum.dis"
expect_code 2 "no question"
run query "$work/sum.dis" --p abc
expect_code 2 "probability not a number"

finish
