#!/usr/bin/env python3
"""A whole game as a blind player plays it: keys only (xdotool), and only what
a screen reader hears (AT-SPI). Run with DISPLAY and the session bus of a
started game whose accessibility bus is on.
    vorlesen.py SPRACHE SPIEL_PID
Checks that every control is focusable, named and pressable, plays a game
with the digits and then with the arrows and Return, hears the column of
every stone and finds it on the screen and in the board's description,
answers the end box with Return, opens and leaves the side windows with
Escape, and quits with Alt+F4 and the question."""

import os
import re
import struct
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

FRIST = 15  # seconds for anything awaited
TEXTE = {
    "de": dict(brett="Spielbrett", spieler=r"Spieler: Spalte (\d)",
               computer=r"Computer: Spalte (\d)", marke=r"Auswahl: Spalte (\d)",
               spalte="Spalte {}: {}", leer="leer", mensch="Spieler", rechner="Computer",
               anleitung="Anleitung", info="Info", fenster=["Anleitung", "Copyright"]),
    "en": dict(brett="Game board", spieler=r"You: column (\d)",
               computer=r"Computer: column (\d)", marke=r"Selected: column (\d)",
               spalte="Column {}: {}", leer="empty", mensch="you", rechner="computer",
               anleitung="Instructions", info="About", fenster=["Instructions", "About Steinfall"]),
}
# The human's columns (0..6), one a move, round and round; a full one is skipped.
REIHENFOLGE = [3, 2, 4, 1, 5, 0, 6]
ZIFFERNZUEGE = 3  # then the arrows and Return
# Middles of the stones in twips on the 6600 x 5175 board picture.
BREITE, HOEHE = 6600, 5175


class Fehler(Exception):
    pass


class Ohr:
    """The events a screen reader gets, collected while the main loop is pumped."""

    def __init__(self):
        self.namen, self.fokus = [], []
        self.beschreibungen = 0  # changes of the board's description
        pyatspi.Registry.registerEventListener(
            self.hoeren, "object:property-change:accessible-name",
            "object:property-change:accessible-description", "object:state-changed:focused")
        # Wakes the blocking loop below at least every 20 ms.
        GLib.timeout_add(20, lambda: True)

    def hoeren(self, e):
        try:
            rolle = e.source.getRoleName()
            if e.type == "object:state-changed:focused":
                if e.detail1:
                    self.fokus.append((rolle, e.source.name))
            elif rolle == "image" and e.type.endswith("accessible-name"):
                self.namen.append(str(e.any_data))
            elif rolle == "image":
                self.beschreibungen += 1
        except Exception:  # an object gone meanwhile
            pass

    def warten(self, bedingung, was, frist=FRIST):
        ende = time.monotonic() + frist
        kontext = GLib.MainContext.default()
        while True:
            while kontext.iteration(False):
                pass
            ergebnis = bedingung()
            if ergebnis:
                return ergebnis
            if time.monotonic() > ende:
                raise Fehler(f"{was}: nach {frist} s nicht")
            kontext.iteration(True)


def taste(*tasten):
    subprocess.run(["xdotool", "key", *tasten], check=True, timeout=FRIST)


def bildschirm():
    """The screen as a function (x, y) -> (r, g, b), read from an X window dump."""
    d = subprocess.run(["xwd", "-root", "-silent"], capture_output=True, check=True,
                       timeout=FRIST).stdout
    kopf = struct.unpack(">25I", d[:100])
    start, zeile = kopf[0] + kopf[19] * 12, kopf[12]
    return lambda x, y: tuple(d[start + y * zeile + 4 * x + 2 - k] for k in range(3))


def klicken(knoten):
    """With the mouse: only to go on after a fault the keys could not get past."""
    x, y, w, h = knoten.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"],
                   check=True, timeout=FRIST)


def alle(wurzel, passt):
    gefunden, offen = [], [wurzel]
    while offen:
        knoten = offen.pop(0)
        try:
            if passt(knoten):
                gefunden.append(knoten)
            offen.extend(k for k in knoten if k is not None)
        except Exception:
            pass
    return gefunden


def zustand(knoten, z):
    return knoten.getState().contains(z)


def vier(brett, wer):
    """True when `wer` has four in a line; brett[c] is column c bottom-up."""
    def feld(c, r):
        return 0 <= c < 7 and 0 <= r < len(brett[c]) and brett[c][r] == wer
    return any(all(feld(c + k * dc, r + k * dr) for k in range(4))
               for c in range(7) for r in range(6)
               for dc, dr in [(1, 0), (0, 1), (1, 1), (1, -1)])


class Spieler:
    def __init__(self, sprache, pid):
        self.t = TEXTE[sprache]
        self.pid = pid
        self.ohr = Ohr()
        self.fehler = []
        self.app = self.ohr.warten(self.anwendung, "das Spiel im AT-SPI-Baum")
        self.haupt = next(f for f in self.app if f.name == "Steinfall")
        self.brett = self.ohr.warten(
            lambda: next(iter(alle(self.haupt, lambda k: k.getRoleName() == "image"
                                   and k.name.startswith(self.t["brett"]))), None),
            "das Brett")
        self.status = alle(self.haupt, lambda k: k.getRoleName() == "status bar")[0]
        self.klicken = self.status.name  # the idle status line
        self.marke = 3  # the marker starts over the middle column
        self.gehoert = 0  # names of the board already read

    def anwendung(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "steinfall":
                if any(f.name == "Steinfall" for f in app):
                    return app
        return None

    def nachricht(self, text):
        self.fehler.append(text)
        print("FEHLER:", text, flush=True)

    # Every control: focusable, named, and pressable where it acts.
    def controls_pruefen(self, wurzel):
        for k in alle(wurzel, lambda k: k.getRoleName() in ("push button", "radio button", "link")
                      or k.getRoleName() == "image" and k.name.startswith(self.t["brett"])):
            if k.getRoleName() == "push button" and not zustand(k, pyatspi.STATE_SHOWING):
                continue  # the pressed look of a picture button
            name = k.name or f"({k.getRoleName()} ohne Namen)"
            if not k.name:
                self.nachricht(f"{name} hat keinen Namen")
            if not zustand(k, pyatspi.STATE_FOCUSABLE):
                self.nachricht(f"{name} ist nicht fokussierbar")
            if k.getRoleName() == "image":
                continue  # the board takes keys, not presses
            try:
                aktion = k.queryAction()
                namen = [aktion.getName(i).lower() for i in range(aktion.nActions)]
            except NotImplementedError:
                namen = []
            if not {"press", "toggle", "click"} & set(namen):
                self.nachricht(f"{name} lässt sich nicht drücken (Aktionen {namen})")

    # The board on the screen: for each hole, whether it differs from the empty board.
    def loecher(self):
        x, y, w, h = self.brett.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        b = bildschirm()
        return [b(x + (600 + 900 * c) * w // BREITE, y + (525 + 825 * r) * h // HOEHE)
                for r in range(6) for c in range(7)]

    def brett_sehen(self, stand, frei):
        """Waits until the screen shows stones exactly where `stand` has them."""
        erwartet = [[5 - r < len(stand[c]) for c in range(7)] for r in range(6)]

        def gleich():
            jetzt = self.loecher()
            return all((jetzt[r * 7 + c] != frei[r * 7 + c]) == erwartet[r][c]
                       for r in range(6) for c in range(7))
        self.ohr.warten(gleich, f"der Bildschirm zeigt das Brett {stand}")

    def beschreibung_erwartet(self, stand):
        namen = {"S": self.t["mensch"], "C": self.t["rechner"]}
        return "; ".join(self.t["spalte"].format(c + 1, ", ".join(namen[s] for s in stand[c])
                                                 or self.t["leer"]) for c in range(7))

    def hoeren(self, muster, was):
        """The next name of the board that tells `muster`; returns its column (1..7)."""
        def neu():
            while self.gehoert < len(self.ohr.namen):
                name = self.ohr.namen[self.gehoert]
                self.gehoert += 1
                if m := re.search(muster, name):
                    return int(m.group(1))
            return None
        return self.ohr.warten(neu, was)

    def dialog(self):
        """An open box or side window of the game, else None."""
        if not os.path.exists(f"/proc/{self.pid}"):
            raise Fehler("das Spiel ist beendet")
        for f in self.app:
            if f is not None and f.name != "Steinfall" and zustand(f, pyatspi.STATE_SHOWING):
                return f
        return None

    def spielen(self):
        frei = self.loecher()
        stand = [[] for _ in range(7)]
        zug = 0
        while True:
            beschreibungen = self.ohr.beschreibungen
            ziel = next(c for i in range(zug, zug + 7) if len(stand[c := REIHENFOLGE[i % 7]]) < 6)
            if zug < ZIFFERNZUEGE:
                taste(str(ziel + 1))
            else:
                schritte = (ziel - self.marke) % 7
                for _ in range(schritte):
                    taste("Right")
                marke = self.t["marke"].replace("(\\d)", f"({ziel + 1})")
                if schritte:
                    self.hoeren(marke, f"die Markierung über Spalte {ziel + 1}")
                elif not re.search(marke, self.brett.name):
                    raise Fehler(f"die Markierung steht nicht über Spalte {ziel + 1}: "
                                 f"{self.brett.name!r}")
                taste("Return")
            self.marke = ziel
            spalte = self.hoeren(self.t["spieler"], f"Zug {zug + 1}: der eigene Stein")
            if spalte != ziel + 1:
                raise Fehler(f"Zug {zug + 1}: Stein in Spalte {spalte} gehört, {ziel + 1} gewollt")
            stand[ziel].append("S")
            steine = 1
            if not vier(stand, "S") and sum(map(len, stand)) < 42:
                spalte = self.hoeren(self.t["computer"], f"Zug {zug + 1}: der Stein des Computers")
                stand[spalte - 1].append("C")
                steine = 2
            print(f"Zug {zug + 1}: Spieler {ziel + 1}, Computer {spalte}", flush=True)
            self.brett_sehen(stand, frei)
            if self.brett.description != self.beschreibung_erwartet(stand):
                raise Fehler(f"Beschreibung {self.brett.description!r}, "
                             f"erwartet {self.beschreibung_erwartet(stand)!r}")
            ende = vier(stand, "S") or vier(stand, "C") or sum(map(len, stand)) == 42
            if ende:
                # The flash of the line comes before the box and tells nothing new.
                box = self.ohr.warten(self.dialog, "das Ende-Fenster")
                print(f"Ende: {box.getRoleName()} {box.name!r}", flush=True)
            else:
                self.ohr.warten(lambda: self.status.name == self.klicken, "wieder am Zug")
            # One change of the description for each stone, none more.
            if self.ohr.beschreibungen - beschreibungen != steine:
                raise Fehler(f"Zug {zug + 1}: {self.ohr.beschreibungen - beschreibungen} "
                             f"Änderungen der Beschreibung für {steine} Steine")
            if ende:
                break
            zug += 1
        # The end box answered with Return; the new game is told empty, once.
        beschreibungen = self.ohr.beschreibungen
        taste("Return")
        self.ohr.warten(lambda: self.dialog() is None, "das Ende-Fenster schließt")
        leer = self.beschreibung_erwartet([[] for _ in range(7)])
        self.ohr.warten(lambda: self.brett.description == leer, "das leere Brett beschrieben")
        self.brett_sehen([[] for _ in range(7)], frei)
        if self.ohr.beschreibungen - beschreibungen != 1:
            raise Fehler(f"{self.ohr.beschreibungen - beschreibungen} Änderungen der "
                         "Beschreibung beim neuen Spiel")

    # Tab to a picture button and press it with Return; else note the fault and
    # click it, so the rest can still be checked.
    def knopf_druecken(self, name):
        for _ in range(16):
            vorher = len(self.ohr.fokus)
            taste("Tab")
            try:
                self.ohr.warten(lambda: len(self.ohr.fokus) > vorher, "Fokus", frist=2)
            except Fehler:
                break
            if self.ohr.fokus[-1] == ("push button", name):
                taste("Return")
                return
        self.nachricht(f"'{name}' mit Tab nicht erreichbar")
        klicken(alle(self.haupt, lambda k: k.getRoleName() == "push button" and k.name == name
                     and zustand(k, pyatspi.STATE_SHOWING))[0])

    def nebenfenster(self, knopf, titel):
        self.knopf_druecken(knopf)
        fenster = self.ohr.warten(self.dialog, f"das Fenster '{titel}'")
        if fenster.name != titel:
            raise Fehler(f"Fenster {fenster.name!r} statt {titel!r}")
        self.controls_pruefen(fenster)
        taste("Escape")
        try:
            self.ohr.warten(lambda: self.dialog() is None, f"Escape schließt '{titel}'", frist=3)
        except Fehler as f:
            self.nachricht(str(f))
            klicken(alle(fenster, lambda k: k.getRoleName() == "push button"
                         and zustand(k, pyatspi.STATE_SHOWING))[0])
            self.ohr.warten(lambda: self.dialog() is None, f"'{titel}' schließt")

    def beenden(self):
        taste("alt+F4")
        try:
            frage = self.ohr.warten(self.dialog, "Alt+F4 stellt die Frage", frist=3)
        except Fehler as f:
            self.nachricht(f"Alt+F4 stellt die Frage nicht: {f}")
            if os.path.exists(f"/proc/{self.pid}"):
                os.kill(self.pid, 15)
            return
        print(f"Frage: {frage.getRoleName()} {frage.name!r}", flush=True)
        taste("Return")
        self.ohr.warten(lambda: not os.path.exists(f"/proc/{self.pid}"), "das Spiel endet")


def main():
    sprache, pid = sys.argv[1], int(sys.argv[2])
    try:
        s = Spieler(sprache, pid)
        s.ohr.warten(lambda: zustand(s.brett, pyatspi.STATE_FOCUSED),
                     "das Brett hat zu Beginn den Fokus", frist=5)
        s.controls_pruefen(s.haupt)
        s.spielen()
        s.nebenfenster(s.t["anleitung"], s.t["fenster"][0])
        s.nebenfenster(s.t["info"], s.t["fenster"][1])
        s.beenden()
    except Fehler as f:
        print(f"FEHLER ({sprache}): {f}", flush=True)
        return 1
    if s.fehler:
        print(f"{len(s.fehler)} Fehler ({sprache})", flush=True)
        return 1
    print(f"OK ({sprache})", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
