#!/usr/bin/env bash
# Shows what the Windows build installed: the program's folder as a user
# would get it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$root/build/win/out
echo "Output folder: $out"
find "$out" -mindepth 1 | sed "s|^$out/|  |" | sort
