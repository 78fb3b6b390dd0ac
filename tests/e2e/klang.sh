#!/usr/bin/env bash
# The sounds on a real sound server: a private PulseAudio with a null sink,
# the game under Xvfb playing into it, the sink's monitor recorded and
# compared with the wave files (klang.py says what is played).
#   bash tests/e2e/klang.sh build/bin/steinfall
set -euo pipefail

spiel=$(realpath "$1")
werkzeug=$(cd "$(dirname "$0")/../werkzeug" && pwd)
source "$werkzeug/xvfb.sh"

# Its own runtime folder: no system daemon, nothing of the user's.
export XDG_RUNTIME_DIR=$arbeit/laufzeit
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Without rewinds: a sink that rewinds to mix a new stream in at once
# never passes the rewritten start to its monitor, and the recording loses
# the first milliseconds of every sound (all of a short one).
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
    -L module-native-protocol-unix -L "module-null-sink sink_name=steinfall norewinds=1" \
    >"$arbeit/pulse.log" 2>&1 &
pulse_pid=$!
trap 'kill "$pulse_pid" 2>/dev/null; aufraeumen' EXIT
for ((versuch = 0; versuch < 100; versuch++)); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
done
pactl info >/dev/null 2>&1 || { echo "kein Tonserver"; cat "$arbeit/pulse.log"; exit 1; }

# Debian's interpreter, which has numpy.
/usr/bin/python3 -u "$werkzeug/klang.py" "$spiel" "$(dirname "$spiel")" "$arbeit"
