#!/usr/bin/env bash
# The game in English and in German: the help in the language the
# environment or the command line chooses, and the real window under Xvfb
# read off a screenshot, its picture buttons pixel for pixel against the
# committed pictures of that language, its status line against the other
# language's.
#   bash tests/e2e/sprache.sh build/bin/steinfall
set -euo pipefail

bilder=$(cd "$(dirname "$0")/../../assets" && pwd)
source "$(dirname "$0")/../werkzeug/spiel.sh" "$1"

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

knoepfe=(neues_spiel:$(ort knopf_neu) anleitung:$(ort knopf_anleitung) copyright:$(ort knopf_info)
    beenden:$(ort knopf_beenden))

# Whether every picture button on the screen is the committed picture with
# the given ending; the screenshot stays in $arbeit/bild.png.
knoepfe_wie() { # <endung>
    local knopf name ort
    import -window root "$arbeit/bild.png"
    for knopf in "${knoepfe[@]}"; do
        name=${knopf%%:*} ort=${knopf#*:}
        convert "$arbeit/bild.png" -crop "$ort" +repage "$arbeit/knopf.png"
        [ "$(compare -metric AE "$arbeit/knopf.png" "$bilder/knopf_$name$1.png" null: 2>&1)" = 0 ] ||
            { abweichend=$name; return 1; }
    done
}
# Starts the game in the given environment, waits until its picture buttons
# are those of the given ending, and keeps the status line as
# status<endung>.png.
lesen() { # <endung> <Umgebung ...>
    local endung=$1
    shift
    spiel_starten -u LANGUAGE -u LC_ALL -u LC_MESSAGES "$@"
    warten_bis 10 knoepfe_wie "$endung" ||
        { echo "Knopf $abweichend nicht knopf_$abweichend$endung.png ($*)"; exit 1; }
    convert "$arbeit/bild.png" -crop "$(ort status)" +repage "$arbeit/status$endung.png"
    beenden "$spiel_pid"
}

lesen _en LANG=en_US.UTF-8
lesen "" LANG=C
[ "$(compare -metric AE "$arbeit/status_en.png" "$arbeit/status.png" null: 2>&1)" != 0 ] ||
    { echo "Statuszeile auf Englisch wie auf Deutsch"; exit 1; }
echo "Englisch und Deutsch in Ordnung"
