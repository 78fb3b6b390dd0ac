#!/usr/bin/env bash
# The first move in the real window, at the screen's resolution: at a device
# pixel ratio of 2 the board on the screen is the 2x artwork pixel for pixel,
# and after a click on a column and the computer's answer it is that artwork
# with the 2x stones in the holes they landed in.
#   bash tests/e2e/hochaufloesend.sh build/bin/steinfall
set -euo pipefail

bilder=$(cd "$(dirname "$0")/../../assets" && pwd)
xvfb_groesse=2048x1536
source "$(dirname "$0")/../werkzeug/spiel.sh" "$1"

# The layout stays the 1024 x 768 one in logical pixels, each twice on the
# screen. The board's last row lies under the status line.
leer="$arbeit/leer.png"
geometrie_lesen QT_SCALE_FACTOR=2
region=$(ort brett)
convert "$bilder/brett@2x.png" -crop "${region%%+*}+0+0" +repage "$leer"
# Cell c, r: its stone's corner (40 + 120 c, 30 + 110 r) on the 2x board, the
# middle of its hole 40 pixels further right and down.
zellen() { for r in 0 1 2 3 4 5; do for c in 0 1 2 3 4 5 6; do echo "$c $r"; done; done; }
mitte() { convert "$1" -format "%[hex:p{$2,$3}]" info:; }
mensch=$(mitte "$bilder/stein_spieler@2x.png" 40 40)
computer=$(mitte "$bilder/stein_computer@2x.png" 40 40)
abweichend() { compare -metric AE "$arbeit/bild.png" "$1" null: 2>&1 || true; }

spiel_starten QT_SCALE_FACTOR=2
leeres_brett_abwarten
[ "$(abweichend "$leer")" = 0 ] ||
    { echo "leeres Brett weicht vom 2x-Bild ab: $(abweichend "$leer") Pixel"; exit 1; }

xdotool mousemove --sync $(spalte 3) click 1
antwort_abwarten
[ "${jetzt:38:1}" = "X" ] || { echo "kein Stein des Spielers unten in Spalte 3"; exit 1; }
[ "$(tr -cd '.' <<<"$jetzt" | wc -c)" -eq 40 ] && [ "$(tr -cd 'O' <<<"$jetzt")" = O ] ||
    { echo "nicht genau ein Stein des Computers neben dem des Spielers"; exit 1; }

# The expected board: each stone's 2x picture inside its mask's disc.
for stein in spieler computer; do
    convert "$bilder/stein_$stein@2x.png" \( "$bilder/stein_maske@2x.png" -negate \) -alpha off \
        -compose copy_opacity -composite "$arbeit/$stein.png"
done
erwartet=("$leer")
i=0
while read -r c r; do
    case "${jetzt:$i:1}" in
    X) erwartet+=("$arbeit/spieler.png" -geometry "+$((40 + 120 * c))+$((30 + 110 * r))" -composite) ;;
    O) erwartet+=("$arbeit/computer.png" -geometry "+$((40 + 120 * c))+$((30 + 110 * r))" -composite) ;;
    esac
    i=$((i + 1))
done < <(zellen)
convert "${erwartet[@]}" "$arbeit/erwartet.png"
[ "$(abweichend "$arbeit/erwartet.png")" = 0 ] ||
    { echo "Brett nach dem Zug weicht ab: $(abweichend "$arbeit/erwartet.png") Pixel"; exit 1; }
echo "Brett und Steine in 2x-Auflösung"
