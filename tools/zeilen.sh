#!/bin/bash
# Non-blank lines of the sources (C++, Python, shell): the program and its
# tools, the tests, and the tests' share of all the code (tests included).
# Data files such as tests/daten/ are not counted.
set -euo pipefail
cd "$(dirname "$0")/.."

zeilen() {
    find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.py' -o -name '*.sh' \) \
        -print0 | xargs -0 cat | grep -cv '^[[:space:]]*$'
}

code=$(zeilen core ai zeichnen ui app tools)
tests=$(zeilen tests)
echo "Code:   $code"
echo "Tests:  $tests"
echo "Gesamt: $((code + tests))"
awk -v t="$tests" -v c="$code" 'BEGIN { printf "Anteil der Tests: %.1f %%\n", 100 * t / (c + t) }'
