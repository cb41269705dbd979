#!/usr/bin/env bash
# fuzz.sh [SECONDS] — builds the fuzz targets (build/fuzz, clang with
# libFuzzer and the sanitizers), makes their seeds and runs each target for
# SECONDS (default 60), two at a time. Prints one line per target:
#   fuzz NAME: RUNS runs, cov COVERAGE, ok|FAILED (LOG)
# and fails when any target failed. Each target's corpus grows in
# build/fuzz/corpus/NAME; an input that broke a promise is kept in
# build/fuzz/crashes/.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
dir=$root/build/fuzz
parallel=2

"$root/scripts/setup.sh" || exit 1
"$root/scripts/build.sh" fuzz >/dev/null || exit 1
rm -rf "$dir/seeds" "$dir/results"
"$root/scripts/fuzz-seeds.sh" "$dir/seeds" || exit 1
mkdir -p "$dir/corpus" "$dir/crashes" "$dir/logs" "$dir/results"

mapfile -t targets < <(find "$dir/fuzz" -maxdepth 1 -name '*_fuzz' -type f -executable -printf '%f\n' | sort)

run_target() {
  local name=$1 log=$dir/logs/$1.log verdict runs cov
  mkdir -p "$dir/corpus/$name" "$dir/seeds/$name"
  if "$dir/fuzz/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 \
      -artifact_prefix="$dir/crashes/$name-" "$dir/corpus/$name" "$dir/seeds/$name" >"$log" 2>&1; then
    verdict=ok
  else
    verdict="FAILED ($log)"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1)
  echo "fuzz $name: ${runs:-0} runs, cov ${cov#cov: }, $verdict" >"$dir/results/$name"
}

for name in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$parallel" ]; do wait -n; done
  run_target "$name" &
done
wait

failed=0
for name in "${targets[@]}"; do
  cat "$dir/results/$name"
  grep -q ', ok$' "$dir/results/$name" || failed=1
done
[ ${#targets[@]} -gt 0 ] && [ "$failed" -eq 0 ]
