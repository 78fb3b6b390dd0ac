#!/usr/bin/env python3
"""A whole game as a blind player plays it: keys only (xdotool), and only what
a screen reader hears (AT-SPI). Run with DISPLAY and the session bus of a
started game whose accessibility bus is on.
    vorlesen.py SPRACHE SPIEL_PID
Checks that every control is focusable, named and pressable, plays a game
with the digits and then with the arrows and Return, hears the column of
every stone and finds it in the board's description,
answers the end box with Return, opens and leaves the side windows with
Escape, and quits by Tab to "Beenden", Return and the question."""

import os
import re
import sys

import pyatspi
from gi.repository import GLib

import schirm

FRIST = 15  # seconds for anything awaited
TEXTE = {
    "de": dict(brett="Spielbrett", spieler=r"Spieler: Spalte (\d)",
               computer=r"Computer: Spalte (\d)", marke=r"Auswahl: Spalte ({})",
               spalte="Spalte {}: {}", leer="leer", S="Spieler", C="Computer",
               fenster=[("Anleitung", "Anleitung"), ("Info", "Copyright")], beenden="Beenden"),
    "en": dict(brett="Game board", spieler=r"You: column (\d)",
               computer=r"Computer: column (\d)", marke=r"Selected: column ({})",
               spalte="Column {}: {}", leer="empty", S="you", C="computer",
               fenster=[("Instructions", "Instructions"), ("About", "About Steinfall")],
               beenden="Quit"),
    "fr": dict(brett="Plateau de jeu", spieler=r"Joueur : colonne (\d)",
               computer=r"Ordinateur : colonne (\d)", marke=r"Sélection : colonne ({})",
               spalte="Colonne {} : {}", leer="vide", S="joueur", C="ordinateur",
               fenster=[("Règles", "Règles"), ("À propos", "À propos de Steinfall")],
               beenden="Quitter"),
}
# The human's columns (0..6), one a move, round and round; a full one is skipped.
REIHENFOLGE = [3, 2, 4, 1, 5, 0, 6]
ZIFFERNZUEGE = 3  # then the arrows and Return
# Controls by their role, which a screen reader goes by; the role's name
# differs between AT-SPI versions ("push button" in 2.46, "button" in 2.56).
BEDIENELEMENTE = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_LINK)


class Fehler(Exception):
    pass


def warten(bedingung, was, frist=FRIST):
    """Pumps the main loop (and so the events) until `bedingung` holds; returns it."""
    kontext = GLib.MainContext.default()

    def gepumpt():
        while kontext.iteration(False):
            pass
        return bedingung()
    if ergebnis := schirm.warten_bis(gepumpt, frist, schlafen=lambda: kontext.iteration(True)):
        return ergebnis
    raise Fehler(f"{was() if callable(was) else was}: nach {frist} s nicht")


def taste(*tasten):
    schirm.xdo("key", *tasten, frist=FRIST)


def alle(wurzel, passt):
    gefunden, offen = [], [wurzel]
    while offen:
        knoten = offen.pop(0)
        try:
            if passt(knoten):
                gefunden.append(knoten)
            offen.extend(k for k in knoten if k is not None)
        except Exception:  # an object gone meanwhile
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
        self.t, self.pid, self.fehler = TEXTE[sprache], pid, []
        # What a screen reader gets: the board's names, how often its
        # description changed, and what took the focus.
        self.namen, self.beschreibungen, self.fokus = [], 0, []
        self.gehoert = 0  # names already read
        pyatspi.Registry.registerEventListener(
            self.hoeren, "object:property-change:accessible-name",
            "object:property-change:accessible-description", "object:state-changed:focused")
        GLib.timeout_add(20, lambda: True)  # wakes the blocking loop in warten()
        self.app = warten(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                        if a is not None and a.name == "steinfall"
                                        and any(f.name == "Steinfall" for f in a)), None),
                          "das Spiel im AT-SPI-Baum")
        self.haupt = next(f for f in self.app if f.name == "Steinfall")
        self.brett = warten(lambda: next(iter(alle(self.haupt, self.ist_brett)), None),
                            "das Brett")
        self.status = alle(self.haupt, lambda k: k.getRole() == pyatspi.ROLE_STATUS_BAR)[0]
        self.klicken = self.status.name  # the idle status line
        self.marke = 3  # the marker starts over the middle column

    def hoeren(self, e):
        try:
            if e.type == "object:state-changed:focused":
                if e.detail1:
                    self.fokus.append((e.source.getRole(), e.source.name))
            elif e.source.getRole() != pyatspi.ROLE_IMAGE:
                pass
            elif e.type.endswith("accessible-name"):
                self.namen.append(str(e.any_data))
            else:
                self.beschreibungen += 1
        except Exception:  # an object gone meanwhile
            pass

    def ist_brett(self, k):
        return k.getRole() == pyatspi.ROLE_IMAGE and k.name.startswith(self.t["brett"])

    # Every control: focusable, named, and pressable where it acts.
    def controls_pruefen(self, wurzel):
        knoepfe = 0
        for k in alle(wurzel, lambda k: k.getRole() in BEDIENELEMENTE
                      or self.ist_brett(k)):
            if k.getRole() == pyatspi.ROLE_PUSH_BUTTON:
                if not zustand(k, pyatspi.STATE_SHOWING):
                    continue  # the pressed look of a picture button
                knoepfe += 1
            name = k.name or f"({k.getRoleName()} ohne Namen)"
            fehlt = [] if k.name else ["Namen"]
            if not zustand(k, pyatspi.STATE_FOCUSABLE):
                fehlt.append("Fokus")
            if not self.ist_brett(k):  # the board takes keys, not presses
                try:
                    a = k.queryAction()
                    if not {"press", "toggle", "click"} & {a.getName(i).lower()
                                                           for i in range(a.nActions)}:
                        fehlt.append("Drücken")
                except NotImplementedError:
                    fehlt.append("Drücken")
            if fehlt:
                self.fehler.append(f"{name}: ohne {', '.join(fehlt)}")
                print("FEHLER:", self.fehler[-1], flush=True)
        if not knoepfe:
            raise Fehler(f"kein Knopf in '{wurzel.name}'")

    def beschrieben(self, stand):
        """Waits until the board's description tells the stones of `stand`."""
        text = "; ".join(self.t["spalte"].format(c + 1, ", ".join(self.t[s] for s in stand[c])
                                                 or self.t["leer"]) for c in range(7))
        warten(lambda: self.brett.description == text,
               lambda: f"Beschreibung {self.brett.description!r}, erwartet {text!r}")

    def hoeren_bis(self, muster, was):
        """The next name of the board that tells `muster`; returns its column (1..7)."""
        def neu():
            while self.gehoert < len(self.namen):
                self.gehoert += 1
                if m := re.search(muster, self.namen[self.gehoert - 1]):
                    return int(m.group(1))
        return warten(neu, was)

    def dialog(self):
        """An open box or side window of the game, else None."""
        if not os.path.exists(f"/proc/{self.pid}"):
            raise Fehler("das Spiel ist beendet")
        return next((f for f in self.app if f is not None and f.name != "Steinfall"
                     and zustand(f, pyatspi.STATE_SHOWING)), None)

    def zu(self, was, frist=FRIST):
        warten(lambda: self.dialog() is None, was, frist)

    def einmal_beschrieben(self, vorher, steine, was):
        """One change of the description for each stone, none more."""
        if self.beschreibungen - vorher != steine:
            raise Fehler(f"{was}: {self.beschreibungen - vorher} Änderungen der "
                         f"Beschreibung für {steine} Steine")

    def spielen(self):
        stand = [[] for _ in range(7)]
        for zug in range(1, 43):
            vorher = self.beschreibungen
            ziel = next(c for i in range(zug - 1, zug + 6)
                        if len(stand[c := REIHENFOLGE[i % 7]]) < 6)
            if zug <= ZIFFERNZUEGE:
                taste(str(ziel + 1))
            else:
                schritte = (ziel - self.marke) % 7
                marke = self.t["marke"].format(ziel + 1)
                if schritte:
                    taste(*["Right"] * schritte)
                    self.hoeren_bis(marke, f"die Markierung über Spalte {ziel + 1}")
                elif not re.search(marke, self.brett.name):
                    raise Fehler(f"Markierung nicht über Spalte {ziel + 1}: {self.brett.name!r}")
                taste("Return")
            self.marke = ziel
            spalte = self.hoeren_bis(self.t["spieler"], f"Zug {zug}: der eigene Stein")
            if spalte != ziel + 1:
                raise Fehler(f"Zug {zug}: Stein in Spalte {spalte} gehört, {ziel + 1} gewollt")
            stand[ziel].append("S")
            steine = 1
            if not vier(stand, "S") and sum(map(len, stand)) < 42:
                spalte = self.hoeren_bis(self.t["computer"], f"Zug {zug}: der Stein des Computers")
                stand[spalte - 1].append("C")
                steine = 2
            print(f"Zug {zug}: Spieler {ziel + 1}, Computer {spalte}", flush=True)
            self.beschrieben(stand)
            ende = vier(stand, "S") or vier(stand, "C") or sum(map(len, stand)) == 42
            if ende:
                # The flash of the line comes before the box and tells nothing new.
                box = warten(self.dialog, "das Ende-Fenster")
                print(f"Ende: {box.getRoleName()} {box.name!r}", flush=True)
            else:
                warten(lambda: self.status.name == self.klicken, "wieder am Zug")
            self.einmal_beschrieben(vorher, steine, f"Zug {zug}")
            if ende:
                break
        # The end box answered with Return; the new game is told empty, once.
        vorher = self.beschreibungen
        taste("Return")
        self.zu("das Ende-Fenster schließt")
        self.beschrieben([[] for _ in range(7)])
        self.einmal_beschrieben(vorher, 1, "das neue Spiel")

    def tab_zu(self, knopf):
        """Tab until the focus is told to be on the picture button `knopf`."""
        for _ in range(16):
            vorher = len(self.fokus)
            taste("Tab")
            warten(lambda: len(self.fokus) > vorher, f"'{knopf}' mit Tab erreichen", frist=2)
            if self.fokus[-1] == (pyatspi.ROLE_PUSH_BUTTON, knopf):
                break
        else:
            raise Fehler(f"'{knopf}' mit Tab nicht erreichbar, der Fokus ging an {self.fokus[-16:]}")

    def nebenfenster(self, knopf, titel):
        self.tab_zu(knopf)
        taste("Return")
        fenster = warten(self.dialog, f"das Fenster '{titel}'")
        if fenster.name != titel:
            raise Fehler(f"Fenster {fenster.name!r} statt {titel!r}")
        self.controls_pruefen(fenster)
        taste("Escape")
        self.zu(f"Escape schließt '{titel}'", frist=3)

    def beenden(self):
        self.tab_zu(self.t["beenden"])
        taste("Return")
        frage = warten(self.dialog, f"'{self.t['beenden']}' stellt die Frage", frist=3)
        print(f"Frage: {frage.getRoleName()} {frage.name!r}", flush=True)
        # A screen reader reads the question once it has the keyboard.
        warten(lambda: zustand(frage, pyatspi.STATE_ACTIVE), "die Frage ist aktiv", frist=3)
        taste("Return")
        warten(lambda: not os.path.exists(f"/proc/{self.pid}"), "das Spiel endet")


def main():
    sprache, pid = sys.argv[1], int(sys.argv[2])
    try:
        s = Spieler(sprache, pid)
        warten(lambda: zustand(s.brett, pyatspi.STATE_FOCUSED),
               "das Brett hat zu Beginn den Fokus", frist=5)
        s.controls_pruefen(s.haupt)
        s.spielen()
        for knopf, titel in s.t["fenster"]:
            s.nebenfenster(knopf, titel)
        s.beenden()
        if s.fehler:
            raise Fehler(f"{len(s.fehler)} Controls unvollständig")
    except Fehler as f:
        print(f"FEHLER ({sprache}): {f}", flush=True)
        return 1
    print(f"OK ({sprache})", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
