#!/usr/bin/env bash
# The game in English and in German: the help in the language the
# environment or the command line chooses, and the real window under Xvfb
# read off a screenshot: in German its picture buttons pixel for pixel the
# committed pictures, in English each of them lettered otherwise; its status
# line against the other language's.
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
hilfe Utilisation LANG=fr_FR.UTF-8 "$spiel"
hilfe Utilisation LANG=C "$spiel" --sprache fr
hilfe Utilisation LANGUAGE=nl:fr LANG=de_DE.UTF-8 "$spiel" --sprache fr
# An unknown code: one line that names the known ones, and status 2.
unbekannt=$(env -u LANGUAGE LANG=C XDG_RUNTIME_DIR="$arbeit" "$spiel" --sprache xx 2>&1) && { echo "--sprache xx angenommen"; exit 1; }
[ $? = 2 ] && [ "$(wc -l <<<"$unbekannt")" = 1 ] && grep -q "de, en, es, fr, nl" <<<"$unbekannt" ||
    { echo "--sprache xx: $unbekannt"; exit 1; }

knoepfe=(neues_spiel:$(ort knopf_neu) anleitung:$(ort knopf_anleitung) copyright:$(ort knopf_info)
    beenden:$(ort knopf_beenden))

# Whether every picture button on the screen is the committed German picture
# (gleich), or is painted as one, its left edge where no caption reaches the
# German one's, but lettered otherwise (anders); the screenshot stays in
# $arbeit/bild.png.
knoepfe_wie() { # gleich|anders
    local knopf name ort ganz rand
    import -window root "$arbeit/bild.png"
    for knopf in "${knoepfe[@]}"; do
        name=${knopf%%:*} ort=${knopf#*:}
        convert "$arbeit/bild.png" -crop "$ort" +repage "$arbeit/knopf.png"
        ganz=$(compare -metric AE "$arbeit/knopf.png" "$bilder/knopf_$name.png" null: 2>&1) || true
        convert "$arbeit/knopf.png" -crop 5x1000+0+0 +repage "$arbeit/rand.png"
        convert "$bilder/knopf_$name.png" -crop 5x1000+0+0 +repage "$arbeit/rand_de.png"
        rand=$(compare -metric AE "$arbeit/rand.png" "$arbeit/rand_de.png" null: 2>&1) || true
        if [ "$1" = gleich ]; then
            [ "$ganz" = 0 ] || { abweichend=$name; return 1; }
        else
            { [ "$ganz" != 0 ] && [ "$rand" = 0 ]; } || { abweichend=$name; return 1; }
        fi
    done
}
# Starts the game in the given environment, waits until its picture buttons
# are (gleich) or are not (anders) the German ones, and keeps the status line
# as status<endung>.png.
lesen() { # <endung> gleich|anders <Umgebung ...>
    local endung=$1 wie=$2
    shift 2
    spiel_starten -u LANGUAGE -u LC_ALL -u LC_MESSAGES "$@"
    warten_bis 10 knoepfe_wie "$wie" ||
        { echo "Knopf $abweichend nicht $wie als knopf_$abweichend.png ($*)"; exit 1; }
    convert "$arbeit/bild.png" -crop "$(ort status)" +repage "$arbeit/status$endung.png"
    beenden "$spiel_pid"
}

lesen _en anders LANG=en_US.UTF-8
lesen _fr anders LANG=fr_FR.UTF-8
lesen "" gleich LANG=C
for a in "_en " "_fr " "_fr _en"; do
    set -- $a
    [ "$(compare -metric AE "$arbeit/status$1.png" "$arbeit/status${2:-}.png" null: 2>&1)" != 0 ] ||
        { echo "Statuszeile status$1 wie status${2:-}"; exit 1; }
done
echo "Englisch, Französisch und Deutsch in Ordnung"
