# Sourced after xvfb.sh by the scripts that play in the real window: start
# the game and read its board off the screen.

# Starts the game ($spiel; VAR=value words go to its environment, words after
# "--" are its arguments)
# and waits for its main window.
spiel_starten() {
    # VAR=value words, then after "--" the game's own arguments.
    local umgebung=()
    while (($#)) && [ "$1" != -- ]; do umgebung+=("$1"); shift; done
    (($#)) && shift
    env "${umgebung[@]}" "$spiel" "$@" >"$arbeit/spiel.log" 2>&1 &
    spiel_pid=$!
    timeout 30 xdotool search --sync --onlyvisible --name '^Steinfall$' >/dev/null
}

# The board's holes, row by row from the top: . empty, X human, O computer,
# ? anything else. Set before: brett, the board's region on the screen
# (WxH+X+Y); leer, a picture of the empty board of that size; loch, the
# middle of the top-left hole and the steps to the next column and row
# ("X Y DX DY"); mensch and computer, the colours of the stones' middles.
# The screenshot stays in $arbeit/bild.png.
brett_lesen() {
    import -window root -crop "$brett" +repage "$arbeit/bild.png"
    local x y dx dy r c i format="" zeile=""
    read -r x y dx dy <<<"$loch"
    for r in 0 1 2 3 4 5; do
        for c in 0 1 2 3 4 5 6; do format+="%[hex:p{$((x + dx * c)),$((y + dy * r))}] "; done
    done
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

# Waits until the window shows the empty board.
leeres_brett_abwarten() {
    for ((versuch = 0; versuch < 100; versuch++)); do
        [ "$(brett_lesen)" = "$(printf '.%.0s' {1..42})" ] && return
        sleep 0.1
    done
}

# After the first click: waits until two stones are in and the board stands
# still (a falling stone changes it every 40 ms), shows it and leaves it in
# $jetzt.
antwort_abwarten() {
    local vorher=""
    for ((versuch = 0; versuch < 150; versuch++)); do
        sleep 0.2
        jetzt=$(brett_lesen)
        [ "$(tr -cd 'XO?' <<<"$jetzt" | wc -c)" -eq 2 ] && [ "$jetzt" = "$vorher" ] && break
        vorher=$jetzt
    done
    kill -0 "$spiel_pid" || { echo "das Spiel ist abgestürzt"; cat "$arbeit/spiel.log"; exit 1; }
    fold -w 7 <<<"$jetzt"
}

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
