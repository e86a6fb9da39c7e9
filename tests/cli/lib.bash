# Shared checks of the command-line tests: each failed check prints and counts.
cli=$1
fixtures=$2
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# run ARGS... : runs the tool, keeps stdout, stderr and the exit code.
run() {
  "$cli" "$@" >"$work/out" 2>"$work/err"
  code=$?
}

fail() {
  echo "FAIL: $*"
  echo "  stdout: $(head -c 600 "$work/out")"
  echo "  stderr: $(head -c 600 "$work/err")"
  failures=$((failures + 1))
}

expect_code() { [ "$code" -eq "$1" ] || fail "$2: exit code $code, expected $1"; }
expect_out() { grep -qF -- "$1" "$work/out" || fail "$2: stdout lacks '$1'"; }
expect_err() { grep -qF -- "$1" "$work/err" || fail "$2: stderr lacks '$1'"; }

# expect_near KEY VALUE WHAT : the JSON number after "KEY": in stdout is VALUE
# within 1e-9 relative (sums of products of probabilities carry rounding).
expect_near() {
  local got
  got=$(grep -o "\"$1\": [-0-9.eE+]*" "$work/out" | head -n 1 | sed 's/.*: //')
  awk -v g="$got" -v e="$2" 'BEGIN { d = g - e; if (d < 0) d = -d; m = e < 0 ? -e : e;
    exit !(g != "" && d <= 1e-9 * (m > 1 ? m : 1)) }' || fail "$3: $1 is '$got', expected $2"
}

finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
  fi
  echo "all checks passed"
}
