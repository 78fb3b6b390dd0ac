#!/usr/bin/env bash
# Full screen under a window manager (openbox on Xvfb): the main window is
# in the full-screen state, and the about window and the exit question open
# centred over it. The side windows belong to the game window and stay above
# it when the game behind them is clicked; Escape and Alt+F4 leave them, and
# Alt+F4 on the game asks the quit question.
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

# Waits until no window of that title is visible.
verschwunden() {
    for ((versuch = 0; versuch < 100; versuch++)); do
        xdotool search --onlyvisible --name "$1" >/dev/null || return 0
        sleep 0.1
    done
    echo "$2 bleibt offen"
    exit 1
}

# The window $1 (named $2 in messages) is transient for the game window and
# still on top after a click on the game behind it, which does nothing there
# (the "Beenden" button's right end, outside every side window and box).
bleibt_oben() {
    xprop -id "$1" WM_TRANSIENT_FOR | grep -qi "$(printf '0x%x' "$haupt")$" ||
        { echo "$2 gehört nicht zum Spiel: $(xprop -id "$1" WM_TRANSIENT_FOR)"; exit 1; }
    fragen() { { xdotool search --onlyvisible --name '^-=Beenden=-$' || true; } | wc -l; }
    local vorher
    vorher=$(fragen)
    xdotool mousemove --sync 815 605 click 1
    sleep 0.5 # a question the click wrongly opened would be up by now
    if (($(fragen) > vorher)); then
        echo "das Spiel hinter $2 nimmt Klicks"
        exit 1
    fi
    local stapel oben unten
    stapel=$(xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | tr ' ' '\n' | grep '^0x')
    oben=$(grep -nix "$(printf '0x%x' "$1")" <<<"$stapel" | cut -d: -f1)
    unten=$(grep -nix "$(printf '0x%x' "$haupt")" <<<"$stapel" | cut -d: -f1)
    [ -n "$oben" ] && [ -n "$unten" ] && ((oben > unten)) ||
        { echo "$2 liegt nach einem Klick aufs Spiel nicht mehr oben: $stapel"; exit 1; }
}

# A side window opened by the button at $1 $2, titled $3, stays on top;
# leaves its window id in $fenster.
nebenfenster() {
    xdotool mousemove --sync "$1" "$2" click 1
    fenster=$(timeout 30 xdotool search --sync --onlyvisible --name "$3" | head -1)
    bleibt_oben "$fenster" "$4"
}

# Buttons at the game area (192, 144) + their place: "Info", "Anleitung",
# "Beenden".
nebenfenster 268 325 '^Copyright$' "das Info-Fenster"
mittig "$fenster" "das Info-Fenster"
xdotool key Escape
verschwunden '^Copyright$' "das Info-Fenster"
nebenfenster 268 289 '^Anleitung$' "die Anleitung"
mittig "$fenster" "die Anleitung"
xdotool key alt+F4
verschwunden '^Anleitung$' "die Anleitung"
nebenfenster 268 325 '^Copyright$' "das Info-Fenster"
xdotool mousemove --sync 512 $((384 + 300 / 2 - 20)) click 1 # OK
verschwunden '^Copyright$' "das Info-Fenster"

# Alt+F4 on the game asks; Escape answers No and the game stays.
xdotool key alt+F4
frage=$(timeout 30 xdotool search --sync --onlyvisible --name '^-=Beenden=-$' | head -1)
mittig "$frage" "die Frage nach Alt+F4"
bleibt_oben "$frage" "die Frage nach Alt+F4"
xdotool key Escape
verschwunden '^-=Beenden=-$' "die Frage nach Alt+F4"
kill -0 "$spiel_pid" || { echo "Alt+F4 hat das Spiel ohne Frage beendet"; exit 1; }
xdotool mousemove --sync 780 605 click 1
frage=$(timeout 30 xdotool search --sync --onlyvisible --name '^-=Beenden=-$' | head -1)
mittig "$frage" "die Frage zum Beenden"
echo "Vollbild unter openbox in Ordnung"
