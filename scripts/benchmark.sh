#!/usr/bin/env bash
# Builds the benchmark programs in release mode and runs each, printing its figures.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DETIQUETAS_BENCH=ON >/dev/null
export QT_QPA_PLATFORM=offscreen
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
while read -r alvo; do
    cmake --build build/bench --parallel 2 --target "$alvo" >/dev/null
    echo "== $alvo"
    "build/bench/bench/$alvo" </dev/null
done <build/bench/alvos-bench.txt
