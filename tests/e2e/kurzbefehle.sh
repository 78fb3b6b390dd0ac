#!/usr/bin/env bash
# The desktop's shortcuts in the real window under Xvfb: Ctrl+N starts a new
# game, F1 opens the instructions, Shift+F1 the about window, Ctrl+Q asks the
# quit question (No plays on, Yes ends with 0). While a side window is open,
# none of them does anything, whichever window has the focus.
#   bash tests/e2e/kurzbefehle.sh build/bin/steinfall
set -euo pipefail

source "$(dirname "$0")/../werkzeug/spiel.sh" "$1"
spiel_starten
haupt=$(fenster_abwarten '^Steinfall$')

# A region of the screen as $arbeit/<name>.png.
aufnehmen() { # <name> <ort>
    import -window root -crop "$(ort "$2")" +repage "$arbeit/$1.png"
}
gleich() { [ "$(compare -metric AE "$arbeit/$1.png" "$arbeit/$2.png" null: 2>&1)" = 0 ]; }
# Whether the board shows what it showed in <name>, and the status line asks
# for the player's move again (the computer has answered).
brett_wie() { # <name>
    aufnehmen jetzt brett && aufnehmen status_jetzt status && gleich jetzt "$1" &&
        gleich status_jetzt status_start
}
sichtbar() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
taste() { xdotool key --clearmodifiers "$@"; }

aufnehmen leer brett
aufnehmen status_start status
# A move of the player's and the computer's answer: the status line asks
# again only once the computer's stone has landed.
zug() {
    xdotool mousemove --sync $(spalte 3) click 1
    warten_bis 30 eval 'aufnehmen status_jetzt status && gleich status_jetzt status_start &&
        aufnehmen gespielt brett && ! gleich gespielt leer' || { echo "kein Zug"; exit 1; }
}

zug
taste ctrl+n
warten_bis 10 brett_wie leer || { echo "Strg+N beginnt kein neues Spiel"; exit 1; }
zug

# Each side window, and the four shortcuts while it is open: to it, and to
# the main window behind it.
for seite in "F1:Anleitung" "shift+F1:Copyright"; do
    kurz=${seite%%:*} titel=${seite#*:}
    taste "$kurz"
    fenster=$(fenster_abwarten "^$titel\$")
    [ -n "$fenster" ] || { echo "$kurz öffnet nicht $titel"; exit 1; }
    for ziel in "$fenster" "$haupt"; do
        xdotool windowfocus --sync "$ziel" 2>/dev/null || true
        taste ctrl+n ctrl+q F1 shift+F1
    done
    # The side window's own key comes after them: they have been handled.
    xdotool windowfocus --sync "$fenster" 2>/dev/null || true
    taste Escape
    warten_bis 10 eval '! sichtbar "^$titel\$"' || { echo "Esc schließt $titel nicht"; exit 1; }
    # A press shows its pressed look for a moment before it acts: one more
    # shortcut after that moment would come behind a stray one.
    taste "$kurz"
    [ -n "$(fenster_abwarten "^$titel\$")" ] || { echo "$kurz öffnet $titel kein zweites Mal"; exit 1; }
    for anderes in Anleitung Copyright -=Beenden=-; do
        [ "$anderes" = "$titel" ] || ! sichtbar "^$anderes\$" ||
            { echo "bei offenem $titel geöffnet: $anderes"; exit 1; }
    done
    xdotool windowfocus --sync "$(fenster_abwarten "^$titel\$")" 2>/dev/null || true
    taste Escape
    warten_bis 10 eval '! sichtbar "^$titel\$"' || { echo "Esc schließt $titel nicht"; exit 1; }
    brett_wie gespielt || { echo "bei offenem $titel ein neues Spiel"; exit 1; }
    spiel_lebt
done

# Ctrl+Q asks; No plays on, Yes ends the game.
for antwort in n j; do
    xdotool windowfocus --sync "$haupt" 2>/dev/null || true
    taste ctrl+q
    frage=$(fenster_abwarten '^-=Beenden=-$')
    [ -n "$frage" ] || { echo "Strg+Q fragt nicht"; exit 1; }
    xdotool windowfocus --sync "$frage" key "$antwort"
    warten_bis 10 eval '! sichtbar "^-=Beenden=-\$"' || { echo "die Frage bleibt"; exit 1; }
done
warten_bis 10 vorbei "$spiel_pid" || { echo "das Spiel läuft nach Ja weiter"; exit 1; }
code=0
wait "$spiel_pid" || code=$?
spiel_pid=""
((code == 0)) || { echo "Ende mit $code statt 0"; cat "$arbeit/spiel.log"; exit 1; }
echo "Strg+N, Strg+Q, F1 und Umschalt+F1 in Ordnung, bei offenem Nebenfenster ohne Wirkung"
