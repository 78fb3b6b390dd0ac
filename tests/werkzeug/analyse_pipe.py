#!/usr/bin/env python3
"""Talks to the built steinfall-analyse through a pipe, one line at a time,
valid and invalid requests in one process, and checks every answer line."""

import json
import subprocess
import sys
import threading

ZEILEN = {"Arbeitsfeld": 8, "WertComputer": 8, "WertSpieler": 8, "DrohungComputer": 11,
          "DrohungSpieler": 10, "VerbotHart": 9, "VerbotWeich": 8, "Meiden": 8,
          "MeidenLeicht": 6}
SCHLUESSEL = ["Spalte", "Schritt", "Durchlaeufe", "ZufallVerbraucht", "Wahl", *ZEILEN]
SCHRITTE = {"9a.1", "9a.2", "9a.3", "9a.4", "9c", "9e", "9f", "9h"}
ZUFALL = [0.5, 0.3, 0.9, 0.1, 0.7, 0.2, 0.8, 0.4, 0.6, 0.05, 0.95] * 3

LEER = "0" * 42
MITTE = "".join(["0000000", "0000000", "0000000", "0002000", "0021100", "0121200"])
SECHS_VOLL = "".join(["1201212", "2102121", "1201212", "2112121", "1221212", "2112121"])


def anfrage(brett, zugzaehler, staerke, zufall=ZUFALL):
    return json.dumps({"Brett": brett, "Zugzaehler": zugzaehler, "Spielstaerke": staerke,
                       "Zufall": zufall}, ensure_ascii=False)


# (request line, None for a valid answer or a piece of the expected Fehler)
FAELLE = [
    (anfrage(LEER, 2, 1), None),
    ("", "leere Zeile"),
    (anfrage(MITTE, 6, 3), None),
    ("kein json", "kein gültiges JSON"),
    ("[1, 2, 3]", "JSON-Objekt"),
    (anfrage(MITTE, 8, 4), None),
    ('{"Brett": "' + LEER + '"}', '"Zugzaehler" fehlt'),
    (anfrage(LEER[:-1], 2, 1), "41 Zeichen"),
    (anfrage("3" + LEER[1:], 2, 1), 'Zeichen "3"'),
    (anfrage("1" + LEER[1:], 2, 1), "leeren Feld"),
    (anfrage("12" * 21, 42, 1), "voll"),
    (anfrage(LEER, 5, 1), '"Zugzaehler" ist 5'),
    (anfrage(LEER, 44, 1), '"Zugzaehler" ist 44'),
    (anfrage(LEER, 2, 2), '"Spielstaerke" ist 2'),
    (anfrage(LEER, 2, 1, [0.5, 1]), '"Zufall"[1] ist 1'),
    (anfrage(LEER, 2, 1, [0.5, "a"]), '"Zufall"[1] ist keine Zahl'),
    (anfrage(LEER, 2, 1, []), "zu wenige"),
    (anfrage(SECHS_VOLL, 38, 3), None),
]


def pruefe_antwort(nr, zeile, erwartet, antwort_text):
    fehler = []
    try:
        antwort = json.loads(antwort_text)
    except json.JSONDecodeError:
        return [f"Zeile {nr}: Antwort ist kein JSON: {antwort_text!r}"]
    if erwartet is not None:
        if list(antwort) != ["Fehler"] or erwartet not in antwort["Fehler"]:
            fehler.append(f"Zeile {nr}: erwartet Fehler mit {erwartet!r}, bekam {antwort}")
        return fehler
    if list(antwort) != SCHLUESSEL:
        return [f"Zeile {nr}: Schlüssel {list(antwort)}"]
    anfrage_ = json.loads(zeile)
    brett = anfrage_["Brett"]
    spalte = antwort["Spalte"]
    if not 150 <= spalte <= 156 or brett[spalte - 150] != "0":
        fehler.append(f"Zeile {nr}: Spalte {spalte} ist nicht frei")
    if antwort["Schritt"] not in SCHRITTE:
        fehler.append(f"Zeile {nr}: Schritt {antwort['Schritt']}")
    if antwort["Durchlaeufe"] != 1:
        fehler.append(f"Zeile {nr}: Durchlaeufe {antwort['Durchlaeufe']}")
    if not 0 <= antwort["ZufallVerbraucht"] <= len(anfrage_["Zufall"]):
        fehler.append(f"Zeile {nr}: ZufallVerbraucht {antwort['ZufallVerbraucht']}")
    if sorted(antwort["Wahl"]) != ["Spalte", "Wert"]:
        fehler.append(f"Zeile {nr}: Wahl {antwort['Wahl']}")
    for name, anzahl in ZEILEN.items():
        feld = antwort[name]
        if len(feld) != anzahl or any(len(r) != 7 or not all(isinstance(x, int) for x in r)
                                      for r in feld):
            fehler.append(f"Zeile {nr}: {name} hat nicht {anzahl} Zeilen zu 7 ganzen Zahlen")
    # The working board: computer ('2') as 1, human ('1') as 2, floor 3.
    umkodiert = {"0": 0, "1": 2, "2": 1}
    arbeitsfeld = [[umkodiert[brett[r * 7 + c]] for c in range(7)] for r in range(6)]
    if antwort["Arbeitsfeld"] != arbeitsfeld + [[3] * 7, [3] * 7]:
        fehler.append(f"Zeile {nr}: Arbeitsfeld {antwort['Arbeitsfeld']}")
    return fehler


def main():
    werkzeug = sys.argv[1]
    prozess = subprocess.Popen([werkzeug], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                               text=True, encoding="utf-8")
    # A hanging tool (an answer not flushed) ends the test instead of blocking it.
    wachhund = threading.Timer(60, prozess.kill)
    wachhund.start()
    fehler = []
    try:
        # Each answer must arrive before the next request is sent.
        for nr, (zeile, erwartet) in enumerate(FAELLE, 1):
            prozess.stdin.write(zeile + "\n")
            prozess.stdin.flush()
            antwort = prozess.stdout.readline()
            if not antwort.endswith("\n"):
                fehler.append(f"Zeile {nr}: keine Antwortzeile")
                break
            fehler += pruefe_antwort(nr, zeile, erwartet, antwort)
        # A last request without a line break is still answered.
        prozess.stdin.write(anfrage(LEER, 4, 3))
        prozess.stdin.close()
        rest = prozess.stdout.read().splitlines()
        if len(rest) != 1:
            fehler.append(f"letzte Zeile ohne Zeilenende: {len(rest)} Antworten")
        else:
            fehler += pruefe_antwort("letzte", anfrage(LEER, 4, 3), None, rest[0])
        code = prozess.wait()
        if code != 0:
            fehler.append(f"Rückgabewert {code}")
    finally:
        wachhund.cancel()
        prozess.kill()
    for f in fehler:
        print(f)
    print("OK" if not fehler else f"{len(fehler)} Fehler")
    return 1 if fehler else 0


if __name__ == "__main__":
    sys.exit(main())
