#!/usr/bin/env bash
# Takes the screenshots that the AppStream metadata lists, on a virtual
# screen: the main window with a question (question.png) and the goose game
# (jeu.png). Installs Xvfb, openbox, xdotool and ImageMagick with apt-get
# when missing, and builds the program unless it is built already.
# Usage: scripts/screenshots.sh OUTPUT_FOLDER
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 OUTPUT_FOLDER" >&2; exit 2; }
mkdir -p "$1"
out="$(cd "$1" && pwd)"
cd "$(dirname "$0")/.."

missing=()
for p in xvfb openbox xdotool imagemagick; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -ne 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
[ -x build/ventelle ] || { scripts/install-deps.sh && scripts/build.sh; }

# The program runs from a private copy so that the build's folder keeps no
# profile of this session; a fresh HOME keeps the desktop's settings out.
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
cp build/ventelle "$work/"
cp -r data "$work/data"
rm -f "$work"/data/2004/4Chapitre*.dat

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY="$display"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
HOME="$work" openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
HOME="$work" XDG_DATA_HOME="$work/share" LANG=fr_FR.UTF-8 "$work/ventelle" >"$work/ventelle.log" 2>&1 &
pids+=($!)

# The main window comes after the splash window.
window=""
for _ in $(seq 60); do
  window=$(xdotool search --onlyvisible --name '^Ventelle' 2>/dev/null | tail -1 || true)
  [ -n "$window" ] && [ "$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}')" != "" ] && break
  sleep 0.5
done
[ -n "$window" ] || { cat "$work/ventelle.log"; echo "no main window" >&2; exit 1; }
sleep 4

shoot() {  # NAME
  local w
  w=$(xdotool getactivewindow)
  /usr/bin/import -window "$w" -frame "$out/$1"
  echo "$out/$1"
}

# The first question, as the program opens on it, its first answer ticked.
xdotool windowactivate --sync "$window"
xdotool mousemove --window "$window" 27 242 click 1
sleep 0.5
xdotool mousemove --window "$window" 300 580
sleep 0.5
shoot question.png

# The goose game: "Jeu de l'Oie > Jouer".
xdotool windowactivate --sync "$window"
xdotool key alt+j
sleep 0.5
xdotool key j
sleep 1
# Two players, then the game starts.
xdotool type --delay 50 "Marie"
xdotool key Return
xdotool type --delay 50 "Paul"
xdotool key Return Return
sleep 2
shoot jeu.png
