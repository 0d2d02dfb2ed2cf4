#!/usr/bin/env python3
"""The no-break spaces that tools/french-spaces.py puts in the data files."""

import sys
import types
import unittest
from pathlib import Path

SCRIPT = Path(__file__).resolve().parents[2] / "tools" / "french-spaces.py"
fs = types.ModuleType("french_spaces")
fs.__file__ = str(SCRIPT)
sys.modules["french_spaces"] = fs
exec(compile(SCRIPT.read_text(encoding="utf-8"), str(SCRIPT), "exec"), fs.__dict__)

# "~" stands for the no-break space in the expected texts.
def nb(text):
    return text.replace("~", "\xa0")


def disk(text):
    """A text as the file holds it, in Windows-1252 bytes."""
    return nb(text).encode("cp1252")


class Texts(unittest.TestCase):
    def test_where_a_blank_becomes_a_no_break_space(self):
        rows = [
            ("Quelle altitude ? Non ! Ainsi : oui ; non", "Quelle altitude~? Non~! Ainsi~: oui~; non"),
            ("deux blancs  ?", "deux blancs~?"),
            ("déjà~? rien à faire", "déjà~? rien à faire"),
            ("à 2 000 ft et 10 000 m", "à 2~000~ft et 10~000~m"),
            ("au 1/500 000, 1 013,25", "au 1/500~000, 1~013,25"),
            ("12 345 678 habitants", "12~345~678 habitants"),
            ("les questions 20 et 393", "les questions 20 et 393"),
            ("1,5 m/s, 15 °C, 90 km/h, 75 %, 1013,25 hPa", "1,5~m/s, 15~°C, 90~km/h, 75~%, 1013,25~hPa"),
            ("10 nœuds, 121,5 MHz, 3 NM", "10~nœuds, 121,5~MHz, 3~NM"),
            ("en 1 h 30 puis 20 s", "en 1~h~30 puis 20~s"),
            ("3 litres, pas 3 l'avion ni 3 mois ni 2 sur 3", "3~litres, pas 3 l'avion ni 3 mois ni 2 sur 3"),
            ("5 kg/m² et 3 km", "5~kg/m² et 3~km"),
            ("le pilote m'a dit", "le pilote m'a dit"),
        ]
        for text, expected in rows:
            with self.subTest(text=text):
                once = fs.spaced(nb(text).encode("cp1252").decode("latin-1"))
                self.assertEqual(once.encode("latin-1"), disk(expected))
                self.assertEqual(fs.spaced(once), once)

    def test_help_links_keep_their_target_and_caption(self):
        line = "Voir {FrmImprimer|le menu : Imprimer} : à 300 m ?"
        self.assertEqual(fs.spaced_outside_links(line), nb("Voir {FrmImprimer|le menu : Imprimer}~: à 300~m~?"))


class Files(unittest.TestCase):
    def transformed(self, rule, lines):
        return fs.transform(disk("\r\n".join(lines) + "\r\n"), rule)

    def test_only_the_texts_read_by_the_user_change(self):
        bank = [
            "; Chapitre : 3 ?",
            "Avant [la] ?",
            "[12 i]",
            "Question=Que faire à 300 m ?",
            "Cmt=Non : 1 000 ft.",
            "Oui : à 1 500 m =6",
            "Non ?=-2.5",
            "Fin sans valeur ?",
            "[13]",
            "Question = Pourquoi ?",
            "Cmt=Lex:\"Vent : météo\"",
            "Réponse ;=3",
        ]
        expected = [
            "; Chapitre : 3 ?",
            "Avant [la] ?",
            "[12 i]",
            "Question=Que faire à 300~m~?",
            "Cmt=Non~: 1~000~ft.",
            "Oui~: à 1~500~m =6",
            "Non~?=-2.5",
            "Fin sans valeur ?",
            "[13]",
            "Question = Pourquoi~?",
            "Cmt=Lex:\"Vent : météo\"",
            "Réponse~;=3",
        ]
        rows = [
            (fs.bank_line, bank, expected),
            (fs.lexicon_line, ["Vent : météo=Vent à 2 000 m : le vent ?", "; Terme : définition ?", "Sans définition ?"],
             ["Vent : météo=Vent à 2~000~m~: le vent~?", "; Terme : définition ?", "Sans définition ?"]),
            (fs.tip_line, ["Astuce : 2 h ?", " ; pas une astuce : non"], ["Astuce~: 2~h~?", " ; pas une astuce : non"]),
            (fs.help_line, [";Page : aide ?", "- Verts : {FrmTirage|Tirage : ici} !", " ; montré : oui"],
             [";Page : aide ?", "- Verts~: {FrmTirage|Tirage : ici}~!", " ; montré~: oui"]),
        ]
        for rule, lines, want in rows:
            with self.subTest(rule=rule.__name__):
                self.assertEqual(self.transformed(rule, lines), disk("\r\n".join(want) + "\r\n"))

    def test_every_other_byte_is_kept(self):
        # A Windows-1252 ellipsis (0x85) is no line end; an undefined byte, a
        # lone LF and a missing final line end survive.
        data = b"Astuce\x85 0x81 \x81 ici ?\nSuite : fin"
        self.assertEqual(fs.transform(data, fs.tip_line), b"Astuce\x85 0x81 \x81 ici\xa0?\nSuite\xa0: fin")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
