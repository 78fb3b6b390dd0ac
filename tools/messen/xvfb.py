"""A fresh Xvfb for one measured run, shared by the measuring scripts."""

import os
import subprocess


def xvfb_starten(groesse):
    """Starts Xvfb with a screen of `groesse` ("1024x768"); returns it and its display."""
    lesen, schreiben = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(schreiben), "-screen", "0",
                             groesse + "x24", "-noreset", "-nolisten", "tcp"],
                            pass_fds=[schreiben], stderr=subprocess.DEVNULL)
    os.close(schreiben)
    with os.fdopen(lesen) as anzeige:
        return xvfb, ":" + anzeige.readline().strip()
