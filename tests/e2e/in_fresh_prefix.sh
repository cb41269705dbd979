#!/usr/bin/env bash
# in_fresh_prefix.sh PREFIX ZIP UNPACK_DIR PROGRAM ARGS... — runs a Windows
# test program in a Wine prefix made anew, like a machine that has never
# seen the program, after unpacking the portable zip into UNPACK_DIR.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
prefix=$1
zip=$2
unpack=$3
shift 3
rm -rf "$prefix" "$unpack"
mkdir -p "$unpack"
(cd "$unpack" && cmake -E tar xf "$zip")
WINEPREFIX=$prefix exec "$root/scripts/wine-env.sh" run "$root/scripts/wine-run" "$@"
