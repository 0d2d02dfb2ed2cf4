#!/usr/bin/env bash
# make-icons.sh - renders the application icon's PNG sizes from its SVG.
#
# The SVG, drawn by hand, is packaging/icons/hicolor/scalable/apps/<id>.svg;
# each size goes to packaging/icons/hicolor/<N>x<N>/apps/<id>.png, where the
# install rules pick it up. Needs rsvg-convert (librsvg2-bin), installed with
# apt-get when missing. Running it again redraws the same files.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
icons="$here/../packaging/icons/hicolor"
id="fr.ventelle.Ventelle"

if ! command -v rsvg-convert >/dev/null; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq librsvg2-bin
fi

for n in 16 24 32 48 64 128 256; do
  mkdir -p "$icons/${n}x${n}/apps"
  rsvg-convert -w "$n" -h "$n" -o "$icons/${n}x${n}/apps/$id.png" "$icons/scalable/apps/$id.svg"
done
