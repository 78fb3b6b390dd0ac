#!/usr/bin/env python3
"""Times any program from exec to its first pixels on the X server, as a black box.

The probe starts a fresh Xvfb without a window manager and connects to it
before the program runs. It watches the root window for top-level windows
being mapped (MapNotify) and for drawing anywhere on the screen (the DAMAGE
extension). A damaged rectangle inside a mapped window counts as the first
pixels once it shows more than one colour: the server's own fill of a
window's background is flat, a painted frame is not. The program needs no
help from itself, so two different programs are timed by the same measure.

For one run it reports

  - mapped s: from exec until the first top-level window is mapped,
  - first pixels s: from exec until the first painted, not flat, rectangle,
  - RSS MB: resident memory of the process two seconds after that.

With --speicher it also says where that memory lies, from /proc/<pid>/smaps:
the window buffer (System V shared memory, which MIT-SHM uses), heap,
anonymous mappings, the program's own file, Qt's libraries, other
libraries, fonts and other files, each in MB.

    python3 tools/messen/sonde.py --bildschirm 1920x1080 -- /usr/games/explosive-c4
"""

import argparse
import os
import select
import subprocess
import sys
import time

from Xlib import X, display
from Xlib.ext import damage
from xvfb import xvfb_starten

ZEILEN = 16         # rows of a damaged rectangle that are looked at
FRIST = 60.0        # longest wait for the first pixels


def rss_mb(pid):
    with open(f"/proc/{pid}/status") as f:
        for zeile in f:
            if zeile.startswith("VmRSS:"):
                return int(zeile.split()[1]) / 1024
    raise RuntimeError("no VmRSS")


def posten(pfad):
    """The heading of /proc/<pid>/smaps under which a mapping's memory falls."""
    if pfad.startswith("/SYSV"):
        return "window buffer"
    if pfad in ("[heap]", "[stack]"):
        return pfad.strip("[]")
    if not pfad or pfad.startswith("["):
        return "anonymous"
    name = os.path.basename(pfad)
    if name.startswith("libQt6"):
        return "Qt libraries"
    if ".so" in name:
        return "other libraries"
    if name.endswith((".ttf", ".otf", ".pfb")):
        return "fonts"
    return "program and other files"


def speicher_mb(pid, programm):
    """Resident MB per heading, the program's own file on its own."""
    summen = {}
    pfad = ""
    with open(f"/proc/{pid}/smaps") as f:
        for zeile in f:
            teile = zeile.split()
            if "-" in teile[0] and not teile[0].endswith(":"):
                pfad = teile[5] if len(teile) > 5 else ""
            elif teile[0] == "Rss:":
                name = "program" if pfad == programm else posten(pfad)
                summen[name] = summen.get(name, 0) + int(teile[1]) / 1024
    return summen


def schnitt(a, b):
    """The intersection of two rectangles (x, y, w, h), or None."""
    x0, y0 = max(a[0], b[0]), max(a[1], b[1])
    x1, y1 = min(a[0] + a[2], b[0] + b[2]), min(a[1] + a[3], b[1] + b[3])
    return (x0, y0, x1 - x0, y1 - y0) if x1 > x0 and y1 > y0 else None


def bemalt(wurzel, rechteck):
    """Whether a rectangle of the screen shows more than one colour."""
    x, y, w, h = rechteck
    farben = set()
    for i in range(min(ZEILEN, h)):
        zeile = y + i * h // min(ZEILEN, h)
        daten = wurzel.get_image(x, zeile, w, 1, X.ZPixmap, 0xFFFFFFFF).data
        farben.update(daten[j:j + 3] for j in range(0, len(daten), 4))
        if len(farben) > 1:
            return True
    return False


class Sonde:
    def __init__(self, anzeige):
        self.anzeige = display.Display(anzeige)
        if not self.anzeige.has_extension("DAMAGE"):
            raise RuntimeError("the X server has no DAMAGE extension")
        self.anzeige.damage_query_version()
        self.wurzel = self.anzeige.screen().root
        self.wurzel.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.schaden = self.wurzel.damage_create(damage.DamageReportRawRectangles)
        self.ereignis_schaden = self.anzeige.extension_event.DamageNotify
        self.anzeige.sync()

    def warten(self, start):
        """Seconds from start until mapped and until the first pixels."""
        fenster = {}
        gemappt = None
        grenze = start + FRIST
        while time.monotonic() < grenze:
            if not self.anzeige.pending_events():
                select.select([self.anzeige], [], [], grenze - time.monotonic())
                continue
            ereignis = self.anzeige.next_event()
            jetzt = time.monotonic()
            if ereignis.type == X.MapNotify and ereignis.event == self.wurzel:
                g = ereignis.window.get_geometry()
                fenster[ereignis.window.id] = (g.x, g.y, g.width, g.height)
                gemappt = gemappt or jetzt - start
            elif ereignis.type == X.ConfigureNotify and ereignis.window.id in fenster:
                fenster[ereignis.window.id] = (ereignis.x, ereignis.y,
                                               ereignis.width, ereignis.height)
            elif ereignis.type == X.UnmapNotify:
                fenster.pop(ereignis.window.id, None)
            elif ereignis.type == self.ereignis_schaden:
                a = ereignis.area
                for rechteck in fenster.values():
                    teil = schnitt((a.x, a.y, a.width, a.height), rechteck)
                    if teil and bemalt(self.wurzel, teil):
                        return gemappt, jetzt - start
        raise RuntimeError("no first pixels")


def lauf(befehl, groesse, umgebung=None, speicher=False):
    """One run of a command line under a fresh Xvfb; a dict of the values."""
    xvfb, anzeige = xvfb_starten(groesse)
    try:
        sonde = Sonde(anzeige)
        env = dict(umgebung or os.environ, DISPLAY=anzeige)
        env.pop("WAYLAND_DISPLAY", None)
        start = time.monotonic()
        prozess = subprocess.Popen(befehl, env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        try:
            gemappt, erstes = sonde.warten(start)
            time.sleep(2)
            werte = {"mapped s": gemappt, "first pixels s": erstes, "RSS MB": rss_mb(prozess.pid)}
            if speicher:
                programm = os.path.realpath(f"/proc/{prozess.pid}/exe")
                for name, mb in sorted(speicher_mb(prozess.pid, programm).items()):
                    werte[f"  {name} MB"] = mb
            return werte
        finally:
            prozess.kill()
            prozess.wait()
            sonde.anzeige.close()
    finally:
        xvfb.kill()
        xvfb.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bildschirm", default="1024x768")
    parser.add_argument("--speicher", action="store_true", help="where the resident memory lies")
    parser.add_argument("befehl", nargs="+", help="the program and its arguments")
    args = parser.parse_args()
    for name, wert in lauf(args.befehl, args.bildschirm, speicher=args.speicher).items():
        print(f"{name:28} {wert:8.3f}")


if __name__ == "__main__":
    sys.exit(main())
