#!/usr/bin/env bash
# Adds the SHA-256 of every shipped file of data/ to data/fichiers-livres.txt,
# keeping the checksums of earlier versions: an installed program tells by
# them a user's untouched copy of an older file (replaced by the shipped one)
# from the user's own edit (kept). Run it after changing anything in data/;
# the test suite fails while a shipped file is missing from the list.
# --history also adds every version of data/ that git has kept.
set -euo pipefail
cd "$(dirname "$0")/.."
list=data/fichiers-livres.txt
name=$(basename "$list")

entries() {
  [ -f "$list" ] && grep -v '^;' "$list" | tr -d '\r'
  (cd data && find . -type f ! -name "$name" -printf '%P\n' | while IFS= read -r file; do
    printf '%s %s\n' "$(sha256sum < "$file" | cut -d' ' -f1)" "$file"
  done)
  if [ "${1:-}" = "--history" ]; then
    git log --format=%H -- data | while read -r commit; do git -c core.quotePath=false ls-tree -r "$commit" data; done |
      awk -F'\t' '{ split($1, f, " "); print f[3] "\t" $2 }' | sort -u |
      while IFS=$'\t' read -r blob path; do
        [ "$(basename "$path")" = "$name" ] && continue
        printf '%s %s\n' "$(git cat-file blob "$blob" | sha256sum | cut -d' ' -f1)" "${path#data/}"
      done
  fi
}

{
  echo "; SHA-256 de chaque fichier livré, dans cette version et les précédentes."
  echo "; Produit par scripts/update-checksums.sh : ne pas modifier à la main."
  entries "$@" | grep . | LC_ALL=C sort -u -k2 -k1,1
} | iconv -f utf-8 -t cp1252 | sed 's/$/\r/' > "$list.new"
mv "$list.new" "$list"
echo "$(grep -vc '^;' "$list") empreintes dans $list"
