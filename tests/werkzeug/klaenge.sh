#!/usr/bin/env bash
# The synthesiser writes, byte for byte, the nine wave files the game plays
# (assets/): a change to a sound is a change to the committed files too.
#   bash tests/werkzeug/klaenge.sh build/bin/steinfall-klaenge assets
set -euo pipefail

werkzeug=$1
eingecheckt=$2
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT

"$werkzeug" "$ordner"
[ "$(ls "$ordner" | wc -l)" -eq 9 ] || { echo "FEHLER: nicht neun Klänge: $(ls "$ordner" | xargs)"; exit 1; }
for klang in "$ordner"/*; do
    cmp "$klang" "$eingecheckt/$(basename "$klang")"
done
echo "ok: neun Klänge wie eingecheckt"
