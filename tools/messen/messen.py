#!/usr/bin/env python3
"""Measures the game as a player meets it, under Xvfb.

A run starts the game, picks "Profi" and clicks 21 times into the columns in
turn (full columns are skipped), waiting after each click until the computer
has answered and answering every end-of-game box. It reports

  - processor time over wall time of the whole run (target below 0.1),
  - peak memory, VmHWM (target below 100 MB),
  - time from the start of the process to its first painted window
    (target below 0.5 s),

and the medians over all runs.

    python3 tools/messen/messen.py build/bin/steinfall [--laeufe 5]
"""

import argparse
import os
import statistics
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tests", "werkzeug"))
import schirm  # noqa: E402

KLICKS = 21
ENDBOXEN = schirm.titel(schirm.MELDUNGEN)
TAKT = 0.05             # seconds between two looks at the screen
RUHIG = 0.4             # the screen must stand still this long
FRIST = 60.0            # longest wait for one move


def xdotool(*argumente):
    return schirm.xdo(*argumente).split()


def loecher():
    pixel = schirm.bild()
    return [pixel(*schirm.loch(c, r)) for r in range(6) for c in range(7)]


class Lauf:
    def __init__(self, spiel):
        self.spiel = spiel
        self.erstes_bild = None

    def __enter__(self):
        lesen, schreiben = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(schreiben), "-screen", "0", "1024x768x24", "-noreset"],
            pass_fds=[schreiben], stderr=subprocess.DEVNULL)
        os.close(schreiben)
        with os.fdopen(lesen) as anzeige:
            os.environ["DISPLAY"] = ":" + anzeige.readline().strip()
        umgebung = dict(os.environ, STEINFALL_ERSTES_BILD="1")
        self.start = time.time()
        self.prozess = subprocess.Popen([self.spiel], env=umgebung, stderr=subprocess.PIPE,
                                        stdout=subprocess.DEVNULL, text=True)
        self.gemalt = threading.Event()
        threading.Thread(target=self._stderr_lesen, daemon=True).start()
        return self

    def _stderr_lesen(self):
        for zeile in self.prozess.stderr:
            if zeile.startswith("erstes Bild "):
                self.erstes_bild = float(zeile.split()[2]) - self.start
                self.gemalt.set()

    def __exit__(self, *_):
        for prozess in (self.prozess, self.xvfb):
            prozess.kill()
            prozess.wait()

    def proc(self, datei):
        with open(f"/proc/{self.prozess.pid}/{datei}") as f:
            return f.read()

    def endbox_beantworten(self):
        boxen = xdotool("search", "--onlyvisible", "--name", ENDBOXEN)
        for box in boxen:
            xdotool("windowfocus", "--sync", box)
            xdotool("key", "--clearmodifiers", "Return")
        return bool(boxen)

    def warten_bis_ruhig(self, leer, vorher_steine):
        """Waits until the move is over: two stones more, or a new game after
        an end box, and the board unchanged for RUHIG seconds."""
        ende_gesehen = False
        letzte, seit = None, time.time()
        grenze = time.time() + FRIST
        while time.time() < grenze:
            time.sleep(TAKT)
            if self.endbox_beantworten():
                ende_gesehen = True
                letzte = None
                continue
            jetzt = loecher()
            if jetzt != letzte:
                letzte, seit = jetzt, time.time()
                continue
            steine = sum(a != b for a, b in zip(jetzt, leer))
            fertig = steine == vorher_steine + 2 or (ende_gesehen and steine == 0)
            if fertig and time.time() - seit >= RUHIG:
                return jetzt
        raise RuntimeError("the computer did not answer in time")

    def spielen(self):
        schirm.fenster("^Steinfall$")
        if not self.gemalt.wait(30):
            raise RuntimeError("no first paint reported")
        leer = loecher()
        xdotool("mousemove", "--sync", *schirm.ort("opt_profi"), "click", "1")

        brett, spalte = leer, 0
        for _ in range(KLICKS):
            steine = sum(a != b for a, b in zip(brett, leer))
            while brett[spalte] != leer[spalte]:  # top hole taken: column full
                spalte = (spalte + 1) % 7
            xdotool("mousemove", "--sync", *schirm.spalte(spalte), "click", "1")
            brett = self.warten_bis_ruhig(leer, steine)
            spalte = (spalte + 1) % 7

        wand = time.time() - self.start
        stat = self.proc("stat").rsplit(")", 1)[1].split()
        takte = os.sysconf("SC_CLK_TCK")
        cpu = (int(stat[11]) + int(stat[12])) / takte  # utime + stime
        hwm = next(int(z.split()[1]) for z in self.proc("status").splitlines()
                   if z.startswith("VmHWM:"))
        return {"CPU/Wand": cpu / wand, "VmHWM MB": hwm / 1024, "erstes Bild s": self.erstes_bild,
                "Dauer s": wand}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("spiel", help="path of the steinfall program")
    parser.add_argument("--laeufe", type=int, default=3)
    args = parser.parse_args()

    ergebnisse = []
    for lauf in range(1, args.laeufe + 1):
        with Lauf(os.path.realpath(args.spiel)) as l:
            werte = l.spielen()
        ergebnisse.append(werte)
        print(f"Lauf {lauf}: " + ", ".join(f"{k} {v:.3f}" for k, v in werte.items()), flush=True)

    print("Median:  " + ", ".join(
        f"{k} {statistics.median(w[k] for w in ergebnisse):.3f}" for k in ergebnisse[0]))
    ziele = {"CPU/Wand": 0.1, "VmHWM MB": 100, "erstes Bild s": 0.5}
    for name, ziel in ziele.items():
        median = statistics.median(w[name] for w in ergebnisse)
        print(f"  {name}: {median:.3f} ({'ok' if median < ziel else 'ZU HOCH'}, Ziel < {ziel})")


if __name__ == "__main__":
    sys.exit(main())
