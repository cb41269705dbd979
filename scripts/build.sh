#!/usr/bin/env bash
# build.sh native|win [TARGET] — configures (once) and builds one of the two
# builds, or only TARGET of it.
#   native: the portable core and its tests, with the sanitizers (build/native)
#   win:    everything, cross-compiled for Windows (build/win; the installed
#           layout in build/win/out)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

case "${1:-}" in
  native) dir=$root/build/native; args=(-DCMAKE_BUILD_TYPE=Debug) ;;
  win) dir=$root/build/win; args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release) ;;
  *) echo "usage: $0 native|win" >&2; exit 2 ;;
esac

[ -f "$dir/CMakeCache.txt" ] || cmake -S "$root" -B "$dir" "${args[@]}" >/dev/null
cmake --build "$dir" -j "$jobs" ${2:+--target "$2"}
