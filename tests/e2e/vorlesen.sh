#!/usr/bin/env bash
# A seeded game played to its end as a blind player plays it, in German and
# in English: keys only, and what a screen reader hears through AT-SPI
# (vorlesen.py says what is checked). Runs in a private D-Bus session with
# its own accessibility bus, under openbox; everything it starts ends with it.
#   bash tests/e2e/vorlesen.sh build/bin/steinfall
set -euo pipefail

if [ -z "${STEINFALL_VORLESEN_SITZUNG:-}" ]; then
    # The session bus goes when the script ends, and with it what it activated.
    exec env STEINFALL_VORLESEN_SITZUNG=1 timeout 280 dbus-run-session -- bash "$0" "$@"
fi

spiel=$(realpath "$1")
werkzeug=$(cd "$(dirname "$0")/../werkzeug" && pwd)
source "$werkzeug/xvfb.sh"
source "$werkzeug/spiel.sh"

# A window manager, as on the player's desktop: it gives the new windows the
# keyboard and turns Alt+F4 into a request to close.
openbox --sm-disable >"$arbeit/openbox.log" 2>&1 &
openbox_pid=$!
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$arbeit/atspi.log" 2>&1 &
atspi_pid=$!
# The accessibility bus ends first, collected by its launcher; then the
# launcher, collected here.
atspi_beenden() {
    local versuch
    pkill -P "$atspi_pid" 2>/dev/null || true
    for ((versuch = 0; versuch < 50; versuch++)); do
        pgrep -P "$atspi_pid" >/dev/null || break
        sleep 0.1
    done
    # Gone already when its bus went first.
    kill "$atspi_pid" 2>/dev/null || true
}
# Each step whatever the one before it did: errexit holds in the trap, too.
trap 'atspi_beenden || true; kill "$openbox_pid" 2>/dev/null || true; aufraeumen' EXIT
for ((versuch = 0; versuch < 100; versuch++)); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
# Asked by name only: a call to the bus before the launcher owns it would
# start a second launcher through D-Bus activation.
for ((versuch = 0; versuch < 100; versuch++)); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' &&
        break
    sleep 0.1
done
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true >/dev/null

# Each language to its end, so that one run names every fault.
ergebnis=0
for sprache in de_DE en_US; do
    echo "== $sprache"
    spiel_starten -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="$sprache.UTF-8" \
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 STEINFALL_ZUFALL=7
    /usr/bin/python3 -u "$werkzeug/vorlesen.py" "${sprache%_*}" "$spiel_pid" ||
        { ergebnis=1; echo "-- spiel.log"; cat "$arbeit/spiel.log"; kill "$spiel_pid" 2>/dev/null || true; }
    # The game has quit through its question.
    for ((versuch = 0; versuch < 50; versuch++)); do
        kill -0 "$spiel_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$spiel_pid" 2>/dev/null; then
        echo "das Spiel läuft nach der Frage weiter"
        exit 1
    fi
    wait "$spiel_pid" 2>/dev/null || true
    spiel_pid=""
done
exit "$ergebnis"
