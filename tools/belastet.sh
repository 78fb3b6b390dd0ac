#!/usr/bin/env bash
# The end-to-end tests N times in a row while two busy loops take both cores,
# as on a shared CI machine: a check that waits for a moment instead of for
# its condition shows up here. One line a run; the failed runs' logs stay.
#   bash tools/belastet.sh [N] [BUILD]    (N 10, BUILD build)
set -uo pipefail
cd "$(dirname "$0")/.."
laeufe=${1:-10}
build=${2:-build}
log=$(mktemp -d)

yes >/dev/null &
yes >/dev/null &
trap 'kill $(jobs -p) 2>/dev/null' EXIT

fehlgeschlagen=0
for ((i = 1; i <= laeufe; i++)); do
    beginn=$(date +%s)
    if ctest --test-dir "$build" -L e2e -j "$(nproc)" --output-on-failure >"$log/$i.log" 2>&1; then
        ergebnis=ok
    else
        ergebnis="FEHLER ($log/$i.log)"
        fehlgeschlagen=$((fehlgeschlagen + 1))
    fi
    zahlen=$(grep -o '[0-9]* tests failed out of [0-9]*' "$log/$i.log")
    echo "Lauf $i: ${zahlen:-kein Ergebnis}, $(($(date +%s) - beginn)) s, $ergebnis"
done
echo "$fehlgeschlagen von $laeufe Läufen fehlgeschlagen"
((fehlgeschlagen == 0))
