#!/usr/bin/env python3
"""Monkey test of the real window (under Xvfb, DISPLAY set): seeded random
clicks, drags on the picture buttons, option clicks, keys and box answers.
Every few events the game is left to settle, and the 42 holes are read off a
screenshot: no stray colour, no floating stone, the computer never behind and
at most one ahead. A crash, a hang (no answer for 5 s) or growing memory fail.
    affe.py SPIEL ASSETS EREIGNISSE SAAT SEKUNDEN   (0 seconds: no time limit)"""

import functools
import os
import random
import subprocess
import sys
import time

import schirm
from schirm import Haengt as Fehler, bild

FRIST = 5  # seconds without an answer that count as a hang
LOECHER = [schirm.loch(i % 7, i // 7) for i in range(42)]
_, _, SX, SY = schirm.ort("status")
STATUS = [(x, y) for x in range(SX + 2, SX + 440, 3) for y in range(SY + 2, SY + 16, 2)]
KNOEPFE = {name: schirm.ort(f"knopf_{name}")[2:]
           for name in ("neu", "anleitung", "info", "beenden")}
OPTIONEN = [schirm.ort(f"opt_{name}")
            for name in ("spieler", "computer", "anfaenger", "experte", "profi")]
FENSTER = schirm.titel(schirm.MELDUNGEN, schirm.FRAGEN, schirm.NEBENFENSTER)
ZURUECK = {"Anleitung": (280, 433), "Copyright": (200, 267)}  # where their buttons sit
TASTEN = ["s", "S", "a", "A", "Return", "Escape", "space"]
xdo = functools.partial(schirm.xdo, frist=FRIST)


class Affe:
    def __init__(self, spiel, assets, saat):
        self.zufall = random.Random(saat)
        # A stone picture's centre colour tells the stone.
        self.steine = {tuple(schirm.aufruf("convert", f"{assets}/stein_{name}.png", "-crop",
                                           "1x1+20+20", "-depth", "8", "rgb:-")): zeichen
                       for name, zeichen in [("spieler", "X"), ("computer", "O"), ("hervor", "H")]}
        self.log = open(os.environ.get("AFFE_LOG", "/dev/null"), "w")
        self.spiel = subprocess.Popen([spiel], stdout=self.log, stderr=self.log)
        self.fenster = schirm.fenster("^Steinfall$", FRIST)[0]
        self.leer = self.idle = None
        self.speicher = []
        self.nr = 0

    def lesen(self):
        b = bild()
        return [b(*p) for p in LOECHER], [b(*p) for p in STATUS]

    def fenster_offen(self):
        ids = xdo("search", "--onlyvisible", "--name", FENSTER).split()
        offen = [(i, xdo("getwindowname", i).strip()) for i in ids]
        # An open box blocks the side windows' buttons: boxes first.
        return sorted(offen, key=lambda f: f[1] in ZURUECK)

    def antworten(self, fid, name):
        geo = dict(z.split("=", 1) for z in xdo("getwindowgeometry", "--shell", fid).split())
        if "X" not in geo:
            return None  # closed meanwhile
        x, y, w, h = (int(geo[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))
        if name in ZURUECK:  # a side window's own button
            return xdo("mousemove", x + ZURUECK[name][0], y + ZURUECK[name][1], "click", 1)
        wahl = self.zufall.randrange(4)
        if name == "-=Beenden=-":  # only ever "Nein": the game must go on
            wahl = self.zufall.choice([0, 2])
        if wahl == 0:  # the last button: "Nein" or "OK"
            return xdo("mousemove", x + w - 48, y + h - 23, "click", 1)
        if wahl == 1:  # "Ja" where there are two
            return xdo("mousemove", x + w - 133, y + h - 23, "click", 1)
        return xdo("windowfocus", fid, "key", ["Return", "Escape", "space"][wahl - 1])

    def zur_ruhe(self, grenze=30):
        """Answers every box until the status line is idle and the screen stands still."""
        ende, vorher, jetzt = time.monotonic() + grenze, None, ([], [])
        while time.monotonic() < ende:
            self.lebt()
            offen = self.fenster_offen()
            if offen:
                self.antworten(*offen[0])
                vorher = None
                continue
            jetzt = self.lesen()
            if jetzt == vorher and (self.idle is None or jetzt[1] == self.idle):
                return jetzt
            vorher = jetzt
            time.sleep(0.15)
        raise Fehler(f"kommt in {grenze} s nicht zur Ruhe: Statuszeile "
                     f"{'wie' if jetzt[1] == self.idle else 'anders als'} in Ruhe, Brett "
                     f"{self.brett(jetzt[0])}")

    def lebt(self):
        if self.spiel.poll() is not None:
            raise Fehler(f"das Spiel ist beendet, Rückgabewert {self.spiel.returncode}")

    def brett(self, loecher):
        return "".join("." if f == self.leer[i] else self.steine.get(f, "?")
                       for i, f in enumerate(loecher))

    def verstoesse(self, b):
        fehler = [f"Loch {i} zeigt {z}" for i, z in enumerate(b) if z in "?H"]
        fehler += [f"Stein über leerem Loch {i + 7}" for i in range(35)
                   if b[i] != "." and b[i + 7] == "."]
        if not 0 <= b.count("O") - b.count("X") <= 1:
            fehler.append(f"{b.count('X')} Steine des Spielers, {b.count('O')} des Computers")
        return fehler

    def pruefen(self):
        b = self.brett(self.zur_ruhe()[0])
        if self.verstoesse(b):  # a moment between two steps passes; a broken game stays
            time.sleep(1)
            b = self.brett(self.zur_ruhe()[0])
            if self.verstoesse(b):
                raise Fehler("; ".join(self.verstoesse(b)) + "\n" +
                             "\n".join(b[i:i + 7] for i in range(0, 42, 7)))
        # Still answering: a press on "Neues Spiel" shows its pressed look.
        x, y = KNOEPFE["neu"]
        vorher = bild()(x + 55, y + 13)
        xdo("mousemove", x + 55, y + 13, "mousedown", 1)
        beginn = time.monotonic()
        while bild()(x + 55, y + 13) == vorher and time.monotonic() < beginn + 6 * FRIST:
            pass
        dauer = time.monotonic() - beginn
        if dauer > FRIST:  # how long it stayed silent tells a hang from a starved machine
            raise Fehler(f"hängt: ein Knopfdruck ohne Antwort für {dauer:.0f} s")
        xdo("mousemove", 20, 20, "mouseup", 1)
        with open(f"/proc/{self.spiel.pid}/status") as status:
            self.speicher += [int(z.split()[1]) // 1024 for z in status if z.startswith("VmRSS")]

    def ereignis(self):
        z, art = self.zufall, self.zufall.random()
        punkt = (0, 0)
        if art < 0.35:  # the board, any button, sometimes twice in a hurry
            b, h, x, y = schirm.ort("brett")
            punkt = (z.randint(x, x + b), z.randint(y, y + h + 1))
            xdo("mousemove", *punkt, "click", "--repeat", z.choice([1, 1, 2, 3]), "--delay",
                z.randint(0, 150), z.choice([1, 1, 3]))
        elif art < 0.45:  # anywhere on the screen
            b, h, _, _ = schirm.ort("schirm")
            punkt = (z.randint(0, b - 1), z.randint(0, h - 1))
            xdo("mousemove", *punkt, "click", 1)
        elif art < 0.60:  # press, move, release on a picture button
            x, y = KNOEPFE[z.choice(list(KNOEPFE))]
            punkt = (x + z.randint(-20, 130), y + z.randint(-10, 40))
            xdo("mousemove", x + z.randint(0, 88), y + z.randint(0, 26), "mousedown", 1,
                "mousemove", *punkt, "mouseup", 1)
        elif art < 0.72:
            punkt = z.choice(OPTIONEN)
            xdo("mousemove", *punkt, "click", 1)
        elif art < 0.90:
            xdo("windowfocus", self.fenster, "key", z.choice(TASTEN))
        else:
            for fid, name in self.fenster_offen():
                self.antworten(fid, name)
        # A release on the exit button: its question is answered "Nein" at once.
        x, y = punkt
        ende = time.monotonic() + (1 if schirm.in_region("knopf_beenden", x, y) else 0)
        while time.monotonic() < ende:
            if beenden := [f for f in self.fenster_offen() if f[1] == "-=Beenden=-"]:
                self.antworten(*beenden[0])
                break
        time.sleep(z.random() * 0.05)

    def laufen(self, anzahl, schluss):
        self.leer, self.idle = self.zur_ruhe()
        naechste = 0
        for nr in range(anzahl):
            self.nr = nr
            if time.monotonic() > schluss:
                print(f"Zeit um nach {nr} Ereignissen")
                break
            if nr == naechste:
                self.pruefen()
                naechste += self.zufall.randint(10, 40)
            self.ereignis()
        self.pruefen()


def main():
    spiel, assets, anzahl, saat, sekunden = sys.argv[1:3] + [int(a) for a in sys.argv[3:6]]
    print(f"Saat {saat}, {anzahl} Ereignisse", flush=True)
    beginn = time.monotonic()
    affe = Affe(spiel, assets, saat)
    try:
        affe.laufen(anzahl, beginn + (sekunden or float("inf")))
        mb = affe.speicher
        print(f"{affe.nr + 1} Ereignisse, {len(mb)} Prüfungen in {time.monotonic() - beginn:.0f} s; "
              f"Speicher (MB) erst {mb[0]}, nach einem Zehntel {mb[len(mb) // 10]}, zuletzt {mb[-1]}")
        # After the warm-up the game holds nothing per event.
        if mb[-1] > mb[len(mb) // 10] + 30:
            raise Fehler("der Speicher wächst")
        print("OK")
        return 0
    except Fehler as f:
        print(f"FEHLER bei Ereignis {affe.nr} nach {time.monotonic() - beginn:.0f} s: {f}\n"
              f"Saat {saat}")
        return 1
    finally:
        affe.spiel.kill()
        affe.spiel.wait()


if __name__ == "__main__":
    sys.exit(main())
