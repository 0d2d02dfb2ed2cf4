#!/usr/bin/env bash
# ventelle --version and --help answer on the terminal, without a display.
set -u
program=$1
fail() { echo "ÉCHEC : $*"; exit 1; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" 2>&1; }

out=$(run --version) || fail "--version a échoué ($?) : $out"
[ "$out" = "Ventelle 6.1" ] || fail "--version a affiché « $out »"

out=$(run --help) || fail "--help a échoué ($?) : $out"
grep -q "^Usage : ventelle" <<<"$out" || fail "--help sans usage : $out"
grep -q -- "--version  affiche la version et quitte" <<<"$out" || fail "--help sans --version : $out"

# Qt's own arguments before ours are left alone.
out=$(run -platform offscreen --version) || fail "-platform offscreen --version a échoué : $out"
[ "$out" = "Ventelle 6.1" ] || fail "-platform offscreen --version a affiché « $out »"
echo "ok"
