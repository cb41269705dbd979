#!/usr/bin/env bash
# The Wine environment of the project: a project-local prefix, a persistent
# wineserver and, when there is no DISPLAY, an Xvfb server of our own.
#
#   wine-env.sh run CMD...   run CMD in the environment; what this call had to
#                            start, it stops again afterwards
#   wine-env.sh start        start and keep running; prints the variables to export
#   wine-env.sh stop         stop what an earlier `start` left running
#
# WINEPREFIX chooses the prefix (default build/wineprefix); each prefix has
# its own state file beside it.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer dialogs, no desktop menu entries.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}
state=$WINEPREFIX.state

boot_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    echo "wine-env: creating prefix $WINEPREFIX" >&2
    wine wineboot --init </dev/null >/dev/null 2>&1
  fi
  local marker=$WINEPREFIX/.project-settings-2
  [ -f "$marker" ] && return 0
  # Without a window manager every destruction of a visible window would
  # otherwise wait for one.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
  # A program that crashes ends at once instead of waiting in the debugger,
  # which would hold a test until its time-out.
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d '' /f </dev/null >/dev/null 2>&1
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /t REG_SZ /d 0 /f </dev/null >/dev/null 2>&1
  # Keyboard cues as Windows has them by default (Wine shows them always):
  # focus marks appear once the keyboard is used.
  wine reg add 'HKCU\Control Panel\Desktop' /v UserPreferencesMask /t REG_BINARY /d 1000028012000000 /f </dev/null >/dev/null 2>&1
  wineserver -w
  touch "$marker"
}

free_display() {
  local n
  for n in $(seq 90 190); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      echo "$n"
      return 0
    fi
  done
  return 1
}

start_xvfb() {
  local n i
  n=$(free_display) || { echo "wine-env: no free X display" >&2; exit 1; }
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  xvfb_pid=$!
  for i in $(seq 1 200); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { echo "wine-env: Xvfb failed on :$n" >&2; exit 1; }
    sleep 0.05
  done
  export DISPLAY=":$n"
}

start() {
  xvfb_pid=""
  [ -n "${DISPLAY:-}" ] || start_xvfb
  boot_prefix
  # Detached stdio: the server and the services that the first program
  # starts must not hold the caller's pipes open.
  wineserver -p </dev/null >/dev/null 2>&1
  wine cmd /c exit </dev/null >/dev/null 2>&1
  printf 'DISPLAY=%q\nXVFB_PID=%q\n' "$DISPLAY" "$xvfb_pid" >"$state"
}

stop() {
  [ -f "$state" ] || return 0
  local DISPLAY XVFB_PID
  # shellcheck disable=SC1090
  . "$state"
  wineserver -k 2>/dev/null || true
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  fi
  rm -f "$state"
}

running() {
  [ -f "$state" ] || return 1
  local DISPLAY XVFB_PID
  # shellcheck disable=SC1090
  . "$state"
  [ -z "$XVFB_PID" ] || kill -0 "$XVFB_PID" 2>/dev/null
}

case "${1:-}" in
  run)
    shift
    if running; then
      # shellcheck disable=SC1090
      . "$state"
      export DISPLAY
      "$@"
    else
      stop
      start
      trap stop EXIT
      "$@"
    fi
    ;;
  start)
    running || { stop; start; }
    sed 's/^/export /' "$state"
    echo "export WINEPREFIX=$WINEPREFIX"
    ;;
  stop)
    stop
    ;;
  *)
    echo "usage: $0 run CMD... | start | stop" >&2
    exit 2
    ;;
esac
