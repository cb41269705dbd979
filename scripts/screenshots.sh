#!/usr/bin/env bash
# The README's pictures (docs/images): the windows `make test` drew and left
# in build/win/artifacts, reduced to 256 colours and compressed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
artifacts=$root/build/win/artifacts
images=$root/docs/images

# One row a page: the artifact, and its name in docs/images.
pictures=(
  start_page.png:start.png
  main_window_button_selected.png:mouse.png
  mouse_function_page.png:mouse_functions.png
  key_function_page.png:key_functions.png
  shortcut_page.png:shortcut.png
  macro_manager.png:macros.png
  main_window_sensitivity_page.png:sensitivity.png
  pointer_page.png:pointer.png
  settings_page.png:settings.png
)

mkdir -p "$images"
for row in "${pictures[@]}"; do
  from=$artifacts/${row%%:*}
  to=$images/${row#*:}
  [ -f "$from" ] || { echo "screenshots: $from is missing; run make test first" >&2; exit 1; }
  pngquant --force --strip --quality 60-90 --speed 1 --output "$to" "$from"
  optipng -quiet -o5 -strip all "$to"
done
du -ch "$images"/*.png | tail -1
