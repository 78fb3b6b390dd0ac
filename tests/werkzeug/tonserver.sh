# Sourced after xvfb.sh by the tests that listen to the game: a private
# PulseAudio with a null sink "steinfall" (server.sh), ended with the test.
pulse_starten
