#!/usr/bin/env bash
# Builds the benchmarks in Release (no sanitizers) and prints their figures.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DETIQUETAS_BENCH=ON >/dev/null
cmake --build build/bench --parallel 2 --target bench_carregarlista
for linhas in 100000 1000000; do
    build/bench/bench/bench_carregarlista "$linhas"
done
