# Sourced by the tests that start their own servers by hand: the helpers of
# server.sh (work folder, clean-up of everything started, warten_bis) and an
# X screen ($xvfb_groesse, if set before).
source "$(dirname "${BASH_SOURCE[0]}")/server.sh"
xvfb_starten ${xvfb_groesse:-}
