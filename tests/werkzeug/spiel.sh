# Sourced with the game's path by the scripts that play in the real window:
# the helper servers (server.sh) and an X screen ($xvfb_groesse, if set
# before), then starting the game.
spiel=$(realpath "$1")
source "$(dirname "${BASH_SOURCE[0]}")/server.sh"
xvfb_starten ${xvfb_groesse:-}

# Where the game lays things out on this screen, asked of the game itself
# with the same environment and arguments (schirm.py reads it).
export STEINFALL_GEOMETRIE=$arbeit/geometrie
geometrie_lesen() {
    local umgebung=()
    while (($#)) && [ "$1" != -- ]; do umgebung+=("$1"); shift; done
    (($#)) && shift
    env "${umgebung[@]}" "$spiel" "$@" --geometrie >"$STEINFALL_GEOMETRIE" 2>/dev/null ||
        { echo "das Spiel nennt seine Geometrie nicht"; exit 1; }
}

# Starts the game ($spiel; VAR=value words go to its environment, words after
# "--" are its arguments) in the background, $spiel_pid; the clean-up ends it.
spiel_pid=""
spiel_im_hintergrund() {
    geometrie_lesen "$@"
    local umgebung=()
    while (($#)) && [ "$1" != -- ]; do umgebung+=("$1"); shift; done
    (($#)) && shift
    env "${umgebung[@]}" "$spiel" "$@" >"$arbeit/spiel.log" 2>&1 &
    spiel_pid=$!
}

# ... and waits for its main window on the X screen.
spiel_starten() {
    spiel_im_hintergrund "$@"
    [ -n "$(fenster_abwarten '^Steinfall$')" ] ||
        { echo "kein Hauptfenster"; cat "$arbeit/spiel.log"; exit 1; }
}

spiel_lebt() {
    kill -0 "$spiel_pid" 2>/dev/null ||
        { echo "das Spiel ist abgestürzt"; cat "$arbeit/spiel.log"; exit 1; }
}

# The places with the game's own environment, for drivers that start it
# themselves; spiel_starten asks again with its own.
geometrie_lesen
