#!/usr/bin/env python3
"""Writes the decision signature: requests to steinfall-analyse with a digest
of each full answer, so that any change in how the computer plays shows up in
the tests at once.

    tools/signatur/erzeugen.py build/bin/steinfall-analyse ANFRAGEN.jsonl \
        > tests/daten/entscheidungen.jsonl

ANFRAGEN.jsonl holds candidate requests, one per line; up to --je requests
are kept for each answering step and strength, so that every step is covered.
"""
import argparse
import json
import subprocess
import sys


def fnv1a64(text: str) -> str:
    h = 0xCBF29CE484222325
    for byte in text.encode("utf-8"):
        h ^= byte
        h = (h * 0x100000001B3) & 0xFFFFFFFFFFFFFFFF
    return f"{h:016x}"


def main() -> int:
    parser = argparse.ArgumentParser()
    parser.add_argument("werkzeug")
    parser.add_argument("anfragen")
    parser.add_argument("--je", type=int, default=40)
    args = parser.parse_args()

    with open(args.anfragen, encoding="utf-8") as f:
        zeilen = [z.strip() for z in f if z.strip()]
    antworten = subprocess.run([args.werkzeug], input="\n".join(zeilen) + "\n",
                               capture_output=True, text=True, check=True).stdout.splitlines()
    assert len(antworten) == len(zeilen)

    anzahl = {}
    gewaehlt = []
    for anfrage, antwort in zip(zeilen, antworten):
        daten = json.loads(antwort)
        if "Fehler" in daten:
            continue
        anfrage = json.loads(anfrage)
        klasse = (daten["Schritt"], anfrage["Spielstaerke"])
        if anzahl.get(klasse, 0) >= args.je:
            continue
        anzahl[klasse] = anzahl.get(klasse, 0) + 1
        # Only the draws the decision used: the answer stays the same.
        anfrage["Zufall"] = anfrage["Zufall"][:daten["ZufallVerbraucht"]]
        gewaehlt.append(json.dumps(anfrage, separators=(",", ":")))

    antworten = subprocess.run([args.werkzeug], input="\n".join(gewaehlt) + "\n",
                               capture_output=True, text=True, check=True).stdout.splitlines()
    for anfrage, antwort in zip(gewaehlt, antworten):
        daten = json.loads(antwort)
        print(json.dumps({"Anfrage": anfrage, "Spalte": daten["Spalte"],
                          "Schritt": daten["Schritt"], "Signatur": fnv1a64(antwort)},
                         ensure_ascii=False, separators=(",", ":")))
    print(f"{sum(anzahl.values())} Anfragen: {sorted(anzahl.items())}", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
