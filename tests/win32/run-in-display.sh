#!/usr/bin/env bash
# Runs a Windows test program under Wine with a display: the one there is, or an Xvfb of its own
# when DISPLAY is unset (CI). Usage: run-in-display.sh EMULATOR PROGRAM [ARGS...]
# KORVELIN_XVFB_FIRST is the first display number tried (50); KORVELIN_XVFB_SCREEN the screen
# (1280x1024x24).
# On its own Xvfb there is no window manager, and Wine would wait up to two seconds for one at
# every window it hides (each prompt): the Wine prefix is told to leave the windows unmanaged.
set -euo pipefail
emulator=$1
shift
export WINEDEBUG=${WINEDEBUG:--all}
if [[ -z "${DISPLAY:-}" ]]; then
  number=${KORVELIN_XVFB_FIRST:-50}
  while [[ -e /tmp/.X${number}-lock || -e /tmp/.X11-unix/X${number} ]]; do number=$((number + 1)); done
  Xvfb ":$number" -screen 0 "${KORVELIN_XVFB_SCREEN:-1280x1024x24}" -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill "$xvfb" 2>/dev/null || true' EXIT
  for _ in $(seq 100); do
    [[ -e /tmp/.X11-unix/X${number} ]] && break
    sleep 0.1
  done
  export DISPLAY=":$number"
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
  status=0
  "$emulator" "$@" || status=$?
  wineserver -w  # Wine lets go of the display before it closes
  exit "$status"
fi
"$emulator" "$@"
