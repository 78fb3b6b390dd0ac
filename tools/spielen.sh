#!/usr/bin/env bash
# Sets up, builds and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/einrichten.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTEINFALL_TESTS=OFF
cmake --build build --target steinfall steinfall-analyse
exec build/bin/steinfall "$@"
