#!/usr/bin/env bash
# Full screen under Wayland: a private Weston (pixman) nested in Xvfb, whose
# pointer and keyboard give it a seat as in a real session: without one,
# Weston never activates a new window, and a side window would stay below
# the full-screen layer.
# - desktop shell with its panel: the game covers the whole output, panel
#   included, with the board at its place in the centred game area;
# - kiosk shell, which centres a window over the one it belongs to and shows
#   a window of its own full screen: the about window and the exit question
#   open over the game, centred (without their parent they would not).
#   bash tests/e2e/vollbild_wayland.sh build/bin/steinfall
# BILDER=folder keeps the screenshots.
set -euo pipefail

brett=$(cd "$(dirname "$0")/../../assets" && pwd)/brett.png
source "$(dirname "$0")/../werkzeug/spiel.sh" "$1"
export QT_QPA_PLATFORM=wayland

# A screenshot named $1 in $schirm; fails (and $schirm is empty) if none came.
bild() {
    schirm=""
    rm -f "$arbeit"/wayland-screenshot*.png
    (cd "$arbeit" && timeout 10 weston-screenshooter >/dev/null 2>&1) || true
    local datei
    datei=$(ls "$arbeit"/wayland-screenshot*.png 2>/dev/null | head -1)
    [ -n "$datei" ] || return 1
    mv "$datei" "$arbeit/$1.png"
    [ -z "${BILDER:-}" ] || cp "$arbeit/$1.png" "$BILDER/wayland-$1.png"
    schirm=$arbeit/$1.png
}

# The pointer is drawn into the screenshots: off the game. Weston learns of
# a move only once its window is mapped, so it moves before every look.
abseits=$(ort abseits)
zeiger_weg() { xdotool mousemove --sync 0 0 mousemove --sync $abseits; }

# The board at its place: the board picture down to the status line.
region=$(ort brett)
brett_am_platz() {
    spiel_lebt
    zeiger_weg
    bild "$1" || return 1
    abweichung=$(convert "$schirm" -crop "$region" +repage \
        \( "$brett" -crop "${region%%+*}+0+0" +repage \) -metric AE -compare \
        -format '%[distortion]' info: 2>/dev/null || true)
    [ "$abweichung" = "0" ]
}

# Weston with the given shell, and the game in it until its board is at its place.
starten() {
    [ -z "$spiel_pid" ] || beenden "$spiel_pid"
    weston_starten "$1"
    spiel_im_hintergrund
    abweichung=""
    warten_bis 30 brett_am_platz "$1" ||
        { echo "das Brett ist nicht an seinem Platz ($abweichung Pixel anders)"; exit 1; }
}

# Above the game area lies the window's own empty background, no panel: the
# top strip is one colour, the same as below the game area. The window may
# become full screen a moment after the board is in place.
IFS='x+' read -r _ bereich_h _ bereich_y <<<"$(ort spielbereich)"
schirm_b=$(ort schirm | cut -dx -f1)
ohne_leiste() {
    zeiger_weg
    bild desktop || return 1
    oben=$(convert "$schirm" -crop "${schirm_b}x$bereich_y+0+0" -unique-colors \
        -format '%w %[hex:p{0,0}]' info:)
    unten=$(convert "$schirm" -format "%[hex:p{10,$((bereich_y + bereich_h + 10))}]" info:)
    [ "$oben" = "1 $unten" ]
}

starten desktop-shell
warten_bis 15 ohne_leiste ||
    { echo "über dem Spielbereich liegt etwas ($oben, unten $unten)"; exit 1; }

# A window of 250 x 100 to 800 x 600 pixels over the game, whose middle lies
# within 8 pixels of the output's middle, as "b h l o" of the box around
# everything that changed since $vorher, apart from the button that opened it
# (its look changes while the window opens, sooner or later).
mittiges_fenster() {
    bild "$1" || return 1
    # The black border makes -trim cut what did not change, whatever the corners did.
    # Over again: ImageMagick 7 would lay the border on with the difference too.
    rahmen=$(convert "$vorher" "$schirm" -compose difference -composite -compose over -fill black \
        -draw "rectangle $knopf" -bordercolor black -border 1 -trim \
        -format '%w %h %X %Y' info: 2>/dev/null | tr -d +)
    read -r b h l o <<<"$rahmen"
    l=$((l - 1)) o=$((o - 1))
    local dx=$((l + b / 2 - mx)) dy=$((o + h / 2 - my))
    ((b >= 250 && h >= 100 && b <= 800 && h <= 600 && dx * dx + dy * dy <= 64))
}

# Clicks at the middle of a place and waits for a window over the game,
# centred on it and leaving the game around it.
fenster_mittig() {
    local name=$2 mx my knopf kb kh kx ky
    read -r mx my <<<"$(ort mitte)"
    IFS='x+' read -r kb kh kx ky <<<"$(ort "$1")"
    knopf="$kx,$ky $((kx + kb)),$((ky + kh))"
    xdotool mousemove --sync $(mitte "$1")
    bild "vor-$name" || true
    vorher=$schirm
    xdotool click 1
    b=0 h=0 l=0 o=0
    warten_bis 10 mittiges_fenster "$name" ||
        { echo "$name nicht mittig über dem Spiel: $b x $h bei $l, $o"; exit 1; }
    unten_mitte=$((o + h))
}

starten kiosk-shell
fenster_mittig knopf_info info-fenster
# The about window's OK button sits 36 pixels above its lower edge.
xdotool mousemove --sync "$(ort mitte | cut -d' ' -f1)" $((unten_mitte - 36)) click 1
fenster_mittig knopf_beenden beenden-frage
echo "Vollbild unter Wayland in Ordnung, Fenster mittig darüber"
