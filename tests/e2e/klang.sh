#!/usr/bin/env bash
# The sounds on a real sound server: a private PulseAudio with a null sink,
# the game under Xvfb playing into it, the sink's monitor recorded and
# compared with the wave files (klang.py says what is played).
#   bash tests/e2e/klang.sh build/bin/steinfall
set -euo pipefail

spiel=$(realpath "$1")
# An X screen, and where the game lays things out on it.
source "$(dirname "$0")/../werkzeug/spiel.sh" "$spiel"
pulse_starten

# Debian's interpreter, which has numpy.
/usr/bin/python3 -u "$werkzeug/klang.py" "$spiel" "$(dirname "$spiel")" "$arbeit"
