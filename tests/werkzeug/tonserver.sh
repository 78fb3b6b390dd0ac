# Sourced after xvfb.sh by the tests that listen to the game: a private
# PulseAudio with a null sink "steinfall" in its own runtime folder (no
# system daemon, nothing of the user's), ended with the test.
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
