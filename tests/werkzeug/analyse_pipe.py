#!/usr/bin/env python3
"""Talks to the built steinfall-analyse through a pipe, one line at a time:
every line is answered at once with one line, a bad line does not stop the
tool, and a last line without a line break is answered too. The answers'
contents are pinned by the decision signature and the library's test."""

import json
import subprocess
import sys
import threading

ZUFALL = [0.5, 0.3, 0.9, 0.1, 0.7, 0.2, 0.8, 0.4, 0.6, 0.05, 0.95] * 3
MITTE = "0000000" * 3 + "0002000" + "0021100" + "0121200"


def anfrage(brett, zugzaehler, staerke):
    return json.dumps({"Brett": brett, "Zugzaehler": zugzaehler, "Spielstaerke": staerke,
                       "Zufall": ZUFALL})


# (request line, None for an answer or a piece of the expected Fehler).
FAELLE = [
    (anfrage("0" * 42, 2, 1), None),
    ("", "leere Zeile"),
    ('{"Brett": ' + "[" * 10**6 + "]" * 10**6 + "}", "zu tief verschachtelt"),
    (anfrage(MITTE, 6, 3), None),
    ("kein json", "kein gültiges JSON"),
    (anfrage(MITTE, 8, 4), None),
]


def main():
    prozess = subprocess.Popen([sys.argv[1]], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                               text=True, encoding="utf-8")
    # A hanging tool (an answer not flushed) ends the test instead of blocking it.
    wachhund = threading.Timer(60, prozess.kill)
    wachhund.start()
    fehler = []
    try:
        for nr, (zeile, erwartet) in enumerate(FAELLE, 1):
            # The last request goes without a line break, and the pipe is closed.
            if nr < len(FAELLE):
                prozess.stdin.write(zeile + "\n")
                prozess.stdin.flush()
            else:
                prozess.stdin.write(zeile)
                prozess.stdin.close()
            antwort = prozess.stdout.readline()
            if not antwort.endswith("\n"):
                fehler.append(f"Zeile {nr}: keine Antwortzeile")
                break
            a = json.loads(antwort)
            gefunden = "Spalte" in a if erwartet is None else erwartet in a.get("Fehler", "")
            if not gefunden:
                fehler.append(f"Zeile {nr}: erwartet {erwartet!r}, bekam {antwort.strip()[:200]}")
        if prozess.stdout.read() or prozess.wait() != 0:
            fehler.append(f"mehr Antworten als Anfragen oder Rückgabewert {prozess.wait()}")
    finally:
        wachhund.cancel()
        prozess.kill()
    print("\n".join(fehler) or "OK")
    return 1 if fehler else 0


if __name__ == "__main__":
    sys.exit(main())
