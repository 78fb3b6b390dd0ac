#!/usr/bin/env bash
# The first move in the real window: start the game under Xvfb, click a
# column, wait for the computer's answer and read every hole off a
# screenshot. Expected colours come from the pictures the game is built with.
#   bash tests/e2e/erster_zug.sh build/bin/steinfall
set -euo pipefail

spiel=$(realpath "$1")
bilder=$(cd "$(dirname "$0")/../../assets" && pwd)
source "$(dirname "$0")/../werkzeug/xvfb.sh"

"$spiel" >"$arbeit/spiel.log" 2>&1 &
spiel_pid=$!
timeout 30 xdotool search --sync --onlyvisible --name '^Steinfall$' >/dev/null

# On a 1024 x 768 screen the board's top-left corner is at (360, 232); the
# centre of the hole in column c, row r at (400 + 60 c, 267 + 55 r).
spalte=3
orte=()
for r in 0 1 2 3 4 5; do
    for c in 0 1 2 3 4 5 6; do
        orte+=("$((400 + 60 * c)) $((267 + 55 * r))")
    done
done

# The colours at the given points of a picture, one per point.
farben() {
    local bild=$1 dx=$2 dy=$3 format="" ort x y
    for ort in "${orte[@]}"; do
        read -r x y <<<"$ort"
        format+="%[hex:p{$((x - dx)),$((y - dy))}] "
    done
    convert "$bild" -format "$format" info:
}

leer=($(farben "$bilder/brett.png" 360 232))
mensch=$(convert "$bilder/stein_spieler.png" -format '%[hex:p{20,20}]' info:)
computer=$(convert "$bilder/stein_computer.png" -format '%[hex:p{20,20}]' info:)

# Shows the screen as holes: . empty, X human, O computer, ? anything else.
brett_lesen() {
    import -window root "$arbeit/bild.png"
    local jetzt=($(farben "$arbeit/bild.png" 0 0)) i zeile=""
    for i in "${!jetzt[@]}"; do
        if [ "${jetzt[$i]}" = "${leer[$i]}" ]; then zeile+="."
        elif [ "${jetzt[$i]}" = "$mensch" ]; then zeile+="X"
        elif [ "${jetzt[$i]}" = "$computer" ]; then zeile+="O"
        else zeile+="?"; fi
    done
    echo "$zeile"
}

# The empty board is on the screen once the window has painted.
for ((versuch = 0; versuch < 100; versuch++)); do
    [ "$(brett_lesen)" = "$(printf '.%.0s' {1..42})" ] && break
    sleep 0.1
done

xdotool mousemove --sync $((400 + 60 * spalte)) 300 click 1

# The computer has answered when two stones are in and the screen stands
# still (a falling stone changes it every 40 ms).
vorher=""
for ((versuch = 0; versuch < 150; versuch++)); do
    sleep 0.2
    jetzt=$(brett_lesen)
    steine=$(tr -cd 'XO?' <<<"$jetzt" | wc -c)
    [ "$steine" -eq 2 ] && [ "$jetzt" = "$vorher" ] && break
    vorher=$jetzt
done

kill -0 "$spiel_pid" || { echo "das Spiel ist abgestürzt"; cat "$arbeit/spiel.log"; exit 1; }
fold -w 7 <<<"$jetzt"
unten=$((35 + spalte))
[ "${jetzt:$unten:1}" = "X" ] || { echo "kein Stein des Spielers unten in Spalte $spalte"; exit 1; }
[ "$(tr -cd 'O' <<<"$jetzt" | wc -c)" -eq 1 ] || { echo "nicht genau ein Stein des Computers"; exit 1; }
[ "$(tr -cd '.' <<<"$jetzt" | wc -c)" -eq 40 ] || { echo "andere Löcher nicht leer"; exit 1; }
echo "erster Zug in Ordnung"
