#!/usr/bin/env python3
"""Puts no-break spaces where French typography wants them in the texts of data/.

    french-spaces.py [--check] [DATA_DIR]

A plain blank becomes a no-break space (0xA0 in Windows-1252):
  - before "?", "!", ":" and ";";
  - between the groups of a number written with a thousands blank ("2 000");
  - between a number and its unit ("300 m", "15 °C", "1 h 30").

Only text that is read on screen or on paper changes: the question texts,
the comments and the answer texts of the banks, the definitions of
Lexique.dat, the tips of Tip.txt and the help pages of aide/. Section
headers, keys, lexicon terms, comments that name a lexicon entry, comment
lines, the answer values and the targets of help links stay as they are.
Every other byte is kept: the files are Windows-1252 with CR LF line ends.

Running it twice changes nothing the second time. With --check nothing is
written; the exit status is 1 when a file still needs a change.
"""

import re
import sys
from pathlib import Path

NBSP = "\xa0"

# The files are handled as Latin-1 so that every byte, even one Windows-1252
# leaves undefined, comes back unchanged; Windows-1252 letters outside
# Latin-1 (such as "œ") are spelled as the byte they are on disk.
def _disk(text):
    return text.encode("cp1252").decode("latin-1")


# Units written after a number; longest first, so that "km/h" wins over "km".
UNITS = sorted(
    (_disk(u) for u in (
        "m", "cm", "mm", "km", "m²", "km²", "m/s", "km/h", "kg", "kg/m²", "g",
        "ft", "ft/min", "kt", "kts", "NM", "nœuds", "noeuds", "pieds",
        "mètres", "mètre", "kilomètres", "kilomètre",
        "hPa", "mb", "mbar", "°C", "%", "‰",
        "h", "min", "s", "heure", "heures", "minute", "minutes", "seconde", "secondes", "UTC",
        "l", "l/h", "litre", "litres", "MHz", "kHz", "Hz", "kW", "ch", "daN",
    )),
    key=len, reverse=True,
)

# A character that continues a word: a unit must not be the start of one
# ("3 litres" is not "3 l"), nor be followed by an apostrophe ("3 l'avion").
WORD = "0-9A-Za-z\xc0-\xd6\xd8-\xf6\xf8-\xff" + _disk("œŒšŠžŽŸƒ") + "'" + _disk("’")

BEFORE_PUNCTUATION = re.compile(r"(?<=[^ \xa0])[ \xa0]+(?=[?!:;])")
THOUSANDS = re.compile(r"(?<![0-9.,])[0-9]{1,3}(?:[ \xa0][0-9]{3})+(?![0-9])")
NUMBER_UNIT = re.compile(
    r"(?<=[0-9]) +(?=(?:" + "|".join(re.escape(u) for u in UNITS) + r")(?![" + WORD + r"]))"
)
# "1 h 30": the minutes stay with their hour.
HOUR_MINUTES = re.compile(r"(?<=[0-9]\xa0h) (?=[0-9]{2}(?![0-9]))")


# Captions the help pages quote as the program words them, plain blanks
# included: they stay as they are.
QUOTED_AS_SHOWN = ("Il fallait cocher :", "Il ne fallait pas cocher :")


def spaced(text):
    """The text with its no-break spaces, wherever the rules want one."""
    text = BEFORE_PUNCTUATION.sub(NBSP, text)
    text = THOUSANDS.sub(lambda m: re.sub(" ", NBSP, m.group(0)), text)
    text = NUMBER_UNIT.sub(NBSP, text)
    text = HOUR_MINUTES.sub(NBSP, text)
    for caption in QUOTED_AS_SHOWN:
        text = text.replace(caption.replace(" :", NBSP + ":"), caption)
    return text


def spaced_outside_links(text):
    """As spaced(), leaving every "{target|caption}" help link as it stands."""
    # Each link stands as one control character while the rules run, so that
    # the text around it still sees a character there.
    links = re.findall(r"\{[^{}]*\}", text)
    if not links:
        return spaced(text)
    if "\x01" in text:  # no mark left for the links: the line stays as it is
        return text
    pieces = iter(links)
    return re.sub("\x01", lambda m: next(pieces), spaced(re.sub(r"\{[^{}]*\}", "\x01", text)))


def is_header(line):
    return "[" in line and "]" in line


def is_skipped(line):
    """A blank or comment line, as the record reader sees it."""
    stripped = line.strip(" ")
    return not stripped or stripped.startswith(";")


def bank_line(line, state):
    """One line of a question bank; `state` remembers whether a question has begun."""
    if is_skipped(line):
        return line
    if is_header(line):
        state["in_question"] = True
        return line
    if not state["in_question"] or "=" not in line:
        return line
    key, value = line.split("=", 1)
    name = key.strip(" ")
    if name == "Question":
        return key + "=" + spaced(value)
    if name == "Cmt":
        # A comment that begins with "Lex" names a lexicon entry.
        return line if value.lstrip(" ").startswith("Lex") else key + "=" + spaced(value)
    # An answer: its text is the key, its value a number.
    return spaced(key) + "=" + value


def lexicon_line(line, state):
    if is_skipped(line) or "=" not in line:
        return line
    term, definition = line.split("=", 1)
    return term + "=" + spaced(definition)


def tip_line(line, state):
    return line if is_skipped(line) else spaced(line)


def help_line(line, state):
    # The help pages skip a line whose very first character is ";".
    return line if line.startswith(";") else spaced_outside_links(line)


def transform(data, line_rule):
    """The file's bytes with each line passed through `line_rule`; line ends kept."""
    text = data.decode("latin-1")
    state = {"in_question": False}
    out = []
    # Only LF ends a line: "\x85" is a Windows-1252 ellipsis, not a line end.
    for line in re.findall(r"[^\n]*\n|[^\n]+$", text):
        body = line.rstrip("\r\n")
        out.append(line_rule(body, state) + line[len(body):])
    return "".join(out).encode("latin-1")


def text_files(data_dir):
    """Every file of `data_dir` this script handles, with its line rule."""
    for bank in ("2000", "manuel", "ulm", "planeur", "avion"):
        for path in sorted((data_dir / bank).glob("*Chapitre*.dat")):
            yield path, bank_line
    for path in sorted((data_dir / "2004").glob("*.qcm")):
        yield path, bank_line
    yield data_dir / "Lexique.dat", lexicon_line
    yield data_dir / "Tip.txt", tip_line
    for path in sorted((data_dir / "aide").glob("*.txt")):
        yield path, help_line


def main(argv):
    args = argv[1:]
    check = "--check" in args
    args = [a for a in args if a != "--check"]
    if len(args) > 1 or any(a.startswith("-") for a in args):
        print("usage: french-spaces.py [--check] [DATA_DIR]", file=sys.stderr)
        return 2
    data_dir = Path(args[0]) if args else Path(__file__).resolve().parent.parent / "data"
    pending = []
    for path, rule in text_files(data_dir):
        if not path.is_file():
            continue
        before = path.read_bytes()
        after = transform(before, rule)
        if after == before:
            continue
        pending.append(path)
        if not check:
            path.write_bytes(after)
    for path in pending:
        state = "needs no-break spaces" if check else "updated"
        print(f"{path.relative_to(data_dir)}: {state}")
    return 1 if check and pending else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
