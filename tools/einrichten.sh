#!/usr/bin/env bash
# Installs what building, playing and testing Steinfall needs on Debian 12 and 13.
# Only missing packages are installed; apt-get runs through sudo when not root.
set -euo pipefail

pakete=(
    cmake ninja-build g++ pkg-config python3 gettext
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev libxkbcommon-dev
    nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xdotool imagemagick librsvg2-bin x11-apps x11-utils fonts-dejavu-core
    weston qt6-wayland openbox pulseaudio pulseaudio-utils sox python3-numpy python3-xlib
    dbus-daemon dbus-bin at-spi2-core python3-pyatspi procps
    build-essential debhelper dpkg-dev fakeroot lintian desktop-file-utils appstream
    gettext po4a
    clang clang-format libclang-rt-dev
)

fehlend=()
for paket in "${pakete[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q "install ok installed"; then
        fehlend+=("$paket")
    fi
done

if ((${#fehlend[@]})); then
    als_root=()
    if [ "$(id -u)" -ne 0 ]; then
        als_root=(sudo)
    fi
    echo "Installiere: ${fehlend[*]}"
    "${als_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -qq --no-install-recommends \
        "${fehlend[@]}"
fi
