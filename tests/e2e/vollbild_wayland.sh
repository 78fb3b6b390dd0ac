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

spiel=$(realpath "$1")
brett=$(cd "$(dirname "$0")/../../assets" && pwd)/brett.png
source "$(dirname "$0")/../werkzeug/xvfb.sh"
weston_pid=""
trap '[ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null; aufraeumen' EXIT
chmod 700 "$arbeit"
export XDG_RUNTIME_DIR=$arbeit QT_QPA_PLATFORM=wayland

# Weston with the given shell, and the game in it until its board is at its
# place: on a 1024 x 768 output the game area starts at (192, 144), the
# board 168, 88 further in; the status line covers its last row.
starten() {
    local pid
    for pid in $spiel_pid $weston_pid; do kill "$pid" && wait "$pid" 2>/dev/null || true; done
    export WAYLAND_DISPLAY=wayland-$1
    # --debug lets weston-screenshooter take its pictures.
    weston --backend=x11-backend.so --use-pixman --width=1024 --height=768 --no-config \
        --shell="$1.so" --debug --idle-time=0 --socket="$WAYLAND_DISPLAY" \
        >"$arbeit/weston-$1.log" 2>&1 &
    weston_pid=$!
    for ((versuch = 0; versuch < 100; versuch++)); do
        [ -S "$arbeit/$WAYLAND_DISPLAY" ] && break
        sleep 0.1
    done
    "$spiel" >"$arbeit/spiel-$1.log" 2>&1 &
    spiel_pid=$!
    # The pointer is drawn into the screenshots: off the board.
    xdotool mousemove --sync 1000 740
    local abweichung=""
    for ((versuch = 0; versuch < 100; versuch++)); do
        kill -0 "$spiel_pid" || { echo "das Spiel ist abgestürzt"; cat "$arbeit/spiel-$1.log"; exit 1; }
        schirm=$(bild "$1")
        if [ -n "$schirm" ]; then
            abweichung=$(convert "$schirm" -crop 440x344+360+232 +repage \
                \( "$brett" -crop 440x344+0+0 +repage \) -metric AE -compare \
                -format '%[distortion]' info: 2>/dev/null || true)
            [ "$abweichung" = "0" ] && return
        fi
        sleep 0.2
    done
    echo "das Brett ist nicht an seinem Platz ($abweichung Pixel anders)"
    exit 1
}

# A screenshot named $1, its path on stdout (empty if none came).
bild() {
    rm -f "$arbeit"/wayland-screenshot*.png
    (cd "$arbeit" && timeout 10 weston-screenshooter >/dev/null 2>&1) || true
    local datei
    datei=$(ls "$arbeit"/wayland-screenshot*.png 2>/dev/null | head -1)
    [ -n "$datei" ] || return 0
    mv "$datei" "$arbeit/$1.png"
    [ -z "${BILDER:-}" ] || cp "$arbeit/$1.png" "$BILDER/wayland-$1.png"
    echo "$arbeit/$1.png"
}

starten desktop-shell
# Above the game area lies the window's own empty background, no panel: the
# top strip is one colour, the same as below the game area.
oben=$(convert "$schirm" -crop 1024x144+0+0 -unique-colors -format '%w %[hex:p{0,0}]' info:)
unten=$(convert "$schirm" -format '%[hex:p{10,700}]' info:)
[ "$oben" = "1 $unten" ] || { echo "über dem Spielbereich liegt etwas ($oben, unten $unten)"; exit 1; }

# Clicks at (x, y) and waits for a window of at least 300 x 100 pixels to
# show over the game; it must lie within 8 pixels of the output's middle and
# leave the game around it.
fenster_mittig() {
    local x=$1 y=$2 name=$3 rahmen="" b h l o
    xdotool mousemove --sync "$x" "$y"
    vorher=$(bild "vor-$name")
    xdotool click 1
    for ((versuch = 0; versuch < 50; versuch++)); do
        sleep 0.2
        nachher=$(bild "$name")
        [ -n "$nachher" ] || continue
        # The box around everything that changed, as "b h l o"; the black
        # border makes -trim cut what did not change, whatever the corners did.
        rahmen=$(convert "$vorher" "$nachher" -compose difference -composite \
            -bordercolor black -border 1 -trim -format '%w %h %X %Y' info: 2>/dev/null | tr -d +)
        read -r b h l o <<<"$rahmen"
        l=$((l - 1)) o=$((o - 1))
        ((b >= 300 && h >= 100)) && break
    done
    local dx=$((l + b / 2 - 512)) dy=$((o + h / 2 - 384))
    ((b >= 300 && h >= 100 && b <= 800 && h <= 600 && dx * dx + dy * dy <= 64)) ||
        { echo "$name nicht mittig über dem Spiel: $b x $h bei $l, $o"; exit 1; }
    unten_mitte=$((o + h))
}

starten kiosk-shell
# Buttons at the game area (192, 144) + their place: "Info", "Beenden"; the
# about window's OK button sits 36 pixels above its lower edge.
fenster_mittig 268 325 info-fenster
xdotool mousemove --sync 512 $((unten_mitte - 36)) click 1
fenster_mittig 780 605 beenden-frage
echo "Vollbild unter Wayland in Ordnung, Fenster mittig darüber"
