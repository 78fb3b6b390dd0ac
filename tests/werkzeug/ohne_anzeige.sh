#!/usr/bin/env bash
# Without any display the game still answers its command line as a
# command-line program does, and a start says in one line, in the player's
# language, that there is none (no abort of Qt's); the analysis tool speaks
# the system's language.
#   bash tests/werkzeug/ohne_anzeige.sh build/bin/steinfall build/bin/steinfall-analyse
set -uo pipefail

spiel=$1
analyse=$2
fehler=0

# Runs the game with neither X nor Wayland nor a platform named, apart from
# the VAR=value words that follow $1; the rest of the arguments are its
# command line. Compares the exit code with $1.
erwarten() {
    local code=$1 umgebung=()
    shift
    while [[ ${1:-} == *=* && ${1:-} != -* ]]; do umgebung+=("$1"); shift; done
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= LANG=C.UTF-8 LANGUAGE= LC_ALL= \
        "${umgebung[@]}" timeout 30 "$spiel" "$@" >/tmp/ohne_anzeige.$$ 2>&1
    local ist=$?
    if [ "$ist" -ne "$code" ]; then
        echo "steinfall $*: Ende $ist statt $code"
        cat /tmp/ohne_anzeige.$$
        fehler=1
    fi
}
trap 'rm -f /tmp/ohne_anzeige.$$' EXIT

erwarten 0 --version
grep -q '^steinfall ' /tmp/ohne_anzeige.$$ || { echo "keine Version"; fehler=1; }
erwarten 0 --help
grep -q -- '--sprache' /tmp/ohne_anzeige.$$ || { echo "keine Hilfe"; fehler=1; }
erwarten 2 --bogus
grep -q -- '--bogus' /tmp/ohne_anzeige.$$ || { echo "der Fehler nennt die Option nicht"; fehler=1; }
# An unknown language in one line that names the known ones: German and
# every catalogue the build made.
erwarten 2 --sprache=xx
bekannt=$(ls "$(dirname "$spiel")/../share/locale" | sort | tr '\n' ' ')
grep -q "^steinfall: unbekannte Sprache xx (bekannt: .*de" /tmp/ohne_anzeige.$$ &&
    [ "$(wc -l </tmp/ohne_anzeige.$$)" = 1 ] || { echo "--sprache=xx:"; cat /tmp/ohne_anzeige.$$; fehler=1; }
for sprache in $bekannt; do
    grep -q "[ ,]$sprache[,)]" /tmp/ohne_anzeige.$$ || { echo "$sprache nicht genannt"; fehler=1; }
done

# One line, then 1: with nothing set, and with a display that does not answer.
eine_zeile() {
    local erwartet=$1
    [ "$(cat /tmp/ohne_anzeige.$$)" = "$erwartet" ] ||
        { echo "statt '$erwartet':"; cat /tmp/ohne_anzeige.$$; fehler=1; }
}
erwarten 1
eine_zeile "steinfall: keine Anzeige gefunden (DISPLAY oder WAYLAND_DISPLAY setzen)"
erwarten 1 --language en
eine_zeile "steinfall: no display found (set DISPLAY or WAYLAND_DISPLAY)"
# A system on which no locale was ever generated (no locale directory at
# all): the player's language all the same. (French sets a no-break space
# before the colon.)
keine_locale=$(mktemp -d)
trap 'rm -f /tmp/ohne_anzeige.$$; rm -rf "$keine_locale"' EXIT
erwarten 1 LOCPATH="$keine_locale" LANG=fr_FR.UTF-8
eine_zeile "steinfall : aucun affichage trouvé (définissez DISPLAY ou WAYLAND_DISPLAY)"
erwarten 0 LOCPATH="$keine_locale" LANG=es_ES.UTF-8 --help
grep -q '^Uso: steinfall' /tmp/ohne_anzeige.$$ || { echo "--help ohne Locale:"; cat /tmp/ohne_anzeige.$$; fehler=1; }
# A display number that no server holds, not even in the abstract namespace.
nummer=4711
while [ -e /tmp/.X11-unix/X$nummer ] || grep -q "@/tmp/.X11-unix/X$nummer\b" /proc/net/unix; do
    nummer=$((nummer + 1))
done
erwarten 1 DISPLAY=:$nummer
eine_zeile "steinfall: keine Anzeige erreichbar (DISPLAY=:$nummer)"
erwarten 1 LANG=en_GB.UTF-8 WAYLAND_DISPLAY=steinfall-nirgends XDG_RUNTIME_DIR=/tmp \
    QT_QPA_PLATFORM=wayland
eine_zeile "steinfall: no display reachable (WAYLAND_DISPLAY=steinfall-nirgends, QT_QPA_PLATFORM=wayland)"
# Tests draw offscreen: that platform needs no display and stays usable.
erwarten 0 QT_QPA_PLATFORM=offscreen --geometrie
grep -q '^picSpielfeld ' /tmp/ohne_anzeige.$$ || { echo "offscreen nennt keine Geometrie"; fehler=1; }

hilfe=$(LANG=en_GB.UTF-8 LANGUAGE= LC_ALL= LC_MESSAGES= "$analyse" --help)
grep -q '^Usage: steinfall-analyse' <<<"$hilfe" ||
    { echo "steinfall-analyse --help spricht nicht Englisch: $hilfe"; fehler=1; }
hilfe=$(LANG=de_DE.UTF-8 LANGUAGE= LC_ALL= LC_MESSAGES= "$analyse" --help)
grep -q '^Aufruf: steinfall-analyse' <<<"$hilfe" ||
    { echo "steinfall-analyse --help spricht nicht Deutsch: $hilfe"; fehler=1; }

exit $fehler
