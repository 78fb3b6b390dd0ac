#!/usr/bin/env bash
# Takes the screenshots of the README and the AppStream file from the real
# game under Xvfb: a game after a few moves, and the instructions over it.
#   bash tools/bildschirmfotos.sh build/bin/steinfall
# writes docs/bilder/spiel.png and docs/bilder/anleitung.png.
set -euo pipefail

spiel=$(realpath "$1")
ziel=$(cd "$(dirname "$0")/../docs/bilder" && pwd)
source "$(dirname "$0")/../tests/werkzeug/xvfb.sh"
source "$(dirname "$0")/../tests/werkzeug/spiel.sh"
# The pictures show the German game, whatever the language here.
spiel_starten LC_ALL=C.UTF-8

# The 640 x 480 game area lies in the middle of the 1024 x 768 screen.
spielflaeche() {
    import -window root -crop 640x480+192+144 +repage "$1"
}

# Waits until the screen has stood still for a second: the stone has fallen
# and the computer has answered.
ruhe_abwarten() {
    local vorher="" gleich=0 jetzt
    for ((versuch = 0; versuch < 100 && gleich < 4; versuch++)); do
        sleep 0.25
        jetzt=$(import -window root rgb:- | md5sum)
        if [ "$jetzt" = "$vorher" ]; then gleich=$((gleich + 1)); else gleich=0; fi
        vorher=$jetzt
    done
}

ruhe_abwarten
# The centre of column c is at x = 400 + 60 c on the screen.
for spalte in 3 2 4 3; do
    xdotool mousemove --sync $((400 + 60 * spalte)) 300 click 1
    ruhe_abwarten
done
spielflaeche "$ziel/spiel.png"

# The button "Anleitung" at the left of the game area.
xdotool mousemove --sync $((192 + 76)) $((144 + 145)) click 1
timeout 30 xdotool search --sync --onlyvisible --name '^Anleitung$' >/dev/null
ruhe_abwarten
spielflaeche "$ziel/anleitung.png"
echo "geschrieben: $ziel/spiel.png $ziel/anleitung.png"
