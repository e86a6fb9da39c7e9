#!/usr/bin/env bash
# dorvex-cli table, combine and summary on the table files of tests/data/tables,
# which hold the bundled example histograms.
source "$(dirname "$0")/lib.bash"

tables="$fixtures/../data/tables"
examples="$fixtures/../../examples/Histograms"

# json KEY : the JSON number after "KEY": in stdout.
json() { grep -o "\"$1\": [-0-9.eE+]*" "$work/out" | head -n 1 | sed 's/.*: //'; }

# within GOT EXPECTED TOLERANCE WHAT
within() {
  awk -v g="$1" -v e="$2" -v t="$3" 'BEGIN { d = g - e; if (d < 0) d = -d; exit !(g != "" && d <= t) }' ||
    fail "$4: $1, expected $2 within $3"
}

# The mean and variance of an example, as info reads it.
moments() {
  "$cli" info "$examples/$1" --json >"$work/info"
  grep -o '"mean": [-0-9.eE+]*' "$work/info" | sed 's/.*: //'
  grep -o '"variance": [-0-9.eE+]*' "$work/info" | sed 's/.*: //'
}

# ---- the rows of a table file ----
run table "$tables/loads.kom" --json
expect_code 0 "table of loads.kom"
expect_out '"kind": "combination", "filled": 3, "max_intervals": 128' "table of loads.kom"
expect_out '"row": 2, "file": "Live_load_50_years.dis", "multiple": "1.5", "note": "live"' "table of loads.kom"
expect_out '"intervals": "128", "folder": "Histograms/Loads"' "table of loads.kom"
run table "$tables/steel_batches.sum"
expect_code 0 "table of steel_batches.sum"
expect_out "Summary table, 2 histogram(s)" "table of steel_batches.sum"
expect_out "Bending_resistance_IPE300.dis  multiple 0.9  weight 1" "table of steel_batches.sum"
# A Czech example folder read from a table becomes its English name.
run table "$tables/missing_multiples.kom" --json
expect_out '"folder": "Histograms\\Loads"' "Czech folder of missing_multiples.kom"

# ---- a load combination: 1.35 dead + 1.5 live + 0.9 wind ----
# The loads are independent: the mean of the sum is the sum of the scaled means,
# its variance the sum of the scaled variances.
read -r -d '' expected < <(
  {
    moments Loads/Dead_load.dis
    moments Loads/Live_load_50_years.dis
    moments Loads/Wind_load_50_years.dis
  } | paste - - | awk 'BEGIN { split("1.35 1.5 0.9", m, " ") }
      { mean += m[NR] * $1; var += m[NR] * m[NR] * $2 } END { print mean, sqrt(var) }')
read -r mean std <<<"$expected"
run combine "$tables/loads.kom" --json -o "$work/E.dis"
expect_code 0 "combine loads.kom"
expect_out '"type": "Discrete", "n": 128' "combine loads.kom"
d=$(json d)
# Each value moves to its interval's centre (ties split): the mean keeps to a
# small part of a width, the spread (each step adds about width^2 / 12 to the
# variance) to a tenth of one.
within "$(json mean)" "$mean" "$(awk -v d="$d" 'BEGIN { print d / 20 }')" "mean of the load combination"
within "$(json std)" "$std" "$(awk -v d="$d" 'BEGIN { print d / 10 }')" "std of the load combination"
expect_near sum_p 1 "combine loads.kom"
# The text form names the histogram as the main window would.
run combine "$tables/loads.kom"
expect_out "Histogram            Kombinace" "combine text"
expect_out "standard deviation" "combine text"

# ---- a mixture of two batches: IPE300 as measured (weight 3) and 10 % weaker ----
read -r m v < <(moments "Solidity and material characterics/Bending_resistance_IPE300.dis" | paste - -)
read -r mean std < <(awk -v m="$m" -v v="$v" 'BEGIN {
  a = 0.75; b = 0.25; m2 = 0.9 * m; v2 = 0.81 * v; mean = a * m + b * m2
  print mean, sqrt(a * (v + (m - mean)^2) + b * (v2 + (m2 - mean)^2)) }')
total=$(grep -a '^Total=' "$examples/Solidity and material characterics/Bending_resistance_IPE300.dis" | tr -dc '0-9')
run summary "$tables/steel_batches.sum" --json -o "$work/R.dis"
expect_code 0 "summary steel_batches.sum"
d=$(json d)
within "$(json mean)" "$mean" "$(awk -v d="$d" 'BEGIN { print d / 4 }')" "mean of the mixture"
within "$(json std)" "$std" "$(awk -v d="$d" 'BEGIN { print d / 10 }')" "std of the mixture"
within "$(json total)" "$((4 * total))" 0 "total of the mixture"

# ---- R - E of the two saved results ----
run info "$work/E.dis" --json
expect_code 0 "E.dis reads back"
run calc sub "$work/R.dis" "$work/E.dis" --json
expect_code 0 "R - E"
pf=$(json pf)
awk -v p="$pf" 'BEGIN { exit !(p > 0 && p < 0.5) }' || fail "R - E: Pf $pf not in 0 .. 0.5"

# ---- questions take Yes unless --no ----
run combine "$tables/missing_multiples.kom" --no
expect_code 1 "--no to the missing multiple"
expect_err "M u l t i p l e (s) is (are) missing!" "--no to the missing multiple"
run combine "$tables/missing_multiples.kom" --json
expect_code 0 "missing multiple taken as 1.0"
yes_mean=$(json mean)
run combine "$tables/missing_multiples.kom" --json --yes
expect_out "\"mean\": $yes_mean" "--yes answers as the default"
run combine "$tables/missing_multiples.kom" --yes --no
expect_code 2 "--yes with --no"

# ---- tables that cannot be read whole ----
head -c 5000 "$tables/loads.kom" >"$work/cut.kom"
run combine "$work/cut.kom"
expect_code 1 "combine a cut table"
expect_err "cannot be read to its end" "combine a cut table"
run table "$work/cut.kom"
expect_code 1 "table of a cut table"
expect_out "Combination table, 3 histogram(s)" "table keeps what was read"
run summary "$tables/loads.kom"
expect_code 1 "a combination table given to summary"
run summary "$work/none.sum" --lang cs
expect_code 1 "a missing table"
expect_err "neexistuje" "a missing table in Czech"

finish
