#!/usr/bin/env python3
"""Where the start-up of any Qt 6 widgets program goes, phase by phase.

The program runs under a fresh Xvfb as for sonde.py, and perf watches it
with probes on functions that every Qt 6 widgets program passes: the C
library handing over to main, the QApplication constructor, the event
loop, the window's first paint into its buffer and the flush to the X
server. The probe's first pixels close the last phase. Nothing is asked of
the program itself, so two programs are split by the same measure. The
phases, in milliseconds:

  - libraries: exec until main (loading and linking, the libraries' own
    start-up code),
  - before the application: main until the QApplication constructor,
  - application object: the constructor (platform plugin, display
    connection, fonts, style),
  - window: from the application object to the event loop (the program's
    own window, its pictures and controls),
  - to the first paint: the event loop until the window's first paint
    (mapping the window, the server's expose event),
  - first frame: painting the whole window into its buffer,
  - flush: handing the buffer to the X server,
  - server: from the flush until the probe sees the first pixels.

Needs root (the probes) and perf. Several programs run in turns, each
round beginning with the next, and the medians are printed side by side:

    /usr/bin/python3 tools/messen/abschnitte.py build-rel/bin/steinfall \\
        /usr/games/explosive-c4 --bildschirm 1920x1080 --runden 7
"""

import argparse
import os
import shlex
import signal
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
import sonde  # noqa: E402
from xvfb import xvfb_starten  # noqa: E402

GRUPPE = "steinfall_start"

# (library, symbol, event, on return)
PUNKTE = [
    ("libc.so.6", "__libc_start_main", "main", False),
    ("libQt6Widgets.so.6", "_ZN12QApplicationC1ERiPPci", "app_an", False),
    ("libQt6Widgets.so.6", "_ZN12QApplicationC1ERiPPci", "app_fertig", True),
    ("libQt6Core.so.6", "_ZN16QCoreApplication4execEv", "schleife", False),
    ("libQt6Gui.so.6", "_ZN13QBackingStore10beginPaintERK7QRegion", "malen_an", False),
    ("libQt6Gui.so.6", "_ZN13QBackingStore8endPaintEv", "malen_fertig", False),
    ("libQt6Gui.so.6", "_ZN13QBackingStore5flushERK7QRegionP7QWindowRK6QPoint", "flush",
     True),
]

ABSCHNITTE = [
    ("libraries", "exec", "main"),
    ("before the application", "main", "app_an"),
    ("application object", "app_an", "app_fertig"),
    ("window", "app_fertig", "schleife"),
    ("to the first paint", "schleife", "malen_an"),
    ("first frame", "malen_an", "malen_fertig"),
    ("flush", "malen_fertig", "flush"),
    ("server", "flush", "erstes"),
    ("exec to first pixels", "exec", "erstes"),
]


def bibliotheken(programm):
    """Paths of the libraries the program links, by their names."""
    pfade = {}
    for zeile in subprocess.run(["ldd", programm], capture_output=True, text=True).stdout.splitlines():
        teile = zeile.split()
        if len(teile) >= 3 and teile[1] == "=>":
            pfade[teile[0]] = os.path.realpath(teile[2])
    return pfade


def adresse(bibliothek, symbol):
    """The symbol's offset in the library, versioned names included."""
    aus = subprocess.run(["nm", "-D", "--defined-only", bibliothek], capture_output=True,
                         text=True, check=True).stdout
    for zeile in aus.splitlines():
        teile = zeile.split()
        if len(teile) == 3 and teile[2].split("@")[0] == symbol:
            return int(teile[0], 16)
    raise RuntimeError(f"{symbol} is not in {bibliothek}")


def proben_setzen(programm):
    pfade = bibliotheken(programm)
    ereignisse = []
    for bibliothek, symbol, name, ruecksprung in PUNKTE:
        pfad = pfade[bibliothek]
        ort = f"{name}=0x{adresse(pfad, symbol):x}" + ("%return" if ruecksprung else "")
        subprocess.run(["perf", "probe", "-q", "-x", pfad, "-a", f"{GRUPPE}:{ort}"], check=True)
        # perf names a probe on the return with a suffix.
        ereignisse.append(f"{GRUPPE}:{name}" + ("__return" if ruecksprung else ""))
    return ereignisse


def proben_entfernen():
    subprocess.run(["perf", "probe", "-q", "-d", f"{GRUPPE}:*"], stderr=subprocess.DEVNULL)


def zeitpunkte(daten):
    """The first time of each event in a perf recording, monotonic seconds."""
    aus = subprocess.run(["perf", "script", "-i", daten, "-F", "time,event"],
                         capture_output=True, text=True).stdout
    erste = {}
    for zeile in aus.splitlines():
        teile = zeile.split()
        zeit = float(teile[0].rstrip(":"))
        name = teile[1].rstrip(":").split(":")[-1].removesuffix("__return")
        erste.setdefault("exec" if name == "sched_process_exec" else name, zeit)
    return erste


def lauf(befehl, groesse, ereignisse):
    """One run; the phases in ms."""
    xvfb, anzeige = xvfb_starten(groesse)
    with tempfile.TemporaryDirectory() as ordner:
        daten = os.path.join(ordner, "perf.data")
        try:
            probe = sonde.Sonde(anzeige)
            env = dict(os.environ, DISPLAY=anzeige)
            env.pop("WAYLAND_DISPLAY", None)
            aufzeichnen = ["perf", "record", "-q", "-k", "CLOCK_MONOTONIC", "-o", daten,
                           "-e", "sched:sched_process_exec"]
            for ereignis in ereignisse:
                aufzeichnen += ["-e", ereignis]
            start = time.monotonic()
            prozess = subprocess.Popen(aufzeichnen + ["--"] + befehl, env=env,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            try:
                _, erstes = probe.warten(start)
                time.sleep(0.5)
            finally:
                prozess.send_signal(signal.SIGINT)
                prozess.wait()
                probe.anzeige.close()
        finally:
            xvfb.kill()
            xvfb.wait()
        punkte = zeitpunkte(daten)
    punkte["erstes"] = start + erstes
    return {name: (punkte[bis] - punkte[von]) * 1000 for name, von, bis in ABSCHNITTE
            if von in punkte and bis in punkte}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("befehle", nargs="+", help="command lines, one program each")
    parser.add_argument("--bildschirm", default="1920x1080")
    parser.add_argument("--runden", type=int, default=5)
    args = parser.parse_args()
    befehle = [shlex.split(b) for b in args.befehle]
    proben_entfernen()
    try:
        ereignisse = proben_setzen(befehle[0][0])
        for befehl in befehle:
            lauf(befehl, args.bildschirm, ereignisse)  # warms the caches
        werte = [[] for _ in befehle]
        for runde in range(args.runden):
            for i in range(len(befehle)):
                k = (runde + i) % len(befehle)
                werte[k].append(lauf(befehle[k], args.bildschirm, ereignisse))
    finally:
        proben_entfernen()
    print(f"{args.bildschirm}, medians of {args.runden} rounds, ms:")
    print(f"  {'':24}" + "".join(f"{os.path.basename(b[0]):>16}" for b in befehle))
    for name, _, _ in ABSCHNITTE:
        spalten = [statistics.median(w[name] for w in reihe) if all(name in w for w in reihe)
                   else float("nan") for reihe in werte]
        print(f"  {name:24}" + "".join(f"{s:16.1f}" for s in spalten))


if __name__ == "__main__":
    sys.exit(main())
