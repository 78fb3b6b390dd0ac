#!/usr/bin/env bash
# Sets up, builds and starts the game. Its own build folder: the tests'
# debug build in build/ stays as it is, and each rebuilds only what changed.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/einrichten.sh
cmake -S . -B build-spiel -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTEINFALL_TESTS=OFF \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build build-spiel --target steinfall steinfall-analyse
exec build-spiel/bin/steinfall "$@"
