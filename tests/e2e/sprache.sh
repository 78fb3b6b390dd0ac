#!/usr/bin/env bash
# The game in English and in German: the help in the language the
# environment or the command line chooses, and the real window under Xvfb
# read off a screenshot, its picture buttons pixel for pixel against the
# committed pictures of that language, its status line against the other
# language's.
#   bash tests/e2e/sprache.sh build/bin/steinfall
set -euo pipefail

spiel=$(realpath "$1")
bilder=$(cd "$(dirname "$0")/../../assets" && pwd)
source "$(dirname "$0")/../werkzeug/xvfb.sh"
source "$(dirname "$0")/../werkzeug/spiel.sh"

hilfe() { # <erwarteter Anfang> <Umgebung und Argumente ...>
    local erwartet=$1
    shift
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES "$@" --help | head -1 | grep -q "^$erwartet" ||
        { echo "Hilfe nicht '$erwartet': $*"; exit 1; }
}
hilfe Usage LANG=en_US.UTF-8 "$spiel"
hilfe Aufruf LANG=de_DE.UTF-8 "$spiel"
hilfe Aufruf LANG=C "$spiel"
hilfe Aufruf LANG=en_US.UTF-8 "$spiel" --sprache de
hilfe Usage LANG=de_DE.UTF-8 "$spiel" --language en
hilfe Usage LANG=C LANGUAGE=fr "$spiel" --sprache=en

# On a 1024 x 768 screen: the picture buttons and the status line, as
# width x height + left + top.
knoepfe=(neues_spiel:110x27+213+240 anleitung:110x27+213+276 copyright:110x27+213+312
    beenden:89x27+736+592)
status=441x17+360+576

# Starts the game in the given environment, waits until every picture
# button on the screen is the committed picture with the given ending, and
# keeps the status line as status<endung>.png.
lesen() { # <endung> <Umgebung ...>
    local endung=$1 knopf name ort versuch gleich
    shift
    spiel_starten -u LANGUAGE -u LC_ALL -u LC_MESSAGES "$@"
    for ((versuch = 0; versuch < 100; versuch++)); do
        import -window root "$arbeit/bild.png"
        gleich=1
        for knopf in "${knoepfe[@]}"; do
            name=${knopf%%:*} ort=${knopf#*:}
            convert "$arbeit/bild.png" -crop "$ort" +repage "$arbeit/knopf.png"
            [ "$(compare -metric AE "$arbeit/knopf.png" "$bilder/knopf_$name$endung.png" null: 2>&1)" = 0 ] ||
                { gleich=0; break; }
        done
        [ "$gleich" = 1 ] && break
        sleep 0.1
    done
    [ "$gleich" = 1 ] || { echo "Knopf $name nicht knopf_$name$endung.png ($*)"; exit 1; }
    convert "$arbeit/bild.png" -crop "$status" +repage "$arbeit/status$endung.png"
    kill "$spiel_pid"
    wait "$spiel_pid" 2>/dev/null || true
    spiel_pid=""
}

lesen _en LANG=en_US.UTF-8
lesen "" LANG=C
[ "$(compare -metric AE "$arbeit/status_en.png" "$arbeit/status.png" null: 2>&1)" != 0 ] ||
    { echo "Statuszeile auf Englisch wie auf Deutsch"; exit 1; }
echo "Englisch und Deutsch in Ordnung"
