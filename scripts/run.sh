#!/usr/bin/env bash
# Starts the program from the output folder under Wine (on the screen when
# there is one, else on an Xvfb of our own), saves a screenshot of its main
# window and prints the screenshot's path.
#
#   WITH_MONITOR=1   start the monitor simulator (tools/monitor-sim.exe) first,
#                    so the program meets a monitor; its apply log goes to
#                    build/run/monitor-log.jsonl
#   SHOT=PATH        where the screenshot goes (default build/run/main_window.png)
#
# With a screen the program stays open until you close it; without one it is
# closed again after the screenshot.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$root/build/win/out
run=$root/build/run
mkdir -p "$run"
shot=${SHOT:-$run/main_window.png}
had_display=${DISPLAY:-}

winpath() { echo "Z:$1" | tr / '\\'; }

session() {
  local monitor_pid="" close=--close
  [ -n "$had_display" ] && close=""
  if [ "${WITH_MONITOR:-0}" = 1 ]; then
    wine "$out/tools/monitor-sim.exe" --log "$(winpath "$run/monitor-log.jsonl")" </dev/null >/dev/null 2>&1 &
    monitor_pid=$!
    # Waits until the monitor's hidden window (its last object) is up.
    wine "$out/tools/window-shot.exe" "VORNA Gaming Mouse Monitor" </dev/null >/dev/null 2>&1 || true
  fi
  wine "$out/VornaOption.exe" </dev/null >/dev/null 2>&1 &
  local program_pid=$!
  local status=0
  wine "$out/tools/window-shot.exe" "VORNA Gaming Mouse option" "$(winpath "$shot")" $close </dev/null || status=$?
  wait "$program_pid" || true
  if [ -n "$monitor_pid" ]; then
    wine "$out/tools/window-shot.exe" "VORNA Gaming Mouse Monitor" --close --timeout 1000 </dev/null >/dev/null 2>&1 ||
      kill "$monitor_pid" 2>/dev/null || true
    wait "$monitor_pid" 2>/dev/null || true
  fi
  return $status
}

export -f session winpath
export out run shot had_display
"$root/scripts/wine-env.sh" run bash -c session
echo "Screenshot: $shot"
