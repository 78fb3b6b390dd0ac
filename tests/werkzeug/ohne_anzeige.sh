#!/usr/bin/env bash
# Without any display the game still answers its command line as a
# command-line program does, and the analysis tool speaks the system's
# language.
#   bash tests/werkzeug/ohne_anzeige.sh build/bin/steinfall build/bin/steinfall-analyse
set -uo pipefail

spiel=$1
analyse=$2
fehler=0

# Runs the game with neither X nor Wayland nor a platform named; the rest of
# the arguments are its command line. Compares the exit code with $1.
erwarten() {
    local code=$1
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= LANG=C.UTF-8 LANGUAGE= LC_ALL= \
        timeout 30 "$spiel" "$@" >/tmp/ohne_anzeige.$$ 2>&1
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
erwarten 2 --sprache=xx

hilfe=$(LANG=en_GB.UTF-8 LANGUAGE= LC_ALL= LC_MESSAGES= "$analyse" --help)
grep -q '^Usage: steinfall-analyse' <<<"$hilfe" ||
    { echo "steinfall-analyse --help spricht nicht Englisch: $hilfe"; fehler=1; }
hilfe=$(LANG=de_DE.UTF-8 LANGUAGE= LC_ALL= LC_MESSAGES= "$analyse" --help)
grep -q '^Aufruf: steinfall-analyse' <<<"$hilfe" ||
    { echo "steinfall-analyse --help spricht nicht Deutsch: $hilfe"; fehler=1; }

exit $fehler
