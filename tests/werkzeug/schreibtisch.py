#!/usr/bin/env python3
"""The built menu entry and AppStream file in every language, and the
AppStream languages block counted from the game's catalogues, and the
manual pages po4a made.

    schreibtisch.py DESKTOP METAINFO QUELLE CMAKE MSGFMT HANDBUCH
"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SPRACHEN = ["en", "fr", "es", "nl"]
XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"
fehler = []


def melde(text):
    fehler.append(text)


def eintraege(pfad):
    werte = {}
    with open(pfad, encoding="utf-8") as datei:
        for zeile in datei:
            if "=" in zeile and not zeile.startswith("#"):
                schluessel, wert = zeile.rstrip("\n").split("=", 1)
                werte[schluessel] = wert
    return werte


def pruefe_menueintrag(pfad):
    werte = eintraege(pfad)
    for sprache in SPRACHEN:
        for schluessel in ["Name", "GenericName", "Comment", "Keywords"]:
            wert = werte.get(f"{schluessel}[{sprache}]", "")
            if not wert:
                melde(f"Menüeintrag: {schluessel}[{sprache}] fehlt")
            elif schluessel == "Keywords" and not wert.endswith(";"):
                melde(f"Menüeintrag: Keywords[{sprache}] endet nicht mit ';'")
        # English is the untranslated base; every other language differs from it.
        if sprache != "en" and werte.get(f"Comment[{sprache}]") == werte.get("Comment"):
            melde(f"Menüeintrag: Comment[{sprache}] ist unübersetzt")


def pruefe_metainfo(pfad, kataloge):
    wurzel = ET.parse(pfad).getroot()
    # Every translatable element stands once untranslated and once per language.
    stellen = ["summary", "description/p", "keywords/keyword", "developer_name",
               "screenshots/screenshot/caption", "releases/release/description/p"]
    for stelle in stellen:
        alle = wurzel.findall(stelle)
        basis = [e for e in alle if XML_LANG not in e.attrib]
        if not basis:
            melde(f"AppStream: kein {stelle}")
        for sprache in SPRACHEN + ["de"]:
            da = [e for e in alle if e.get(XML_LANG) == sprache and e.text and e.text.strip()]
            if len(da) != len(basis):
                melde(f"AppStream: {stelle} für {sprache}: {len(da)} von {len(basis)}")
    erwartet = ["de"] + [c for c in linguas(kataloge) if c != "de"]
    sprachen = [(e.text, e.get("percentage")) for e in wurzel.findall("languages/lang")]
    if [s for s, _ in sprachen] != erwartet:
        melde(f"AppStream: Sprachen {sprachen}, erwartet {erwartet}")
    for sprache, anteil in sprachen:
        if not (anteil and anteil.isdigit() and 0 <= int(anteil) <= 100):
            melde(f"AppStream: Anteil {anteil!r} für {sprache}")


def linguas(verzeichnis):
    pfad = os.path.join(verzeichnis, "LINGUAS")
    if not os.path.exists(pfad):
        return []
    with open(pfad, encoding="utf-8") as datei:
        return [c for zeile in datei for c in zeile.split("#")[0].split()]


KOPF = 'msgid ""\nmsgstr "Content-Type: text/plain; charset=UTF-8\\n"\n\n'


def katalog(verzeichnis, code, eintraege):
    """eintraege: (msgid, msgstr, unscharf)"""
    text = KOPF
    for msgid, msgstr, unscharf in eintraege:
        text += ("#, fuzzy\n" if unscharf else "") + f'msgid "{msgid}"\nmsgstr "{msgstr}"\n\n'
    with open(os.path.join(verzeichnis, f"{code}.po"), "w", encoding="utf-8") as datei:
        datei.write(text)


def sprachblock(cmake, quelle, msgfmt, kataloge, arbeit):
    vorlage = os.path.join(arbeit, "vorlage.xml")
    ausgabe = os.path.join(arbeit, "aus.xml")
    with open(vorlage, "w", encoding="utf-8") as datei:
        datei.write("<component>\n  <languages>\n    <lang>de</lang>\n  </languages>\n</component>\n")
    subprocess.run([cmake, f"-DVORLAGE={vorlage}", f"-DAUSGABE={ausgabe}",
                    f"-DKATALOGE={kataloge}", f"-DMSGFMT={msgfmt}", "-P",
                    os.path.join(quelle, "cmake", "Sprachanteile.cmake")], check=True)
    wurzel = ET.parse(ausgabe).getroot()
    return [(e.text, e.get("percentage")) for e in wurzel.findall("languages/lang")]


def pruefe_anteile(cmake, quelle, msgfmt):
    with tempfile.TemporaryDirectory() as arbeit:
        po = os.path.join(arbeit, "po")
        os.mkdir(po)
        # Without LINGUAS the game speaks only German.
        if sprachblock(cmake, quelle, msgfmt, po, arbeit) != [("de", "100")]:
            melde("Anteile: ohne LINGUAS nicht nur Deutsch")
        with open(os.path.join(po, "LINGUAS"), "w") as datei:
            datei.write("# Kommentar\nxx yy\n\nzz\n")
        # Two of three translated, one fuzzy: 66 %, rounded down.
        katalog(po, "xx", [("Eins", "One", False), ("Zwei", "Two", False), ("Drei", "Three", True)])
        katalog(po, "yy", [("Eins", "Un", False), ("Zwei", "Deux", False)])
        # Nothing translated is still a language, at 0 %.
        katalog(po, "zz", [("Eins", "", False)])
        erhalten = sprachblock(cmake, quelle, msgfmt, po, arbeit)
        erwartet = [("de", "100"), ("xx", "66"), ("yy", "100"), ("zz", "0")]
        if erhalten != erwartet:
            melde(f"Anteile: {erhalten}, erwartet {erwartet}")


def pruefe_handbuch(verzeichnis):
    # po4a writes a page only from a complete catalogue; a German section
    # heading left in it would be a page copied, not translated.
    for sprache in SPRACHEN:
        for seite in ["steinfall.6", "steinfall-analyse.6"]:
            pfad = os.path.join(verzeichnis, sprache, seite)
            if not os.path.exists(pfad):
                melde(f"Handbuch: {sprache}/{seite} fehlt")
                continue
            with open(pfad, encoding="utf-8") as datei:
                ueberschriften = re.findall(r"^\.SH (.*)$", datei.read(), re.M)
            deutsch = {"BESCHREIBUNG", "OPTIONEN", "\"SIEHE AUCH\"", "SIEHE AUCH"}
            if not ueberschriften or deutsch & set(ueberschriften):
                melde(f"Handbuch: {sprache}/{seite}: {ueberschriften}")


def main():
    desktop, metainfo, quelle, cmake, msgfmt, handbuch = sys.argv[1:7]
    pruefe_menueintrag(desktop)
    pruefe_metainfo(metainfo, os.path.join(quelle, "po"))
    pruefe_anteile(cmake, quelle, msgfmt)
    pruefe_handbuch(handbuch)
    for text in fehler:
        print(text)
    return 1 if fehler else 0


if __name__ == "__main__":
    sys.exit(main())
