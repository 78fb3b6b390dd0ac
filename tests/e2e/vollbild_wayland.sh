#!/usr/bin/env bash
# Full screen under Wayland: a private Weston (headless, pixman, desktop
# shell with its panel) shows the game over the whole output, panel
# included, with the board at its place in the centred game area.
#   bash tests/e2e/vollbild_wayland.sh build/bin/steinfall
set -euo pipefail

spiel=$(realpath "$1")
brett=$(cd "$(dirname "$0")/../../assets" && pwd)/brett.png
arbeit=$(mktemp -d)
chmod 700 "$arbeit"
weston_pid=""
spiel_pid=""
aufraeumen() {
    [ -n "$spiel_pid" ] && kill "$spiel_pid" 2>/dev/null
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$arbeit"
}
trap aufraeumen EXIT
trap "exit 1" INT TERM

export XDG_RUNTIME_DIR=$arbeit WAYLAND_DISPLAY=wayland-steinfall QT_QPA_PLATFORM=wayland
# --debug lets weston-screenshooter take its picture.
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --no-config \
    --debug --idle-time=0 --socket="$WAYLAND_DISPLAY" >"$arbeit/weston.log" 2>&1 &
weston_pid=$!
for ((versuch = 0; versuch < 100; versuch++)); do
    [ -S "$arbeit/$WAYLAND_DISPLAY" ] && break
    sleep 0.1
done

"$spiel" >"$arbeit/spiel.log" 2>&1 &
spiel_pid=$!

# On a 1024 x 768 output the game area starts at (192, 144), the board
# 168, 88 further in; the status line covers its last row.
bild() {
    rm -f "$arbeit"/wayland-screenshot*.png
    (cd "$arbeit" && timeout 10 weston-screenshooter >/dev/null 2>&1) || true
    ls "$arbeit"/wayland-screenshot*.png 2>/dev/null | head -1
}
abweichung=""
for ((versuch = 0; versuch < 100; versuch++)); do
    kill -0 "$spiel_pid" || { echo "das Spiel ist abgestürzt"; cat "$arbeit/spiel.log"; exit 1; }
    schirm=$(bild)
    if [ -n "$schirm" ]; then
        abweichung=$(convert "$schirm" -crop 440x344+360+232 +repage \
            \( "$brett" -crop 440x344+0+0 +repage \) -metric AE -compare \
            -format '%[distortion]' info: 2>/dev/null || true)
        [ "$abweichung" = "0" ] && break
    fi
    sleep 0.2
done
[ "$abweichung" = "0" ] || { echo "das Brett ist nicht an seinem Platz ($abweichung Pixel anders)"; exit 1; }

# Above the game area lies the window's own empty background, no panel: the
# top strip is one colour, the same as below the game area.
oben=$(convert "$schirm" -crop 1024x144+0+0 -unique-colors -format '%w %[hex:p{0,0}]' info:)
unten=$(convert "$schirm" -format '%[hex:p{10,700}]' info:)
[ "$oben" = "1 $unten" ] || { echo "über dem Spielbereich liegt etwas ($oben, unten $unten)"; exit 1; }
echo "Vollbild unter Wayland in Ordnung"
