# Sourced by the end-to-end tests: a work folder, a fresh Xvfb on a display
# it picks itself (exported as DISPLAY), and a clean-up on every exit that
# ends the game ($spiel_pid, once started) and the X server.
arbeit=$(mktemp -d)
xvfb_pid=""
spiel_pid=""
aufraeumen() {
    [ -n "$spiel_pid" ] && kill "$spiel_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$arbeit"
}
trap aufraeumen EXIT
trap "exit 1" INT TERM

# Xvfb names the display once it is ready. A test that sets xvfb_groesse
# before sourcing this file gets a screen of that size.
mkfifo "$arbeit/display"
Xvfb -displayfd 3 -screen 0 "${xvfb_groesse:-1024x768}x24" -noreset 3>"$arbeit/display" \
    2>"$arbeit/xvfb.log" &
xvfb_pid=$!
read -r -t 30 nummer <"$arbeit/display"
export DISPLAY=":$nummer"
