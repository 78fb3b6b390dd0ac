#!/usr/bin/env python3
"""The real window on an X screen, for the end-to-end tests and the
measuring tools: where things are, xdotool and other screen commands with a
deadline, the screen's pixels, the titles of the game's boxes.

Where things are comes from the game itself: `steinfall --geometrie`, run on
the same screen with the same environment as the game, names every control's
place and each hole's middle in screen pixels. spiel.sh writes it to the file
named by STEINFALL_GEOMETRIE; a Python driver can call geometrie_lesen().

    schirm.py ort NAME      a point "X Y" or a region "WxH+X+Y"
    schirm.py mitte NAME    the middle of a region, "X Y"
    schirm.py spalte C      where a click drops into column C (0..6)"""

import os
import struct
import subprocess
import sys
import time

_geometrie = {}


def geometrie_setzen(text):
    _geometrie.clear()
    for zeile in text.splitlines():
        name, *werte = zeile.split()
        if name == "loch":
            c, r, x, y = map(int, werte)
            _geometrie[("loch", c, r)] = (x, y)
        elif name != "faktor":
            _geometrie[name] = tuple(map(int, werte))


def geometrie_lesen(spiel, umgebung=None):
    """Asks the game where it lays things out on this screen."""
    geometrie_setzen(subprocess.run([spiel, "--geometrie"], env=umgebung, capture_output=True,
                                    text=True, timeout=30, check=True).stdout)


def _g(name):
    if not _geometrie:
        with open(os.environ["STEINFALL_GEOMETRIE"]) as datei:
            geometrie_setzen(datei.read())
    return _geometrie[name]


def _region(name):
    x, y, b, h = _g(name)
    return b, h, x, y


def _mitte(name):
    x, y, b, h = _g(name)
    return x + b // 2, y + h // 2


def loch(c, r):
    return _g(("loch", c, r))


def _schirm():
    b, h = map(int, subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True,
                                   text=True, timeout=10, check=True).stdout.split())
    return b, h, 0, 0


def _brett():
    # The board picture down to the status line, which covers its last rows.
    b, h, x, y = _region("picSpielfeld")
    return b, min(h, _g("lblStatus")[1] - y), x, y


def _im_fenster(knopf, fenster):
    kx, ky = _mitte(knopf)
    fx, fy, _, _ = _g(fenster)
    return kx - fx, ky - fy


def _abseits():
    # Off the board and the buttons: the game area's top right corner.
    x, y, b, _ = _g("picContainer")
    return x + b - 4, y + 4


ORTE = {
    "schirm": _schirm,
    "mitte": lambda: tuple(v // 2 for v in _schirm()[:2]),
    "spielbereich": lambda: _region("picContainer"),
    "brett": _brett,
    "knopf_neu": lambda: _region("picButtonNeuesSpiel"),
    "knopf_anleitung": lambda: _region("picButtonAnleitung"),
    "knopf_info": lambda: _region("picButtonCopyright"),
    "knopf_beenden": lambda: _region("picButtonExit"),
    "status": lambda: _region("lblStatus"),
    "opt_spieler": lambda: _mitte("optAnfangSp1"),
    "opt_computer": lambda: _mitte("optAnfangSp2"),
    "opt_anfaenger": lambda: _mitte("optStaerke1"),
    "opt_experte": lambda: _mitte("optStaerke3"),
    "opt_profi": lambda: _mitte("optStaerke4"),
    # The side windows' buttons where the windows open without a window manager.
    "anleitung_zurueck": lambda: _mitte("picButtonZurueck"),
    "info_ok": lambda: _mitte("cmdOK"),
    # The about window's OK within it, from the window's top-left corner.
    "ok_im_fenster": lambda: _im_fenster("cmdOK", "frmCopyright"),
    "abseits": _abseits,
}

ENDE = ("Sieg", "Niederlage", "Unentschieden")
MELDUNGEN = ENDE + ("Aufwachen !",)
FRAGEN = ("Frage:", "-=Beenden=-")
NEBENFENSTER = ("Anleitung", "Copyright")


def ort(name):
    return ORTE[name]()


def mitte(name):
    b, h, x, y = ort(name)
    return x + b // 2, y + h // 2


def spalte(c):
    return loch(c, 0)


def in_region(name, x, y):
    b, h, links, oben = ort(name)
    return links <= x <= links + b and oben <= y <= oben + h


def titel(*gruppen):
    """An xdotool name pattern for the windows with any of these titles."""
    return "^(" + "|".join(t for g in gruppen for t in g) + ")$"


class Haengt(Exception):
    pass


def aufruf(*befehl, frist=10, eingabe=None):
    """A screen command's output; a command that does not end in time hangs."""
    try:
        return subprocess.run(befehl, capture_output=True, timeout=frist, input=eingabe,
                              check=False).stdout
    except subprocess.TimeoutExpired:
        raise Haengt(f"hängt: {' '.join(befehl)} ohne Antwort nach {frist} s") from None


def xdo(*args, frist=10):
    return aufruf("xdotool", *map(str, args), frist=frist).decode(errors="replace")


def fenster(muster, frist=30):
    """The ids of the visible windows whose title matches, once there is one."""
    return xdo("search", "--sync", "--onlyvisible", "--name", muster, frist=frist).split()


def bild():
    """The screen as a function (x, y) -> (r, g, b), read from an X window dump."""
    d = aufruf("xwd", "-root", "-silent")
    kopf = struct.unpack(">25I", d[:100])
    start, zeile = kopf[0] + kopf[19] * 12, kopf[12]
    return lambda x, y: tuple(d[start + y * zeile + 4 * x + 2 - k] for k in range(3))


def warten_bis(bedingung, frist, takt=0.1, schlafen=None):
    """bedingung()'s value as soon as it holds, False once frist seconds have
    passed. Between two looks it sleeps takt seconds, or calls schlafen(),
    which waits for the next event of a driver's own main loop."""
    ende = time.monotonic() + frist
    while not (ergebnis := bedingung()):
        if time.monotonic() > ende:
            return False
        if schlafen:
            schlafen()
        else:
            time.sleep(takt)
    return ergebnis


def main(befehl, *namen):
    werte = {"mitte": mitte, "spalte": lambda c: spalte(int(c))}.get(befehl, ort)(namen[0])
    print("%dx%d+%d+%d" % werte if len(werte) == 4 else "%d %d" % werte)


if __name__ == "__main__":
    main(*sys.argv[1:])
