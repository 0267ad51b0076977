#!/usr/bin/env bash
# Builds Tavrino and starts it under Wine. With no $DISPLAY it runs on a
# virtual X server of its own, saves a screenshot, says where, and closes.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing_packages
build_windows
own_display=
if [ -z "${DISPLAY:-}" ]; then
  start_virtual_display
  own_display=1
fi
trap 'stop_wine; stop_virtual_display' EXIT
prepare_wine_prefix

if [ -z "$own_display" ]; then
  run_wine "$BUILD/win64/tavrino.exe"
  exit $?
fi

run_wine "$BUILD/win64/tavrino.exe" &
program=$!
window=
for _ in $(seq 100); do
  window=$(xdotool search --name '^Tavrino' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { say "the main window did not appear"; exit 1; }
sleep 1
mkdir -p "$BUILD/screenshots"
import -window root "$BUILD/screenshots/tavrino.png"
say "screenshot of the running program: $BUILD/screenshots/tavrino.png"
xdotool key Escape
wait "$program"
