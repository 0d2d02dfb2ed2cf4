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

finish
