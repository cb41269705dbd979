#!/usr/bin/env bash
# Builds both builds, runs every test program and ends with one line:
# "N passed, N failed" over the test cases of both builds.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
jobs=$(nproc 2>/dev/null || echo 2)

"$root/scripts/setup.sh" || exit 1
"$root/scripts/build.sh" native || exit 1
"$root/scripts/build.sh" win || exit 1

passed=0
failed=0

# Adds one build's results to the totals. A program that failed without
# saying which case (a crash, a hang) counts as one failed case.
tally() {
  local dir=$1 xml counts name
  for xml in "$dir"/test-results/*.xml; do
    [ -f "$xml" ] || continue
    # "passed failed" of one program's GoogleTest report.
    counts=$(awk '
      function attr(line, key,   m) {
        if (match(line, key "=\"[0-9]+\"")) return substr(line, RSTART + length(key) + 2, RLENGTH - length(key) - 3) + 0
        return 0
      }
      /<testsuites / { tests = attr($0, "tests"); failures = attr($0, "failures"); disabled = attr($0, "disabled") }
      /<testsuite / { skipped += attr($0, "skipped") }
      END { print tests - failures - disabled - skipped, failures }' "$xml")
    passed=$((passed + ${counts% *}))
    failed=$((failed + ${counts#* }))
  done
  local log=$dir/Testing/Temporary/LastTestsFailed.log
  [ -f "$log" ] || return 0
  while IFS=: read -r _ name; do
    xml=$dir/test-results/$name.xml
    if [ ! -f "$xml" ] || grep -q -m1 '<testsuites tests="[0-9]*" failures="0"' "$xml"; then
      echo "test program $name failed outside its test cases" >&2
      failed=$((failed + 1))
    fi
  done <"$log"
}

run_ctest() {
  local dir=$1
  shift
  rm -rf "$dir/test-results" "$dir/Testing/Temporary/LastTestsFailed.log"
  mkdir -p "$dir/test-results"
  "$@" ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 600
  tally "$dir"
}

echo "== native tests (sanitizers)"
run_ctest build/native
echo "== fuzz targets, 5 seconds each"
# Each target is one case; a run that failed before any target (the build)
# is one failed case.
fuzzed=$("$root/scripts/fuzz.sh" 5)
fuzz_status=$?
echo "$fuzzed"
passed=$((passed + $(grep -c ', ok$' <<<"$fuzzed")))
failed=$((failed + $(grep -c ', FAILED' <<<"$fuzzed")))
if [ "$fuzz_status" -ne 0 ] && ! grep -q ', FAILED' <<<"$fuzzed"; then failed=$((failed + 1)); fi
echo "== Windows tests (Wine)"
run_ctest build/win env WINEPREFIX="$root/build/test-prefix" "$root/scripts/wine-env.sh" run

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
