#!/usr/bin/env bash
# fuzz-seeds.sh DIR — writes the fuzz targets' seeds into DIR/<target>/, from
# the golden settings files and the default skin (its layout values and the
# masks skingen renders). Texts go in as the platform hands them over:
# UTF-16LE, a section as "key=value" entries each ending in a NUL.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$1
golden=$root/tests/win/golden
skin=$root/skins/default

utf16() { iconv -f UTF-8 -t UTF-16LE; }
# The entries of section $1 of file $2, in the section functions' form.
section() {
  awk -v want="[$1]" '{ sub(/\r$/, "") } /^\[/ { inside = ($0 == want); next } inside && /=/ { printf "%s%c", $0, 0 }' "$2"
  printf '\0'
}

mkdir -p "$out"/{struct_encoding,ini_section,profile_keys,macro_file,button_info,bitmap_check}_fuzz

section Setting "$golden/profile.gmp.txt" | utf16 >"$out/profile_keys_fuzz/golden_profile"
section Setting "$golden/profile.gmp.txt" | utf16 >"$out/ini_section_fuzz/golden_profile"
section Setting "$golden/config.ini.txt" | utf16 >"$out/ini_section_fuzz/golden_config"
for n in 0 1 2; do
  sed -n "s/^MacroKeyInfo$n=//p" "$golden/profile.gmp.txt" | tr -d '\n' | utf16 >"$out/struct_encoding_fuzz/button$n"
done

for layout in "$skin"/*.ini; do
  name=$(basename "$layout" .ini)
  section BUTTONINFO "$layout" | utf16 >"$out/ini_section_fuzz/$name"
  n=0
  while IFS= read -r -d '' value; do
    printf '%s' "${value#*=}" | utf16 >"$out/button_info_fuzz/${name}_$n"
    n=$((n + 1))
  done < <(section BUTTONINFO "$layout")
done

# Two macro elements (268 bytes): a blank one and one named "A"; the
# checksum is the low byte of the bytes' sum.
zeros=$(printf '00%.0s' $(seq 266))
printf 'number=2\0000=0000%s00\0001=4100%s41\000\000' "$zeros" "$zeros" | utf16 >"$out/macro_file_fuzz/two_macros"

# The rendered masks, the bitmaps the program checks before it loads them.
"$root/scripts/build.sh" native skingen >/dev/null
rendered=$root/build/fuzz/rendered-skin
if [ ! -d "$rendered" ]; then
  mkdir -p "$rendered.new"
  "$root/build/native/tools/skingen/skingen" "$skin/artwork.ini" "$skin" "$rendered.new"
  mv "$rendered.new" "$rendered"
fi
cp "$rendered"/*_mask.bmp "$out/bitmap_check_fuzz/"
