#!/usr/bin/env bash
# The first move in the real window: start the game under Xvfb, click a
# column, wait for the computer's answer and read every hole off a
# screenshot. Expected colours come from the pictures the game is built with.
#   bash tests/e2e/erster_zug.sh build/bin/steinfall
set -euo pipefail

spiel=$(realpath "$1")
bilder=$(cd "$(dirname "$0")/../../assets" && pwd)
source "$(dirname "$0")/../werkzeug/xvfb.sh"
source "$(dirname "$0")/../werkzeug/spiel.sh"

# On a 1024 x 768 screen the board's top-left corner is at (360, 232); the
# centre of the hole in column c, row r at (40 + 60 c, 35 + 55 r) from there.
brett="440x345+360+232" leer="$bilder/brett.png" loch="40 35 60 55"
mensch=$(convert "$bilder/stein_spieler.png" -format '%[hex:p{20,20}]' info:)
computer=$(convert "$bilder/stein_computer.png" -format '%[hex:p{20,20}]' info:)

spalte=3
spiel_starten
leeres_brett_abwarten
xdotool mousemove --sync $((400 + 60 * spalte)) 300 click 1
antwort_abwarten

unten=$((35 + spalte))
[ "${jetzt:$unten:1}" = "X" ] || { echo "kein Stein des Spielers unten in Spalte $spalte"; exit 1; }
[ "$(tr -cd 'O' <<<"$jetzt" | wc -c)" -eq 1 ] || { echo "nicht genau ein Stein des Computers"; exit 1; }
[ "$(tr -cd '.' <<<"$jetzt" | wc -c)" -eq 40 ] || { echo "andere Löcher nicht leer"; exit 1; }
echo "erster Zug in Ordnung"
