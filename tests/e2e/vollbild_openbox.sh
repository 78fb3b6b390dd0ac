#!/usr/bin/env bash
# Full screen under a window manager (openbox on Xvfb): the main window is
# in the full-screen state, and the about window and the exit question open
# centred over it. The side windows belong to the game window and stay above
# it when the game behind them is clicked; Escape and Alt+F4 leave them, and
# Alt+F4 on the game asks the quit question.
#   bash tests/e2e/vollbild_openbox.sh build/bin/steinfall
set -euo pipefail

source "$(dirname "$0")/../werkzeug/spiel.sh" "$1"
openbox_starten
spiel_starten
haupt=$(fenster_abwarten '^Steinfall$')
vollbild() { xprop -id "$haupt" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN; }
warten_bis 5 vollbild || true
xprop -id "$haupt" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN ||
    { echo "kein Vollbild: $(xprop -id "$haupt" _NET_WM_STATE)"; exit 1; }

# The middle of a window, frame included, lies within 48 pixels of the
# game area's middle; Qt places a message box by a guessed frame.
mittig() {
    local fenster=$1 x y b h
    eval "$(xwininfo -id "$fenster" -frame | awk '/Absolute upper-left X/{print "x=" $NF}
        /Absolute upper-left Y/{print "y=" $NF} /Width/{print "b=" $NF} /Height/{print "h=" $NF}')"
    local mx my
    read -r mx my <<<"$(mitte spielbereich)"
    local dx=$((x + b / 2 - mx)) dy=$((y + h / 2 - my))
    ((dx * dx + dy * dy <= 48 * 48)) || { echo "$2 nicht mittig: $b x $h bei $x, $y"; exit 1; }
}

# Waits until no window of that title is visible.
verschwunden() {
    warten_bis 10 eval '! xdotool search --onlyvisible --name "$1" >/dev/null' ||
        { echo "$2 bleibt offen"; exit 1; }
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
    local b h x y
    IFS='x+' read -r b h x y <<<"$(ort knopf_beenden)"
    xdotool mousemove --sync $((x + b - 4)) $((y + h / 2)) click 1
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

nebenfenster $(mitte knopf_info) '^Copyright$' "das Info-Fenster"
mittig "$fenster" "das Info-Fenster"
xdotool key Escape
verschwunden '^Copyright$' "das Info-Fenster"
nebenfenster $(mitte knopf_anleitung) '^Anleitung$' "die Anleitung"
mittig "$fenster" "die Anleitung"
xdotool key alt+F4
verschwunden '^Anleitung$' "die Anleitung"
nebenfenster $(mitte knopf_info) '^Copyright$' "das Info-Fenster"
# OK, where the window manager put the window.
X=$(xwininfo -id "$fenster" | awk '/Absolute upper-left X/ { print $NF }')
Y=$(xwininfo -id "$fenster" | awk '/Absolute upper-left Y/ { print $NF }')
read -r ok_x ok_y <<<"$(ort ok_im_fenster)"
xdotool mousemove --sync $((X + ok_x)) $((Y + ok_y)) click 1
verschwunden '^Copyright$' "das Info-Fenster"

# Alt+F4 on the game asks; Escape answers No and the game stays.
xdotool key alt+F4
frage=$(timeout 30 xdotool search --sync --onlyvisible --name '^-=Beenden=-$' | head -1)
mittig "$frage" "die Frage nach Alt+F4"
bleibt_oben "$frage" "die Frage nach Alt+F4"
xdotool key Escape
verschwunden '^-=Beenden=-$' "die Frage nach Alt+F4"
kill -0 "$spiel_pid" || { echo "Alt+F4 hat das Spiel ohne Frage beendet"; exit 1; }
xdotool mousemove --sync $(mitte knopf_beenden) click 1
frage=$(timeout 30 xdotool search --sync --onlyvisible --name '^-=Beenden=-$' | head -1)
mittig "$frage" "die Frage zum Beenden"
echo "Vollbild unter openbox in Ordnung"
