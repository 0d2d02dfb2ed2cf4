#!/usr/bin/env bash
# Checks the help page texts of data/aide.
#
#   check_help_texts.sh format   AIDE_DIR
#       Every page file is present and readable as the help windows read it:
#       Windows-1252 bytes, CR LF line ends, no line beginning with a blank,
#       paragraphs separated by a single blank line, and every link
#       {Page|text} or {web:key|text} well formed and naming a known page or
#       address key.
#
#   check_help_texts.sh spelling AIDE_DIR EXCEPTIONS
#       French spell check with hunspell (fr_FR) of the text the user reads:
#       comment lines dropped, links reduced to their text. Fails listing
#       every word that is neither in the dictionary nor in EXCEPTIONS (one
#       word per line; blank lines and lines starting with "#" ignored).
#       Exits 77 (skipped) when hunspell is not installed.
set -uo pipefail

# The pages whose bodies are read from data/aide.
readonly PAGES=(FrmVersion FrmPoints FrmEvaluation FrmBravo FrmGUtilisateur FrmJeu FrmDivers
                FrmPointsdgac FrmTirage FrmImprimer FrmContinue FrmChapitre FrmPersonnaliser)
# What an in-text link may open: any page of the help index, or an address
# key of the links file Liens.dat.
readonly LINK_TARGETS=(FrmVersion FrmPoints FrmEvaluation FrmBravo FrmGUtilisateur FrmJeu FrmDivers
                       FrmPointsdgac FrmLiens FrmLexique FrmTirage FrmImprimer FrmContinue FrmTip
                       FrmChapitre FrmPersonnaliser web:ffvl web:dgac)

failures=0
fail() {
  echo "$1"
  failures=$((failures + 1))
}

# The text of a page as the user reads it, in UTF-8: comments dropped, CRs
# removed, links reduced to their text.
readable_text() {
  iconv -f WINDOWS-1252 -t UTF-8 "$1" | tr -d '\r' | grep -v '^;' | sed -E 's/\{[^{}|]*\|([^{}]*)\}/\1/g'
}

check_link_line() {  # file, line number, line (UTF-8, no CR)
  local file=$1 number=$2 line=$3 rest link target text known t
  rest=$line
  while [[ $rest =~ \{([^{}|]*)\|([^{}]*)\} ]]; do
    link=${BASH_REMATCH[0]}
    target=${BASH_REMATCH[1]}
    text=${BASH_REMATCH[2]}
    known=0
    for t in "${LINK_TARGETS[@]}"; do [[ $target == "$t" ]] && known=1; done
    if [[ $known -eq 0 ]]; then
      fail "$file:$number: link to an unknown page or address key \"$target\""
    elif [[ $target == "$(basename "$file" .txt)" ]]; then
      fail "$file:$number: link from the page to itself"
    fi
    if [[ -z $text || $text =~ ^[[:space:]] || $text =~ [[:space:]]$ || $text == *"|"* ]]; then
      fail "$file:$number: link text \"$text\" is empty, has a blank at an end or holds \"|\""
    fi
    rest=${rest/"$link"/}
  done
  if [[ $rest == *"{"* || $rest == *"}"* ]]; then
    fail "$file:$number: unbalanced or malformed link markup (a link is {Page|text} on one line)"
  fi
}

check_format() {
  local dir=$1 page file name number line previous_blank has_text
  for page in "${PAGES[@]}"; do
    [[ -f $dir/$page.txt ]] || fail "$dir/$page.txt: missing"
  done
  for file in "$dir"/*; do
    [[ -e $file ]] || continue
    name=$(basename "$file")
    local expected=0
    for page in "${PAGES[@]}"; do [[ $name == "$page.txt" ]] && expected=1; done
    [[ $expected -eq 1 ]] || fail "$file: not the text of a help page (expected one of ${PAGES[*]/%/.txt})"
  done

  for page in "${PAGES[@]}"; do
    file=$dir/$page.txt
    [[ -f $file ]] || continue
    if [[ ! -s $file ]]; then
      fail "$file: empty"
      continue
    fi
    # Bytes: Windows-1252 text, no control character but CR and LF.
    LC_ALL=C grep -naP '[\x00-\x09\x0B\x0C\x0E-\x1F\x7F\x81\x8D\x8F\x90\x9D]' "$file" | cut -d: -f1 |
      while read -r number; do echo "$file:$number: byte that is not Windows-1252 text"; done | grep . &&
      failures=$((failures + 1))
    # Line ends: CR LF everywhere, the last line included.
    LC_ALL=C grep -naP '\r(?!$)' "$file" | cut -d: -f1 |
      while read -r number; do echo "$file:$number: CR without LF"; done | grep . && failures=$((failures + 1))
    LC_ALL=C grep -navP '\r$' "$file" | cut -d: -f1 |
      while read -r number; do echo "$file:$number: line not ended by CR LF"; done | grep . &&
      failures=$((failures + 1))
    [[ $(tail -c 1 "$file" | od -An -c | tr -d ' ') == '\n' ]] || fail "$file: the last line is not ended by CR LF"
    # Lines: none begins with a blank; one blank line between paragraphs.
    LC_ALL=C grep -naP '^[ \t\xA0]' "$file" | cut -d: -f1 |
      while read -r number; do echo "$file:$number: line beginning with a blank"; done | grep . &&
      failures=$((failures + 1))
    number=0
    previous_blank=1
    has_text=0
    while IFS= read -r line; do
      number=$((number + 1))
      line=${line%$'\r'}
      [[ $line == ";"* ]] && continue
      if [[ -z $line ]]; then
        [[ $previous_blank -eq 1 ]] && fail "$file:$number: blank line that separates no paragraphs"
        previous_blank=1
        continue
      fi
      previous_blank=0
      has_text=1
      check_link_line "$file" "$number" "$line"
    done < <(iconv -f WINDOWS-1252 -t UTF-8 "$file" 2>/dev/null)
    [[ $previous_blank -eq 1 && $has_text -eq 1 ]] && fail "$file: ends with a blank line"
    [[ $has_text -eq 1 ]] || fail "$file: holds no text"
  done
}

check_spelling() {
  local dir=$1 exceptions=$2 page file word
  if ! command -v hunspell > /dev/null; then
    echo "SKIPPED: hunspell is not installed (scripts/install-deps.sh installs hunspell and hunspell-fr)"
    exit 77
  fi
  if ! echo bonjour | hunspell -d fr_FR -l > /dev/null 2>&1; then
    fail "hunspell has no fr_FR dictionary: install hunspell-fr (scripts/install-deps.sh)"
    return
  fi
  [[ -f $exceptions ]] || { fail "$exceptions: missing"; return; }
  declare -A allowed=()
  while IFS= read -r word; do
    word=${word%$'\r'}
    [[ -z $word || $word == "#"* ]] && continue
    allowed[$word]=1
  done < "$exceptions"

  for page in "${PAGES[@]}"; do
    file=$dir/$page.txt
    [[ -f $file ]] || { fail "$file: missing"; continue; }
    if ! iconv -f WINDOWS-1252 -t UTF-8 "$file" > /dev/null 2>&1; then
      fail "$file: not Windows-1252 text"
      continue
    fi
    # hunspell keeps a sentence's final dot on a word it does not know.
    while IFS= read -r word; do
      [[ -n $word && -z ${allowed[$word]:-} ]] && fail "$file: unknown word \"$word\""
    done < <(readable_text "$file" | LC_ALL=C.UTF-8 hunspell -d fr_FR -i UTF-8 -l | sed 's/\.$//' | sort -u)
  done
}

case ${1:-} in
  format)
    [[ $# -eq 2 ]] || { echo "usage: $0 format AIDE_DIR" >&2; exit 2; }
    check_format "$2"
    ;;
  spelling)
    [[ $# -eq 3 ]] || { echo "usage: $0 spelling AIDE_DIR EXCEPTIONS" >&2; exit 2; }
    check_spelling "$2" "$3"
    ;;
  *)
    echo "usage: $0 format AIDE_DIR | spelling AIDE_DIR EXCEPTIONS" >&2
    exit 2
    ;;
esac

if [[ $failures -gt 0 ]]; then
  echo "$failures fault(s) found"
  exit 1
fi
echo "all help pages pass"
