#!/usr/bin/env python3
"""The real window on an X screen, for the end-to-end tests and the
measuring tools: where things are, xdotool and other screen commands with a
deadline, the screen's pixels, the titles of the game's boxes.

    schirm.py ort NAME [FAKTOR]    a point "X Y" or a region "WxH+X+Y"
    schirm.py mitte NAME [FAKTOR]  the middle of a region, "X Y"
    schirm.py spalte C [FAKTOR]    where a click drops into column C (0..6)"""

import struct
import subprocess
import sys
import time

# Every place on the 1024 x 768 test screen, in logical pixels: a point
# (x, y) or a region (width, height, left, top). The game area lies in the
# middle of the screen.
ORTE = {
    "schirm": (1024, 768, 0, 0),
    "mitte": (512, 384),
    "spielbereich": (640, 480, 192, 144),
    # The board picture down to the status line, which covers its last row.
    "brett": (440, 344, 360, 232),
    # The middle of the top-left hole and the steps to the next column, row.
    "loch": (400, 267),
    "lochabstand": (60, 55),
    # Where a click drops into the first column.
    "spalte": (400, 300),
    "knopf_neu": (110, 27, 213, 240),
    "knopf_anleitung": (110, 27, 213, 276),
    "knopf_info": (110, 27, 213, 312),
    "knopf_beenden": (89, 27, 736, 592),
    "status": (441, 17, 360, 576),
    "opt_spieler": (240, 400),
    "opt_computer": (240, 424),
    "opt_anfaenger": (240, 488),
    "opt_experte": (240, 512),
    "opt_profi": (240, 536),
    # The side windows' buttons where the windows open without a window manager.
    "anleitung_zurueck": (512, 587),
    "info_ok": (512, 501),
    # Off the board and the buttons, for a pointer that must not be seen.
    "abseits": (1000, 740),
}

ENDE = ("Sieg", "Niederlage", "Unentschieden")
MELDUNGEN = ENDE + ("Aufwachen !",)
FRAGEN = ("Frage:", "-=Beenden=-")
NEBENFENSTER = ("Anleitung", "Copyright")


def ort(name, faktor=1):
    return tuple(faktor * v for v in ORTE[name])


def mitte(name, faktor=1):
    b, h, x, y = ort(name, faktor)
    return x + b // 2, y + h // 2


def spalte(c, faktor=1):
    x, y = ORTE["spalte"]
    return faktor * (x + ORTE["lochabstand"][0] * c), faktor * y


def loch(c, r):
    (x, y), (dx, dy) = ORTE["loch"], ORTE["lochabstand"]
    return x + dx * c, y + dy * r


def in_region(name, x, y):
    b, h, links, oben = ORTE[name]
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


def warten_bis(bedingung, frist, takt=0.1):
    """True as soon as bedingung() holds, False once frist seconds have passed."""
    ende = time.monotonic() + frist
    while not bedingung():
        if time.monotonic() > ende:
            return False
        time.sleep(takt)
    return True


def main(befehl, name, faktor="1"):
    faktor = int(faktor)
    if befehl == "spalte":
        werte = spalte(int(name), faktor)
    elif befehl == "mitte":
        werte = mitte(name, faktor)
    else:
        werte = ort(name, faktor)
    print("%dx%d+%d+%d" % werte if len(werte) == 4 else "%d %d" % werte)


if __name__ == "__main__":
    main(*sys.argv[1:])
