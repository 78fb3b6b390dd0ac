# Sourced by the end-to-end tests: a work folder $arbeit, one wait with a
# deadline, and one start for each helper server. Every process the test
# still runs in the background (servers, the game) is ended on exit, the
# last started first, and the work folder removed.
#
#   source tests/werkzeug/server.sh
#   xvfb_starten [GROESSE]       DISPLAY
#   openbox_starten
#   weston_starten SHELL         WAYLAND_DISPLAY; ends the Weston before it
#   pulse_starten                PulseAudio with a null sink "steinfall"
#   atspi_starten                DBUS_SESSION_BUS_ADDRESS, accessibility on;
#                                start the game with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
werkzeug=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
arbeit=$(mktemp -d)
chmod 700 "$arbeit"
# Gone, or a zombie waiting for its parent.
vorbei() { [ ! -e "/proc/$1" ] || grep -q '^[0-9]* (.*) Z' "/proc/$1/stat" 2>/dev/null; }
# Under `set -e` a failing kill (a process already gone) would end the
# clean-up halfway and leave the X server holding the test's output open.
aufraeumen() {
    local laufend=($(jobs -p)) i pid
    for ((i = ${#laufend[@]} - 1; i >= 0; i--)); do kill "${laufend[$i]}" 2>/dev/null || true; done
    # A server stuck in its shutdown does not hold the test.
    for pid in "${laufend[@]}"; do
        warten_bis 5 vorbei "$pid" || kill -KILL "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$arbeit"
}
trap aufraeumen EXIT
trap "exit 1" INT TERM

# Ends a process started here now, not only at the end.
beenden() { kill "$1" 2>/dev/null && wait "$1" 2>/dev/null || true; }

# warten_bis SEKUNDEN BEFEHL...: runs BEFEHL until it succeeds; fails once
# SEKUNDEN have passed without.
warten_bis() {
    local ende=$(($(date +%s%N) + $1 * 1000000000))
    shift
    until "$@"; do
        (($(date +%s%N) < ende)) || return 1
        sleep 0.1
    done
}

# Where things are on the test screen (tests/werkzeug/schirm.py).
ort() { python3 "$werkzeug/schirm.py" ort "$@"; }
mitte() { python3 "$werkzeug/schirm.py" mitte "$@"; }
spalte() { python3 "$werkzeug/schirm.py" spalte "$@"; }

# The id of a visible window whose title matches, once there is one.
fenster_abwarten() { timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -1; }

xvfb_starten() {
    mkfifo "$arbeit/display"
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -noreset 3>"$arbeit/display" \
        2>"$arbeit/xvfb.log" &
    # Xvfb names the display once it is ready.
    local nummer
    read -r -t 30 nummer <"$arbeit/display"
    export DISPLAY=":$nummer"
}

openbox_starten() {
    openbox --sm-disable >"$arbeit/openbox.log" 2>&1 &
    # Ready once it has named itself on the root window.
    warten_bis 10 eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' ||
        { echo "openbox kommt nicht"; exit 1; }
}

# Weston nested in the Xvfb: its pointer and keyboard give it a seat as in a
# real session.
weston_pid=""
weston_starten() {
    [ -z "$weston_pid" ] || beenden "$weston_pid"
    export XDG_RUNTIME_DIR=$arbeit WAYLAND_DISPLAY=wayland-$1
    # --debug lets weston-screenshooter take its pictures.
    weston --backend=x11-backend.so --use-pixman --width=1024 --height=768 --no-config \
        --shell="$1.so" --debug --idle-time=0 --socket="$WAYLAND_DISPLAY" \
        >"$arbeit/weston-$1.log" 2>&1 &
    weston_pid=$!
    warten_bis 10 test -S "$arbeit/$WAYLAND_DISPLAY" ||
        { echo "Weston kommt nicht"; cat "$arbeit/weston-$1.log"; exit 1; }
}

# Without rewinds: a sink that rewinds to mix a new stream in at once never
# passes the rewritten start to its monitor, and a recording loses the first
# milliseconds of every sound. Its own runtime folder: no system daemon,
# nothing of the user's.
pulse_starten() {
    export XDG_RUNTIME_DIR=$arbeit/laufzeit
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
        -L module-native-protocol-unix -L "module-null-sink sink_name=steinfall norewinds=1" \
        >"$arbeit/pulse.log" 2>&1 &
    pulse_pid=$!
    warten_bis 10 eval 'pactl info >/dev/null 2>&1' ||
        { echo "kein Tonserver"; cat "$arbeit/pulse.log"; exit 1; }
}

# A private session bus with the accessibility bus on it, switched on, as a
# screen reader finds it.
atspi_starten() {
    local adresse="unix:path=$arbeit/bus"
    dbus-daemon --session --nofork --address="$adresse" >"$arbeit/dbus.log" 2>&1 &
    export DBUS_SESSION_BUS_ADDRESS=$adresse
    warten_bis 10 eval 'dbus-send --session --dest=org.freedesktop.DBus --print-reply \
        /org/freedesktop/DBus org.freedesktop.DBus.GetId >/dev/null 2>&1' ||
        { echo "kein Sitzungsbus"; cat "$arbeit/dbus.log"; exit 1; }
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$arbeit/atspi.log" 2>&1 &
    warten_bis 10 eval 'dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null 2>&1' ||
        { echo "kein AT-SPI-Bus"; cat "$arbeit/atspi.log"; exit 1; }
    dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
        variant:boolean:true >/dev/null
}
