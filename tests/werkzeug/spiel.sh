# Sourced with the game's path by the scripts that play in the real window:
# the helper servers (server.sh) and an X screen ($xvfb_groesse, if set
# before), then starting the game and reading its board off the screen.
# (After xvfb.sh, without the path: $spiel set before.)
[ $# -eq 0 ] || spiel=$(realpath "$1")
if [ -z "${xvfb_laeuft:-}" ]; then
    source "$(dirname "${BASH_SOURCE[0]}")/server.sh"
    xvfb_starten ${xvfb_groesse:-}
fi

# Where the game lays things out on this screen, asked of the game itself
# with the same environment and arguments (schirm.py reads it).
export STEINFALL_GEOMETRIE=$arbeit/geometrie
geometrie_lesen() {
    local umgebung=()
    while (($#)) && [ "$1" != -- ]; do umgebung+=("$1"); shift; done
    (($#)) && shift
    env "${umgebung[@]}" "$spiel" "$@" --geometrie >"$STEINFALL_GEOMETRIE" 2>/dev/null ||
        { echo "das Spiel nennt seine Geometrie nicht"; exit 1; }
    brett_region="" loecher_format=""
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

# The board's holes, row by row from the top: . empty, X human, O computer,
# ? anything else. Set before: leer, a picture of the empty board region;
# mensch and computer, the colours of the stones' middles. The screenshot
# stays in $arbeit/bild.png.
brett_region="" loecher_format=""
# The board's region and its holes' middles in it, looked up once a game.
brett_vorbereiten() {
    [ -z "$brett_region" ] || return 0
    local b h bx by c r x y
    brett_region=$(ort brett)
    IFS='x+' read -r b h bx by <<<"$brett_region"
    while read -r _ c r x y; do
        loecher_format+="%[hex:p{$((x - bx)),$((y - by))}] "
    done < <(grep '^loch ' "$STEINFALL_GEOMETRIE")
}
brett_lesen() {
    brett_vorbereiten
    local format=$loecher_format zeile="" i
    import -window root -crop "$brett_region" +repage "$arbeit/bild.png"
    local jetzt=($(convert "$arbeit/bild.png" -format "$format" info:))
    local frei=($(convert "$leer" -format "$format" info:))
    for i in "${!jetzt[@]}"; do
        if [ "${jetzt[$i]}" = "${frei[$i]}" ]; then zeile+="."
        elif [ "${jetzt[$i]}" = "$mensch" ]; then zeile+="X"
        elif [ "${jetzt[$i]}" = "$computer" ]; then zeile+="O"
        else zeile+="?"; fi
    done
    echo "$zeile"
}

brett_leer() { [ "$(brett_lesen)" = "$(printf '.%.0s' {1..42})" ]; }

# Waits until the window shows the empty board.
leeres_brett_abwarten() {
    brett_vorbereiten
    warten_bis 20 brett_leer || { echo "das Brett wird nicht leer: $(brett_lesen)"; exit 1; }
}

# After the first click: two stones are in and the board stands still (a
# falling stone changes it every 40 ms); the board in $jetzt.
zwei_steine_ruhig() {
    local vorher=$jetzt
    sleep 0.2
    jetzt=$(brett_lesen)
    [ "$(tr -cd 'XO?' <<<"$jetzt" | wc -c)" -eq 2 ] && [ "$jetzt" = "$vorher" ]
}

# Waits for the computer's answer to the first click and shows the board.
antwort_abwarten() {
    brett_vorbereiten
    jetzt=""
    warten_bis 30 zwei_steine_ruhig || { spiel_lebt; echo "keine Antwort: $jetzt"; exit 1; }
    spiel_lebt
    fold -w 7 <<<"$jetzt"
}

# The places with the game's own environment, for drivers that start it
# themselves; spiel_starten asks again with its own.
geometrie_lesen
