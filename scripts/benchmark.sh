#!/usr/bin/env bash
# Builds the benchmark programs in release mode and prints their figures.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DETIQUETAS_BENCH=ON >/dev/null
alvos=$(grep -ho 'qt_add_executable(bench_[a-z_0-9]*' bench/CMakeLists.txt | sed 's/qt_add_executable(//')
for alvo in $alvos; do
    cmake --build build/bench --parallel 2 --target "$alvo" >/dev/null
    "build/bench/bench/$alvo"
done
