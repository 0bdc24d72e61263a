#!/usr/bin/env bash
# Installs what is missing, builds with the sanitizers and runs every test headless,
# then runs each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")"
scripts/dependencias.sh
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DETIQUETAS_SANITIZE=ON -DETIQUETAS_TESTS=ON >/dev/null
cmake --build build/test --parallel "$(nproc)"
# A leak of ours fails the tests; the suppressions name only libraries' own.
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
(cd build/test && ctest --output-on-failure --timeout 600)
scripts/fuzz.sh "${ETIQUETAS_FUZZ_SEGUNDOS:-30}"
