#!/usr/bin/env python3
"""Talks to the built steinfall-analyse through a pipe, one line at a time,
valid and invalid requests in one process, and checks every answer line."""

import json
import subprocess
import sys
import threading

SCHLUESSEL = ["Spalte", "Schritt", "Durchlaeufe", "ZufallVerbraucht", "Wahl", "Arbeitsfeld",
              "WertComputer", "WertSpieler", "DrohungComputer", "DrohungSpieler", "VerbotHart",
              "VerbotWeich", "Meiden", "MeidenLeicht"]
ZUFALL = [0.5, 0.3, 0.9, 0.1, 0.7, 0.2, 0.8, 0.4, 0.6, 0.05, 0.95] * 3

LEER = "0" * 42
MITTE = "".join(["0000000", "0000000", "0000000", "0002000", "0021100", "0121200"])
SECHS_VOLL = "".join(["1201212", "2102121", "1201212", "2112121", "1221212", "2112121"])


def anfrage(brett, zugzaehler, staerke, zufall=ZUFALL):
    return json.dumps({"Brett": brett, "Zugzaehler": zugzaehler, "Spielstaerke": staerke,
                       "Zufall": zufall}, ensure_ascii=False)


# (request line, None for a valid answer or a piece of the expected Fehler).
# The library's test holds the other error cases; a bad line must not stop
# the tool.
FAELLE = [
    (anfrage(LEER, 2, 1), None),
    ("", "leere Zeile"),
    ('{"Brett": ' + "[" * 10**6 + "]" * 10**6 + "}", "zu tief verschachtelt"),
    (anfrage(MITTE, 6, 3), None),
    ("kein json", "kein gültiges JSON"),
    (anfrage(MITTE, 8, 4), None),
    (anfrage(SECHS_VOLL, 38, 3), None),
]


# The answer's content is pinned byte for byte by the decision signature;
# here: one JSON line of the right kind, and a column that is free.
def pruefe_antwort(nr, zeile, erwartet, antwort_text):
    try:
        antwort = json.loads(antwort_text)
    except json.JSONDecodeError:
        return [f"Zeile {nr}: Antwort ist kein JSON: {antwort_text!r}"]
    if erwartet is not None:
        if list(antwort) != ["Fehler"] or erwartet not in antwort["Fehler"]:
            return [f"Zeile {nr}: erwartet Fehler mit {erwartet!r}, bekam {antwort}"]
        return []
    if list(antwort) != SCHLUESSEL:
        return [f"Zeile {nr}: Schlüssel {list(antwort)}"]
    spalte = antwort["Spalte"]
    if not 150 <= spalte <= 156 or json.loads(zeile)["Brett"][spalte - 150] != "0":
        return [f"Zeile {nr}: Spalte {spalte} ist nicht frei"]
    return []


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
