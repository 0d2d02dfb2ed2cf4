#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what lands there.
# Usage: install_test.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build="$1" source="$2"
. "$(dirname "$0")/expect.sh"

tmp=$(mktemp -d)
# The build's copy of data/ gathers what the program makes at run time; a
# file planted there must not be installed.
marker="$build/data/made-at-run-time.txt"
[ -d "$build/data" ] && : >"$marker"
trap 'rm -rf "$tmp" "$marker"' EXIT
prefix="$tmp/prefix"
cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 || { cat "$tmp/install.log"; fail "cmake --install failed"; finish; }

expect_desktop_files "$prefix"
expect_program_folder "$prefix/share/ventelle"

# The installed folder is the source data/ folder, file for file and byte
# for byte, readable by everyone and changed by no one but root.
(cd "$source/data" && find . -type f ! -iname '4Chapitre*.dat' | sort) >"$tmp/shipped"
(cd "$prefix/share/ventelle" && find . -type f | sort) >"$tmp/installed"
diff "$tmp/shipped" "$tmp/installed" >"$tmp/diff" || { cat "$tmp/diff"; fail "installed files differ from data/"; }
while read -r name; do
  cmp -s "$source/data/$name" "$prefix/share/ventelle/$name" || fail "installed $name differs from data/$name"
done <"$tmp/installed"
bad=$(find "$prefix/share/ventelle" \( -type f ! -perm 0644 \) -o \( -type d ! -perm 0755 \))
[ -z "$bad" ] || fail "wrong permissions: $bad"

# The program and its metadata tell the same version.
version=$("$prefix/bin/ventelle" --version)
[ "$version" = "Ventelle 6.1" ] || fail "ventelle --version prints '$version'"
newest=$(grep -o '<release version="[^"]*"' "$prefix/share/metainfo/fr.ventelle.Ventelle.metainfo.xml" | head -1)
[ "$newest" = "<release version=\"${version#Ventelle }\"" ] \
  || fail "the AppStream metadata's newest release is '$newest', not ${version#Ventelle }"

expect_tools "$prefix"
"$prefix/bin/ventelle-check-bank" "$prefix/share/ventelle" >"$tmp/check.log" 2>&1 \
  || fail "the installed banks do not pass the checker: $(tail -5 "$tmp/check.log")"

# Installed, ventelle-print reads the shipped banks and the profiles of the
# user's own folder, as the program does, and writes in neither.
home="$tmp/home"
user="$home/.local/share/Ventelle"
mkdir -p "$user"
{  # marie: on the Delta initial brevet (exam 9), mistake 2 in its first chapter
  printf 'V 6.1,Classique,9,1,1,1,1,1,1,1,1,0,#FALSE#,0,1,0,0,#TRUE#,#TRUE#,"","","","",8\r\n\r\n'
  for section in Manuel:6:0 2000:9:0 2004PI:7:0 2004PP:8:0 2004PC:8:0 2004DI:7:1 2004DP:8:0 2004DC:6:0 \
                 Planeur:5:0 ULM:6:0 Avion:6:0; do
    IFS=: read -r name chapters mine <<<"$section"
    printf '[%s]\r\n' "$name"
    for k in $(seq "$chapters"); do
      if [ "$mine" = 1 ] && [ "$k" = 1 ]; then printf 'Chapitre1=2\r\n'; else printf 'Chapitre%s=\r\n' "$k"; fi
    done
    printf '\r\n'
  done
  printf '[Historique]\r\n'
} >"$user/marie.ini"
folders() { (cd "$prefix/share/ventelle" && find . -type f -exec md5sum {} + | sort; cd "$user" && find . -exec ls -ld {} + | sort); }
folders >"$tmp/before"
env HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" \
  "$prefix/bin/ventelle-print" --user marie --error-report "$tmp/r.pdf" --correction "$tmp/c.pdf" >"$tmp/print.log" 2>&1 \
  || fail "installed ventelle-print failed: $(cat "$tmp/print.log")"
report=$(pdftotext -layout "$tmp/r.pdf" - 2>/dev/null)
for text in marie "Delta 2004" "- Brevet Initial -"; do
  [[ "$report" == *"$text"* ]] || fail "the installed tool's error report lacks '$text': $report"
done
grep -qx ' *2' <<<"$report" || fail "the installed tool's error report lacks marie's mistake 2: $report"
[[ "$(pdftotext "$tmp/c.pdf" - 2>/dev/null)" == *"QCM Delta v2004 (FFVL)"* ]] || fail "the correction grid is not marie's exam's"
folders >"$tmp/after"
diff "$tmp/before" "$tmp/after" >"$tmp/diff" || fail "ventelle-print changed a folder: $(cat "$tmp/diff")"

finish
