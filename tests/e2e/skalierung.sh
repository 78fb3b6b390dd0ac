#!/usr/bin/env bash
# The game area fills screens of every size: scaled by the largest factor at
# which all of it fits, centred, the board where the layout puts it at that
# factor, and a click on each column drops there, its stone without a light
# rim. The board on the screen is the picture generator's own drawing at the
# scale of its pixels.
#   bash tests/e2e/skalierung.sh build/bin/steinfall
set -euo pipefail

spiel=$(realpath "$1")
generator=$(dirname "$spiel")/steinfall-bilder
werkzeug=$(cd "$(dirname "$0")/../werkzeug" && pwd)
unset STEINFALL_ORIGINALGROESSE
# A cache of its own: the game draws every new scale once.
XDG_CACHE_HOME=$(mktemp -d)
export XDG_CACHE_HOME
trap 'rm -rf "$XDG_CACHE_HOME"' EXIT

# a b: |a - b| <= toleranz
nah() { awk -v a="$1" -v b="$2" -v t="${3:-2}" 'BEGIN { d = a - b; exit !(d <= t && -d <= t) }'; }

# One screen: its size, the columns to click, then VAR=value words for the
# game's environment.
pruefen() (
    xvfb_groesse=$1
    local spalten=$2
    shift 2
    source "$werkzeug/spiel.sh" "$spiel"
    local name="$xvfb_groesse $*"
    fehler() {
        echo "$name: $1"
        import -window root /tmp/skalierung-fehler.png 2>/dev/null || true
        exit 1
    }

    geometrie_lesen "$@"
    read -r breite hoehe < <(tr x ' ' <<<"$xvfb_groesse")
    local skala=1 wort
    for wort in "$@"; do [[ $wort == QT_SCALE_FACTOR=* ]] && skala=${wort#*=}; done
    local erwartet
    erwartet=$(awk -v b="$breite" -v h="$hoehe" -v s="$skala" \
        'BEGIN { f = b / s / 640; if (h / s / 480 < f) f = h / s / 480; print f }')
    read -r _ faktor bildfaktor < <(grep '^faktor ' "$STEINFALL_GEOMETRIE")
    nah "$faktor" "$erwartet" 0.000001 || fehler "Faktor $faktor statt $erwartet"

    # The game area: 640 x 480 times the factor, centred, on the screen, and
    # touching two opposite edges.
    read -r _ x y w h < <(grep '^picContainer ' "$STEINFALL_GEOMETRIE")
    nah "$w" "$(awk -v s="$bildfaktor" 'BEGIN { print 640 * s }')" &&
        nah "$h" "$(awk -v s="$bildfaktor" 'BEGIN { print 480 * s }')" ||
        fehler "Spielbereich ${w}x$h bei $bildfaktor"
    nah "$x" $(((breite - w) / 2)) && nah "$y" $(((hoehe - h) / 2)) || fehler "nicht mittig: $x,$y"
    ((x >= 0 && y >= 0 && x + w <= breite && y + h <= hoehe)) || fehler "ragt über den Schirm"
    nah "$w" "$breite" 3 || nah "$h" "$hoehe" 3 || fehler "füllt den Schirm nicht: ${w}x$h"
    # The board: 440 x 345 designed pixels, 168 and 88 from the area's corner.
    local bx by bw bh
    read -r _ bx by bw bh < <(grep '^picSpielfeld ' "$STEINFALL_GEOMETRIE")
    nah "$bw" "$(awk -v s="$bildfaktor" 'BEGIN { print 440 * s }')" &&
        nah "$bh" "$(awk -v s="$bildfaktor" 'BEGIN { print 345 * s }')" &&
        nah "$bx" "$(awk -v x="$x" -v s="$bildfaktor" 'BEGIN { print x + 168 * s }')" &&
        nah "$by" "$(awk -v y="$y" -v s="$bildfaktor" 'BEGIN { print y + 88 * s }')" ||
        fehler "Brett ${bw}x$bh+$bx+$by bei $bildfaktor"

    # The holes as the game lays them out: . empty, X human, O computer.
    local format=""
    while read -r _ c r lx ly; do
        format+="%[hex:p{$((lx - bx)),$((ly - by))}] "
    done < <(grep '^loch ' "$STEINFALL_GEOMETRIE")
    lesen() {
        import -window root -crop "${bw}x$bh+$bx+$by" +repage "$arbeit/bild.png"
        local farbe zeile=""
        for farbe in $(convert "$arbeit/bild.png" -format "$format" info:); do
            local r=$((16#${farbe:0:2})) g=$((16#${farbe:2:2})) b=$((16#${farbe:4:2}))
            if ((r > 150 && g < 120)); then zeile+=X
            elif ((r > 150 && g > 120 && b < 120)); then zeile+=O
            else zeile+=.; fi
        done
        echo "$zeile"
    }
    spiel_starten STEINFALL_ZUFALL=11 "$@"
    # Stones land at once: a click's column is seen without waiting for the fall.
    xdotool key a
    local leer jetzt vorher
    leer=$(printf '.%.0s' {1..42})
    warten_bis 10 eval '[ "$(lesen)" = "$leer" ]' || fehler "kein leeres Brett"
    # The board as the picture generator draws it at this scale (at 1, 2 and 3
    # the built sets, which it wrote), down to the status line over its last rows.
    local frei ab
    frei=$(ort brett)
    frei=${frei%%+*}
    "$generator" "$arbeit/soll" --massstab "$bildfaktor" 2>/dev/null
    convert "$arbeit/bild.png" -crop "$frei+0+0" +repage "$arbeit/brett.png"
    convert "$arbeit/soll/brett.png" -crop "$frei+0+0" +repage "$arbeit/soll.png"
    ab=$(compare -metric AE "$arbeit/brett.png" "$arbeit/soll.png" null: 2>&1 || true)
    [ "$ab" = 0 ] || fehler "Brett weicht von der Zeichnung bei $bildfaktor ab: $ab Pixel"
    # A light rim around the stones, counted as a player sees it: pixels with
    # every channel above 190 touching one with every channel below 60.
    saum() {
        convert "$arbeit/bild.png" -crop "$frei+0+0" +repage \
            \( -clone 0 -separate -evaluate-sequence min -threshold 74.706% \) \
            \( -clone 0 -separate -evaluate-sequence max -threshold 23.333% -negate \
               -morphology Dilate Square:1 \) \
            -delete 0 -compose multiply -composite -format '%[fx:round(mean*w*h)]' info:
    }
    # A click in each column's top hole drops the human's stone at its foot;
    # after the computer's answer a new game empties the board again.
    local spalte nx ny
    read -r _ nx ny _ < <(grep '^picButtonNeuesSpiel ' "$STEINFALL_GEOMETRIE")
    for spalte in $spalten; do
        read -r _ _ _ lx ly < <(grep "^loch $spalte 0 " "$STEINFALL_GEOMETRIE")
        xdotool mousemove --sync "$lx" "$ly" click 1
        warten_bis 10 eval '[ "$(lesen | cut -c$((36 + spalte)))" = X ]' ||
            fehler "Klick in Spalte $spalte ließ dort keinen Stein fallen"
        vorher=""
        warten_bis 20 eval 'jetzt=$(lesen); [ "$(tr -cd O <<<"$jetzt")" = O ] && [ "$jetzt" = "$vorher" ] || { vorher=$jetzt; false; }' ||
            fehler "der Computer antwortet nicht"
        local hell
        hell=$(saum)
        [ "$hell" = 0 ] || fehler "heller Saum um die Steine bei $bildfaktor: $hell Pixel"
        xdotool mousemove --sync $((nx + 20)) $((ny + 10)) click 1
        warten_bis 10 eval '[ "$(lesen)" = "$leer" ]' || fehler "kein neues Spiel"
    done
    echo "$name: Faktor $faktor, Bilder $bildfaktor, Brett ${bw}x$bh+$bx+$by"
)

alle="0 1 2 3 4 5 6"
pruefen 1920x1080 "$alle"
pruefen 2560x1440 "$alle"
pruefen 3840x2160 "$alle"
pruefen 1024x768 "$alle"
pruefen 800x600 "$alle"
pruefen 1920x1080 "$alle" QT_SCALE_FACTOR=1.5
pruefen 1920x1080 "$alle" QT_SCALE_FACTOR=2.5
# Twice the designed size on a screen of device pixel ratio 2: the 2x set.
pruefen 1280x960 "$alle" QT_SCALE_FACTOR=2
