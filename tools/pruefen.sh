#!/usr/bin/env bash
# Sets up, builds and runs every test: once in a debug build (which checks
# every 16-bit value), once more under AddressSanitizer and
# UndefinedBehaviorSanitizer. The optimised programs are built as well, since
# the compiler warns differently at -O3; the analysis tool's request path is
# fuzzed for a minute, and the Debian package is built and tried.
#
# With --schnell, the loop of a working day: the debug build in build/ builds
# what changed, and the unit and window tests run; no end-to-end tests, no
# fuzzing, no package, no sanitiser build.
set -euo pipefail
cd "$(dirname "$0")/.."

schnell=false
case "${1:-}" in
--schnell) schnell=true ;;
"") ;;
*)
    echo "Aufruf: bash tools/pruefen.sh [--schnell]" >&2
    exit 2
    ;;
esac

bash tools/einrichten.sh
jobs=$(nproc)
# A warning fails the build here, as in every build of this script.
streng=-DCMAKE_COMPILE_WARNING_AS_ERROR=ON

# Every C++ source as .clang-format lays it out, with the clang-format of
# this release: 14 on Debian 12, 19 on Debian 13, and CI runs both. Where
# they disagree (member pointers, braces after a declarator), write the code
# so that both lay it out alike.
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSTEINFALL_TESTS=ON "$streng"
cmake --build build -j "$jobs"
if $schnell; then
    ctest --test-dir build --output-on-failure -j "$jobs" -LE e2e
    exit
fi
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-rel -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTEINFALL_TESTS=OFF "$streng"
cmake --build build-rel -j "$jobs"

# The analysis tool's request path under libFuzzer for a minute.
bash tools/fuzzen.sh 60

# The Debian package: built from a clean copy of HEAD, checked, installed,
# started and purged again.
bash tools/paketpruefung.sh

# Last, so that the test summary closes the output.
cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSTEINFALL_TESTS=ON \
    -DSTEINFALL_SANITIZE=ON "$streng"
cmake --build build-san -j "$jobs"
# The end-to-end tests start the real game under Xvfb; the debug build
# covers them. Qt's own start-up allocations are not ours to chase.
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
    ctest --test-dir build-san --output-on-failure -j "$jobs" -LE e2e
