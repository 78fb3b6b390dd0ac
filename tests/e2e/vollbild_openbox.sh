#!/usr/bin/env bash
# Full screen under a window manager (openbox on Xvfb): the main window is
# in the full-screen state, and the about window and the exit question open
# centred over it.
#   bash tests/e2e/vollbild_openbox.sh build/bin/steinfall
set -euo pipefail

spiel=$(realpath "$1")
source "$(dirname "$0")/../werkzeug/xvfb.sh"

openbox --sm-disable >"$arbeit/openbox.log" 2>&1 &
openbox_pid=$!
trap 'kill "$openbox_pid" 2>/dev/null; aufraeumen' EXIT
# The window manager is ready once it has named itself on the root window.
for ((versuch = 0; versuch < 100; versuch++)); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

"$spiel" >"$arbeit/spiel.log" 2>&1 &
spiel_pid=$!
haupt=$(timeout 30 xdotool search --sync --onlyvisible --name '^Steinfall$' | head -1)
for ((versuch = 0; versuch < 50; versuch++)); do
    xprop -id "$haupt" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN && break
    sleep 0.1
done
xprop -id "$haupt" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN ||
    { echo "kein Vollbild: $(xprop -id "$haupt" _NET_WM_STATE)"; exit 1; }

# The middle of a window, frame included, lies within 48 pixels of the
# screen's middle (512, 384); Qt places a message box by a guessed frame.
mittig() {
    local fenster=$1 x y b h
    eval "$(xwininfo -id "$fenster" -frame | awk '/Absolute upper-left X/{print "x=" $NF}
        /Absolute upper-left Y/{print "y=" $NF} /Width/{print "b=" $NF} /Height/{print "h=" $NF}')"
    local dx=$((x + b / 2 - 512)) dy=$((y + h / 2 - 384))
    ((dx * dx + dy * dy <= 48 * 48)) || { echo "$2 nicht mittig: $b x $h bei $x, $y"; exit 1; }
}

# Buttons at the game area (192, 144) + their place: "Info", "Beenden".
xdotool mousemove --sync 268 325 click 1
info=$(timeout 30 xdotool search --sync --onlyvisible --name '^Copyright$' | head -1)
mittig "$info" "das Info-Fenster"
xdotool mousemove --sync 512 $((384 + 300 / 2 - 20)) click 1 # OK
xdotool mousemove --sync 780 605 click 1
frage=$(timeout 30 xdotool search --sync --onlyvisible --name '^-=Beenden=-$' | head -1)
mittig "$frage" "die Frage zum Beenden"
echo "Vollbild unter openbox in Ordnung"
