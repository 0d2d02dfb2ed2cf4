#!/usr/bin/env bash
# Times the program's exit on a virtual screen: from the key that chooses
# "Fichier > Quitter" to the window's going and to the end of the process.
# Fails when the process outlives the key by more than 200 ms. Needs Xvfb,
# openbox and xdotool; builds the program unless it is built already.
# Usage: scripts/quit-time.sh [PROGRAM]
set -uo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/ventelle}
[ -x "$program" ] || { scripts/install-deps.sh && scripts/build.sh; }
for tool in Xvfb openbox xdotool; do
  command -v "$tool" >/dev/null || { echo "$tool is needed" >&2; exit 2; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

export DISPLAY=":$((90 + RANDOM % 100))"
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
HOME="$work" openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
HOME="$work" "$program" >"$work/program.log" 2>&1 &
app=$!
pids+=($app)

# The splash window closes at a click on its text; the main window follows.
window=""
for _ in $(seq 150); do
  window=$(xdotool search --onlyvisible --name '^Ventelle - ' 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  xdotool mousemove 640 512 click 1 2>/dev/null
  sleep 0.2
done
[ -n "$window" ] || { cat "$work/program.log"; echo "no main window" >&2; exit 1; }
sleep 1
xdotool windowactivate --sync "$window"
sleep 0.5
xdotool key alt+f
sleep 0.5

now() { date +%s%N; }
pressed=$(now)
xdotool key q
gone=""
while kill -0 "$app" 2>/dev/null; do
  [ -z "$gone" ] && [ -z "$(xdotool search --onlyvisible --name '^Ventelle - ' 2>/dev/null)" ] && gone=$(now)
  [ $(( ($(now) - pressed) / 1000000 )) -gt 10000 ] && { echo "still running 10 s after Quitter" >&2; exit 1; }
  sleep 0.005
done
ended=$(now)
[ -z "$gone" ] && gone=$ended
echo "window gone after $(( (gone - pressed) / 1000000 )) ms, process ended after $(( (ended - pressed) / 1000000 )) ms"
[ $(( (ended - pressed) / 1000000 )) -le 200 ]
