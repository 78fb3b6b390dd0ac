#!/usr/bin/env python3
"""Start-up of any programs side by side, timed by the black-box probe.

Each command line is one program (quoted as one argument). For each screen
size, every program is started once to warm the caches, then the programs
run in turns for a number of rounds, each round beginning with the next
program (A B C, B C A, C A B, ...). It prints the medians of the probe's
values (see sonde.py) and the ratio of each program to the first one. The
machine may be shared and noisy: compare the ratios of one run, not numbers
across runs.

    /usr/bin/python3 tools/messen/vergleich.py build-rel/bin/steinfall /usr/games/explosive-c4 \\
        --bildschirme 1024x768 1920x1080 --runden 7
"""

import argparse
import os
import shlex
import statistics
import sys

sys.path.insert(0, os.path.dirname(__file__))
import sonde  # noqa: E402


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("befehle", nargs="+", help="command lines, the first is the reference")
    parser.add_argument("--bildschirme", nargs="+", default=["1024x768", "1920x1080"])
    parser.add_argument("--runden", type=int, default=5)
    parser.add_argument("--speicher", action="store_true",
                        help="also where the resident memory lies (see sonde.py)")
    args = parser.parse_args()
    befehle = [shlex.split(b) for b in args.befehle]

    for groesse in args.bildschirme:
        werte = [[] for _ in befehle]
        for befehl in befehle:
            sonde.lauf(befehl, groesse, speicher=args.speicher)
        for runde in range(args.runden):
            for i in range(len(befehle)):
                k = (runde + i) % len(befehle)
                werte[k].append(sonde.lauf(befehle[k], groesse, speicher=args.speicher))
        print(f"{groesse}, medians of {args.runden} rounds:")
        namen = list(dict.fromkeys(n for reihe in werte for w in reihe for n in w))
        for k, befehl in enumerate(args.befehle):
            teile = []
            for name in namen:
                m = statistics.median(w.get(name, 0) for w in werte[k])
                bezug = statistics.median(w.get(name, 0) for w in werte[0])
                verhaeltnis = f"{m / bezug:.2f}x" if bezug else "-"
                teile.append(f"{name.strip()} {m:7.3f} ({verhaeltnis})")
            print(f"  {befehl}\n    " + "  ".join(teile))
        sys.stdout.flush()


if __name__ == "__main__":
    sys.exit(main())
