#!/usr/bin/env bash
# The display check in the real program: at 120 logical pixels per inch it
# shows its error box instead of the game and ends when the box is closed.
#   bash tests/e2e/schriftgrad.sh build/bin/steinfall
set -euo pipefail

spiel=$(realpath "$1")
source "$(dirname "$0")/../werkzeug/xvfb.sh"

# Qt turns a higher resolution into scaling unless scaling is off.
QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=120 "$spiel" >"$arbeit/spiel.log" 2>&1 &
spiel_pid=$!
box=$(timeout 30 xdotool search --sync --onlyvisible --name '^Fehler \(Falscher Schriftgrad\) :$' | head -1)
[ -n "$box" ] || { echo "keine Fehlermeldung"; exit 1; }
if xdotool search --onlyvisible --name '^Steinfall$' >/dev/null; then
    echo "das Hauptfenster ist trotzdem offen"
    exit 1
fi

# OK closes the box, and with it the program.
xdotool windowactivate --sync "$box" 2>/dev/null || xdotool windowfocus --sync "$box"
xdotool key Return
for ((versuch = 0; versuch < 100; versuch++)); do
    kill -0 "$spiel_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$spiel_pid" 2>/dev/null; then
    echo "das Programm läuft nach der Meldung weiter"
    exit 1
fi
rc=0
wait "$spiel_pid" || rc=$?
spiel_pid=""
[ "$rc" -eq 1 ] || { echo "Ende mit $rc statt 1"; cat "$arbeit/spiel.log"; exit 1; }
echo "Fehlermeldung gezeigt, Programm beendet"
