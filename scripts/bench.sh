#!/usr/bin/env bash
# Builds the Windows build and runs every benchmark program under Wine.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" win >/dev/null
export WINEPREFIX=$root/build/test-prefix
for bench in "$root"/build/win/bench/*_bench.exe "$root"/build/win/page-bench/*_bench.exe; do
  echo "== $(basename "$bench" .exe)"
  (cd "$(dirname "$bench")" && "$root/scripts/wine-env.sh" run "$root/scripts/wine-run" "$bench")
done
