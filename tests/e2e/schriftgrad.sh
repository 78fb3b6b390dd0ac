#!/usr/bin/env bash
# The display check in the real program: at 120 logical pixels per inch it
# shows its error box instead of the game and ends when the box is closed.
#   bash tests/e2e/schriftgrad.sh build/bin/steinfall
set -euo pipefail

source "$(dirname "$0")/../werkzeug/spiel.sh" "$1"

# Qt turns a higher resolution into scaling unless scaling is off.
spiel_im_hintergrund QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=120
box=$(fenster_abwarten '^Fehler \(Falscher Schriftgrad\) :$')
[ -n "$box" ] || { echo "keine Fehlermeldung"; exit 1; }
if xdotool search --onlyvisible --name '^Steinfall$' >/dev/null; then
    echo "das Hauptfenster ist trotzdem offen"
    exit 1
fi

# OK closes the box, and with it the program.
xdotool windowactivate --sync "$box" 2>/dev/null || xdotool windowfocus --sync "$box"
xdotool key Return
beendet() { ! kill -0 "$spiel_pid" 2>/dev/null; }
warten_bis 10 beendet || { echo "das Programm läuft nach der Meldung weiter"; exit 1; }
rc=0
wait "$spiel_pid" || rc=$?
[ "$rc" -eq 1 ] || { echo "Ende mit $rc statt 1"; cat "$arbeit/spiel.log"; exit 1; }
echo "Fehlermeldung gezeigt, Programm beendet"
