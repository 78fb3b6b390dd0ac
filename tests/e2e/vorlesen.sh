#!/usr/bin/env bash
# A seeded game played to its end as a blind player plays it, in German,
# English and French: keys only, and what a screen reader hears through AT-SPI
# (vorlesen.py says what is checked), on a private accessibility bus.
#   bash tests/e2e/vorlesen.sh build/bin/steinfall
set -euo pipefail
source "$(dirname "$0")/../werkzeug/spiel.sh" "$1"
# A window manager, as on the player's desktop: it gives the new windows the
# keyboard and turns Alt+F4 into a request to close.
openbox_starten
atspi_starten

# Each language to its end, so that one run names every fault.
ergebnis=0
for sprache in de_DE en_US fr_FR; do
    echo "== $sprache"
    spiel_starten -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="$sprache.UTF-8" \
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 STEINFALL_ZUFALL=7
    /usr/bin/python3 -u "$werkzeug/vorlesen.py" "${sprache%_*}" "$spiel_pid" ||
        { ergebnis=1; echo "-- spiel.log"; cat "$arbeit/spiel.log"; beenden "$spiel_pid"; }
    # The game has quit through its question.
    warten_bis 5 vorbei "$spiel_pid" || { echo "das Spiel läuft nach der Frage weiter"; exit 1; }
    wait "$spiel_pid" 2>/dev/null || true
done
exit "$ergebnis"
