#!/usr/bin/env bash
# Takes the screenshots of the README and the AppStream file from the real
# game under Xvfb, on a 1920 x 1080 desktop that the game fills, in German
# and in English: a game after a few moves, and the instructions over it.
#   bash tools/bildschirmfotos.sh build/bin/steinfall
# writes docs/bilder/spiel.png, anleitung.png and their English twins
# spiel-en.png, anleitung-en.png.
set -euo pipefail

ziel=$(cd "$(dirname "$0")/../docs/bilder" && pwd)
programm=$1
werkzeug=$(cd "$(dirname "$0")/../tests/werkzeug" && pwd)
unset STEINFALL_ORIGINALGROESSE

# The screen has stood still for a second: the stone has fallen and the
# computer has answered.
still() {
    sleep 0.25
    local jetzt
    jetzt=$(import -window root rgb:- | md5sum)
    if [ "$jetzt" = "$vorher" ]; then gleich=$((gleich + 1)); else gleich=0; fi
    vorher=$jetzt
    ((gleich >= 4))
}
ruhe_abwarten() {
    vorher="" gleich=0
    warten_bis 30 still || { echo "der Schirm kommt nicht zur Ruhe"; exit 1; }
}

# One language: its --sprache and the end of its file names.
fotografieren() (
    xvfb_groesse=1920x1080
    source "$werkzeug/spiel.sh" "$programm"
    local sprache=$1 endung=$2 titel=$3
    # The same seeded game in both languages.
    spiel_starten STEINFALL_ZUFALL=3 -- --sprache "$sprache"
    ruhe_abwarten
    local c
    for c in 3 2 4 3; do
        xdotool mousemove --sync $(spalte "$c") click 1
        ruhe_abwarten
    done
    import -window root "$ziel/spiel$endung.png"
    xdotool mousemove --sync $(mitte knopf_anleitung) click 1
    fenster_abwarten "^$titel\$" >/dev/null
    ruhe_abwarten
    import -window root "$ziel/anleitung$endung.png"
    echo "geschrieben: $ziel/spiel$endung.png $ziel/anleitung$endung.png"
)

fotografieren de "" Anleitung
fotografieren en -en Instructions
