#!/usr/bin/env bash
# dist.sh OUT_DIR RELEASE_DIR VERSION — the release of the program's folder
# OUT_DIR: a portable zip and a per-user installer in RELEASE_DIR, both named
# with VERSION. The Windows build runs it (target `release`, `make dist`).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$1
release=$2
version=$3
name=VornaOption

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
folder=$stage/$name
# What a user runs, and nothing a developer uses (tools\, settings files a
# run left behind).
mkdir -p "$folder"
cp "$out/$name.exe" "$out/Lang.dll" "$folder/"
cp -r "$out/Lang" "$out/Skins" "$folder/"
# The symbols are half the program's size and of use to a debugger only.
x86_64-w64-mingw32-strip "$folder/$name.exe"

mkdir -p "$release"
zip=$release/$name-$version-portable.zip
rm -f "$zip"
(cd "$stage" && zip -q -r -9 -X "$zip" "$name")
makensis -V2 -DSTAGE="$folder" -DICON="$root/res/art/app.ico" \
  -DOUTFILE="$release/$name-$version-setup.exe" "$root/dist/installer.nsi"
