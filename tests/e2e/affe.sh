#!/usr/bin/env bash
# Monkey test of the real window: random real input under Xvfb, the holes
# read off screenshots after every few events (tests/werkzeug/affe.py).
#   bash tests/e2e/affe.sh build/bin/steinfall [EREIGNISSE [SAAT]]
# The seed is printed; the same seed replays the same input (the game's own
# timing may still differ a little). Without a count it stops after 2000
# events or 200 s, whichever comes first, to keep the test run short, and
# uses a fixed seed so that the test command gives the same verdict twice.
set -euo pipefail

spiel=$(realpath "$1")
ereignisse=${2:-2000}
sekunden=$([ $# -ge 2 ] && echo 0 || echo 200)
saat=${3:-201}
# An X screen, and where the game lays things out on it.
source "$(dirname "$0")/../werkzeug/spiel.sh" "$spiel"
AFFE_LOG="$arbeit/spiel.log" python3 "$werkzeug/affe.py" "$spiel" "$werkzeug/../../assets" \
    "$ereignisse" "$saat" "$sekunden" || { tail -5 "$arbeit/spiel.log"; exit 1; }
