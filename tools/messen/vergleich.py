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
    args = parser.parse_args()
    befehle = [shlex.split(b) for b in args.befehle]

    for groesse in args.bildschirme:
        werte = [[] for _ in befehle]
        for befehl in befehle:
            sonde.lauf(befehl, groesse)
        for runde in range(args.runden):
            for i in range(len(befehle)):
                k = (runde + i) % len(befehle)
                werte[k].append(sonde.lauf(befehle[k], groesse))
        print(f"{groesse}, medians of {args.runden} rounds:")
        for k, befehl in enumerate(args.befehle):
            teile = []
            for name in werte[0][0]:
                m = statistics.median(w[name] for w in werte[k])
                bezug = statistics.median(w[name] for w in werte[0])
                teile.append(f"{name} {m:7.3f} ({m / bezug:.2f}x)")
            print(f"  {befehl}\n    " + "  ".join(teile))
        sys.stdout.flush()


if __name__ == "__main__":
    sys.exit(main())
