#!/usr/bin/env bash
# build.sh native|win|fuzz [TARGET...] — configures (once) and builds one of
# the builds, whole or only the targets named.
#   native: the portable core and its tests, with the sanitizers (build/native)
#   win:    everything, cross-compiled for Windows (build/win; the installed
#           layout in build/win/out)
#   fuzz:   the portable core's fuzz targets, with clang (build/fuzz)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

case "${1:-}" in
  native) dir=$root/build/native; args=(-DCMAKE_BUILD_TYPE=Debug) ;;
  win) dir=$root/build/win; args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release) ;;
  fuzz) dir=$root/build/fuzz; args=(-DFUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  *) echo "usage: $0 native|win|fuzz [TARGET...]" >&2; exit 2 ;;
esac
shift

[ -f "$dir/CMakeCache.txt" ] || cmake -S "$root" -B "$dir" "${args[@]}" >/dev/null
cmake --build "$dir" -j "$jobs" ${1:+--target "$@"}
