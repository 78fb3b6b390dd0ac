#!/usr/bin/env python3
"""Start-up and memory of two builds of the game, run by turns under Xvfb.

For each screen size and each program, in interleaved runs (A B A B ...):

  - mapped: seconds from the start of the process until its window is mapped,
  - first pixels: seconds until the first frame is painted and flushed,
  - RSS MB: resident memory two seconds after the first frame,
  - idle CPU %: processor time over wall time in the three seconds after that,
    with nothing happening on the screen.

It prints the medians of each and the ratios B/A. The machine is shared and
noisy: compare the ratios of one interleaved run, not numbers across runs.

    python3 tools/messen/start.py VORHER/steinfall NACHHER/steinfall \\
        --bildschirme 1024x768 1920x1080 3840x2160 --laeufe 7 [--nur-b-argumente ...]
"""

import argparse
import os
import statistics
import subprocess
import sys
import threading
import time

from xvfb import xvfb_starten


def proc_wert(pid, datei, schluessel):
    with open(f"/proc/{pid}/{datei}") as f:
        for zeile in f:
            if zeile.startswith(schluessel):
                return int(zeile.split()[1])
    raise RuntimeError(schluessel)


def cpu_sekunden(pid):
    with open(f"/proc/{pid}/stat") as f:
        felder = f.read().rsplit(")", 1)[1].split()
    return (int(felder[11]) + int(felder[12])) / os.sysconf("SC_CLK_TCK")


def lauf(programm, argumente, groesse):
    xvfb, anzeige = xvfb_starten(groesse)
    umgebung = dict(os.environ, DISPLAY=anzeige, STEINFALL_ERSTES_BILD="1")
    umgebung.pop("STEINFALL_ORIGINALGROESSE", None)
    try:
        start = time.time()
        spiel = subprocess.Popen([programm, *argumente], env=umgebung, stderr=subprocess.PIPE,
                                 stdout=subprocess.DEVNULL, text=True)
        gemalt = threading.Event()
        werte = {}

        def stderr_lesen():
            for zeile in spiel.stderr:
                if zeile.startswith("erstes Bild "):
                    werte["first pixels s"] = float(zeile.split()[2]) - start
                    gemalt.set()

        threading.Thread(target=stderr_lesen, daemon=True).start()
        # xdotool's own --sync looks only twice a second.
        grenze = start + 60
        while subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Steinfall$"],
                             env=umgebung, capture_output=True).returncode != 0:
            if time.time() > grenze:
                raise RuntimeError("no window")
            time.sleep(0.005)
        werte["mapped s"] = time.time() - start
        if not gemalt.wait(60):
            raise RuntimeError("no first frame")
        time.sleep(2)
        werte["RSS MB"] = proc_wert(spiel.pid, "status", "VmRSS:") / 1024
        cpu0, wand0 = cpu_sekunden(spiel.pid), time.time()
        time.sleep(3)
        werte["idle CPU %"] = 100 * (cpu_sekunden(spiel.pid) - cpu0) / (time.time() - wand0)
        spiel.kill()
        spiel.wait()
        return werte
    finally:
        xvfb.kill()
        xvfb.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("a", help="the program measured first (before)")
    parser.add_argument("b", help="the program measured second (after)")
    parser.add_argument("--bildschirme", nargs="+", default=["1024x768", "1920x1080", "3840x2160"])
    parser.add_argument("--laeufe", type=int, default=5)
    parser.add_argument("--b-argumente", nargs="*", default=[],
                        help="arguments for B alone, e.g. --originalgroesse")
    args = parser.parse_args()

    for groesse in args.bildschirme:
        ergebnisse = {"A": [], "B": []}
        # B once first: a new scale is drawn once and then kept.
        lauf(args.b, args.b_argumente, groesse)
        for _ in range(args.laeufe):
            ergebnisse["A"].append(lauf(args.a, [], groesse))
            ergebnisse["B"].append(lauf(args.b, args.b_argumente, groesse))
        print(f"{groesse}:")
        for name in ergebnisse["A"][0]:
            a = statistics.median(w[name] for w in ergebnisse["A"])
            b = statistics.median(w[name] for w in ergebnisse["B"])
            verhaeltnis = f"{b / a:.2f}" if a > 0 else "-"
            print(f"  {name:15} A {a:8.3f}  B {b:8.3f}  B/A {verhaeltnis}")
        sys.stdout.flush()


if __name__ == "__main__":
    sys.exit(main())
