#!/usr/bin/env bash
# dorvex-cli rawdata: measured values to a histogram and a ranking of fits.
source "$(dirname "$0")/lib.bash"
samples="$(dirname "$0")/../../examples/Raw data"

# The sample's characteristics and its histogram over its own range.
run rawdata "$samples/wind_maxima.txt" --bins 32 --json
expect_code 0 "wind"
expect_out '{"n": 5000, "mean": 1.19983' "wind"
expect_out '"histogram": {"type": "Discrete", "n": 32,' "wind"
expect_out '"total": 5000' "wind"

# Annual maxima are best described by the Gumbel distribution for maxima.
run rawdata "$samples/wind_maxima.txt" --fit --json
expect_code 0 "wind fit"
expect_out '"fits": [{"type": "Gumbelovo_I", "closeness": 0.99' "wind fit"
for key in closeness ks aic bic mean std skewness description; do
  expect_out "\"$key\": " "wind fit key $key"
done

# Yield strengths drawn from a lognormal: a lognormal or its near twin, the gamma
# distribution of the same moments, ranks first.
run rawdata "$samples/yield_strength.txt" --fit --json
expect_code 0 "yield fit"
best=$(grep -o '"fits": \[{"type": "[^"]*"' "$work/out" | sed 's/.*"type": "//; s/"$//')
case "$best" in LogNormal_2P | LogNormal_3P | Gama) ;; *) fail "yield: best fit '$best'" ;; esac

# The table gives the same ranking as the JSON.
sed 's/.*"fits": //' "$work/out" | grep -o '"type": "[^"]*"' | sed 's/.*: "//; s/"$//' >"$work/json_order"
run rawdata "$samples/yield_strength.txt" --fit
awk '/^ *rank /{t=1; next} t && NF {print $2}' "$work/out" >"$work/text_order"
cmp -s "$work/json_order" "$work/text_order" || fail "text and JSON rankings differ"

# -o writes the histogram on display: the best fit with --fit, on the data's grid.
run rawdata "$samples/wind_maxima.txt" --bins 64 --fit -o "$work/best.dis"
expect_code 0 "write"
run info "$work/best.dis" --json
expect_code 0 "read back"
expect_out '"n": 64,' "read back"

# A range of its own; values outside it count into the end intervals.
run rawdata "$samples/wind_maxima.txt" --min 1 --max 2 --bins 10 --json
expect_code 0 "range"
expect_out '"min": 1.05, "max": 1.95,' "range"
run rawdata "$samples/wind_maxima.txt" --min 2 --max 1
expect_code 1 "empty range"
expect_err "MaxX <= MinX !" "empty range"

# Interval counts: refused outside 3 .. 1024, a warning below Sturges' minimum.
run rawdata "$samples/wind_maxima.txt" --bins 2
expect_code 1 "two intervals"
expect_err "Intervals number is not in range 3 .. 1024 !" "two intervals"
run rawdata "$samples/wind_maxima.txt" --bins 5
expect_code 0 "Sturges"
expect_err "W a r n i n g" "Sturges"
expect_err "Ndat = 5000" "Sturges"

# Refused files name the line.
printf '400.5\n398\nabc\n401\n' >"$work/text.txt"
run rawdata "$work/text.txt"
expect_code 1 "text in a line"
expect_err "Line 3 : abc" "text in a line"
printf '400.5\n\n401\n402\n' >"$work/empty_line.txt"
run rawdata "$work/empty_line.txt"
expect_code 1 "empty line"
expect_err "Line 2 : " "empty line"
head -c 300 "$cli" >"$work/binary.txt"
run rawdata "$work/binary.txt"
expect_code 1 "binary"
expect_err "Line 1 : ?ELF" "binary"
seq 500001 >"$work/many.txt"
run rawdata "$work/many.txt"
expect_code 1 "too many"
expect_err "Number of measurement datas is > 500000 !" "too many"
run rawdata "$work/many.txt" --lang cs
expect_err "Počet měřěných údajů je > 500000 !" "too many, Czech"
printf '1\n2\n' >"$work/two.txt"
run rawdata "$work/two.txt"
expect_code 1 "two values"
expect_err "Number of measurement datas is < 3 ! !" "two values"
run rawdata "$work/none.txt"
expect_code 1 "missing"
expect_err "does  n o t  e x i s t" "missing"

# Nothing fits: message 110, and the data histogram stays what -o writes.
printf -- '-50\n-50\n-50\n-50\n-50\n50\n50\n50\n50\n50\n' >"$work/ends.txt"
run rawdata "$work/ends.txt" --bins 10 --fit --json -o "$work/ends.dis"
expect_code 0 "nothing fits"
expect_err "No type of parametric distribution histogram is not convenient" "nothing fits"
expect_out '"fits": []' "nothing fits"
run info "$work/ends.dis" --json
expect_out '"n": 10, "min": -45, "max": 45,' "nothing fits, data written"

run rawdata
expect_code 2 "no file"
run rawdata a.txt b.txt
expect_code 2 "two files"

finish
