#!/usr/bin/env bash
# "Beenden" answered Yes in the middle of a move ends the program there and
# then: the process exits with 0, and from the answer on the sound server
# hears nothing, where a move playing on would land its stones with sound.
#   bash tests/e2e/beenden.sh build/bin/steinfall
set -euo pipefail

source "$(dirname "$0")/../werkzeug/spiel.sh" "$1"
pulse_starten

roh=$arbeit/aufnahme.raw
parec --device=steinfall.monitor --format=s16le --rate=22050 --channels=1 --latency-msec=20 \
    >"$roh" &

# The loudest sample of the recording from byte $1 on.
lautstaerke() {
    /usr/bin/python3 -c 'import sys, numpy as np
a = np.fromfile(sys.argv[1], "<i2")[int(sys.argv[2]) // 2:]
print(int(np.abs(a.astype(int)).max(initial=0)))' "$roh" "$1"
}
bytes() { stat -c %s "$roh"; }

spiel_starten
# Column 4, and "Beenden" while its stone still falls.
xdotool mousemove --sync $(spalte 3) click 1 mousemove --sync $(mitte knopf_beenden) click 1
frage=$(timeout 30 xdotool search --sync --onlyvisible --name '^-=Beenden=-$' | head -1)
# The button's click is the first sound; once it has been heard and faded
# (0.2 s of silence), the answer.
warten_bis 10 eval '(($(lautstaerke 0) > 0))' ||
    { echo "kein Klick gehört: die Aufnahme bleibt still"; exit 1; }
warten_bis 10 eval '(($(lautstaerke $(($(bytes) - 8820))) == 0))' || true
ab=$(bytes)
xdotool windowfocus --sync "$frage" key j
warten_bis 10 vorbei "$spiel_pid" || { echo "das Spiel läuft nach Ja weiter"; exit 1; }
code=0
wait "$spiel_pid" || code=$?
spiel_pid=""
((code == 0)) || { echo "Ende mit $code statt 0"; cat "$arbeit/spiel.log"; exit 1; }
# What a move playing on would have sounded has reached the recording once
# another half second has.
ende=$(($(bytes) + 22050))
warten_bis 10 eval '(($(bytes) >= ende))' || true
laut=$(lautstaerke "$ab")
((laut == 0)) || { echo "nach Ja noch zu hören (Spitze $laut)"; exit 1; }
echo "Ja beendet mitten im Zug, still"
