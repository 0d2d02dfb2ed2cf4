# Assertions shared by the packaging tests (sourced). Each failed check is
# printed and counted; finish exits non-zero when any failed.
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

expect_file() {  # FILE [LABEL]
  [ -f "$1" ] || fail "missing ${2:-$1}"
}

# Width and height of a PNG, read from its header chunk.
png_size() {
  local w h
  w=$(od -An -tu1 -j16 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
  h=$(od -An -tu1 -j20 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
  echo "${w}x${h}"
}

# The files of a desktop installation under PREFIX (/usr for the package):
# program, launcher, metadata and icons.
expect_desktop_files() {  # PREFIX
  local p="$1" id=fr.ventelle.Ventelle n
  [ -x "$p/bin/ventelle" ] || fail "missing executable bin/ventelle"
  expect_file "$p/share/applications/$id.desktop" "the launcher"
  expect_file "$p/share/metainfo/$id.metainfo.xml" "the AppStream metadata"
  expect_file "$p/share/icons/hicolor/scalable/apps/$id.svg" "the scalable icon"
  for n in 16 24 32 48 64 128 256; do
    local png="$p/share/icons/hicolor/${n}x${n}/apps/$id.png"
    if [ -f "$png" ]; then
      [ "$(png_size "$png")" = "${n}x${n}" ] || fail "icon ${n}x${n} is $(png_size "$png")"
    else
      fail "missing icon ${n}x${n}"
    fi
  done
  if [ -f "$p/share/applications/$id.desktop" ]; then
    grep -qx "Exec=ventelle" "$p/share/applications/$id.desktop" || fail "the launcher does not start ventelle"
    grep -qx "Icon=$id" "$p/share/applications/$id.desktop" || fail "the launcher does not name the icon $id"
  fi
}

# The two tools beside the program, each answering --help.
expect_tools() {  # PREFIX
  local tool help
  for tool in ventelle-print ventelle-check-bank; do
    if [ -x "$1/bin/$tool" ]; then
      help=$("$1/bin/$tool" --help 2>&1) || fail "$tool --help failed: $help"
      [[ "$help" == "Usage : $tool"* ]] || fail "$tool --help prints: $help"
    else
      fail "missing executable bin/$tool"
    fi
  done
}

# The shipped program folder: the banks and texts, nothing made at run time.
expect_program_folder() {  # FOLDER
  local f="$1" name
  for name in Lexique.dat Tip.txt info.txt 2004/1.qcm 2004/30.qcm 2000/nChapitre1.dat \
              manuel/Chapitre1.dat avion/aChapitre1.dat ulm/uChapitre1.dat planeur/pChapitre1.dat \
              aide/FrmVersion.txt skin/skin.txt jeu/pion1.gif; do
    expect_file "$f/$name" "program folder file $name"
  done
  [ -z "$(find "$f" -iname '4Chapitre*.dat')" ] || fail "rebuilt 2004 chapter files were shipped: $(cd "$f" && find . -iname '4Chapitre*.dat')"
  [ -z "$(find "$f" -name '*.ini*')" ] || fail "profiles were shipped"
}

finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
  fi
  echo "all checks passed"
}
