#!/usr/bin/env bash
# Builds the Debian package from the build, unpacks it into a temporary root
# and starts the program from there as a user would, twice.
# Usage: package_test.sh BUILD_DIR
set -uo pipefail
build="$(cd "$1" && pwd)"
. "$(dirname "$0")/expect.sh"

tmp=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$tmp"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1 \
  || { cat "$tmp/cpack.log"; fail "cpack failed"; finish; }
deb="$tmp/out/ventelle_6.1_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { ls "$tmp/out"; fail "no package $(basename "$deb")"; finish; }

# The control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = ventelle ] || fail "package name $(field Package)"
[ "$(field Version)" = 6.1 ] || fail "package version $(field Version)"
[ "$(field Section)" = education ] || fail "section $(field Section)"
case "$(field Maintainer)" in "L'équipe Ventelle <"*">") ;; *) fail "maintainer $(field Maintainer)" ;; esac
depends=", $(field Depends),"
# Found by the library scan, then what the program loads or starts by itself.
for dep in libc6 libqt6core6 libqt6widgets6 libqt6printsupport6 \
           fonts-liberation xdg-utils libqt6multimedia6 qt6-translations-l10n; do
  [[ "$depends" =~ [,\ ]"$dep"[\ ,] ]] || fail "Depends lacks $dep: $depends"
done

root="$tmp/root"
dpkg -x "$deb" "$root" || fail "dpkg -x failed"
expect_desktop_files "$root/usr"
expect_tools "$root/usr"
expect_program_folder "$root/usr/share/ventelle"
[ -z "$(find "$root" -path "$root/usr" -prune -o -print | grep -Fvx "$root")" ] || fail "files outside /usr"

home="$tmp/home"
user="$home/.local/share/Ventelle"
mkdir -p "$home"
listing() { (cd "$root/usr/share/ventelle" && find . -printf '%y %p %s\n' | sort && find . -type f -exec md5sum {} + | sort); }

# Starts the unpacked program headless as a user would: the splash window
# closes by itself, then the default user's profile is rebuilt. The program
# must still be running once it is there.
run() {  # LOG
  rm -f "$user/parapente.ini"
  env HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" \
      XDG_CACHE_HOME="$home/.cache" QT_QPA_PLATFORM=offscreen "$root/usr/bin/ventelle" >"$1" 2>&1 &
  pid=$!
  for _ in $(seq 60); do
    [ -f "$user/parapente.ini" ] || ! kill -0 "$pid" 2>/dev/null && break
    sleep 0.5
  done
  sleep 1
  if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    wait "$pid" 2>/dev/null
  else
    wait "$pid"
    fail "ventelle stopped by itself (exit $?): $(cat "$1")"
  fi
  pid=""
}

# No shipped file may turn up in the user's folder: the package's files are
# read where they are installed, so a newer package reaches every user.
expect_no_shipped_copies() {
  local name copies=()
  while read -r name; do
    [ ! -e "$user/$name" ] || copies+=("${name#./}")
  done < <(cd "$root/usr/share/ventelle" && find . -type f | sort)
  [ ${#copies[@]} -eq 0 ] || fail "the user folder holds ${#copies[@]} copies of shipped files: ${copies[*]:0:5} ..."
}

listing >"$tmp/before"
run "$tmp/first.log"
expect_file "$user/parapente.ini" "the default user's profile in the user folder"
listing >"$tmp/after"
diff "$tmp/before" "$tmp/after" >/dev/null || fail "the program wrote into the installed folder: $(diff "$tmp/before" "$tmp/after")"
expect_no_shipped_copies

# A newer package changes a bank; the user's own profile stays as it was.
printf '; édition suivante\r\n' | cat - "$root/usr/share/ventelle/2004/1.qcm" >"$tmp/1.qcm"
cp "$tmp/1.qcm" "$root/usr/share/ventelle/2004/1.qcm"
if [ -f "$user/parapente.ini" ]; then
  cp "$user/parapente.ini" "$user/marie.ini"
  cp "$user/marie.ini" "$tmp/marie.ini"
fi
listing >"$tmp/before"
run "$tmp/second.log"
if [ -f "$tmp/marie.ini" ]; then
  cmp -s "$tmp/marie.ini" "$user/marie.ini" || fail "the second start changed or removed marie.ini"
fi
listing >"$tmp/after"
diff "$tmp/before" "$tmp/after" >/dev/null || fail "the second start wrote into the installed folder"
expect_no_shipped_copies

finish
