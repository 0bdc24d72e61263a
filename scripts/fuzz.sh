#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET]
set -euo pipefail
cd "$(dirname "$0")/.."
segundos="${1:-60}"
cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DETIQUETAS_FUZZ=ON >/dev/null
while read -r alvo; do
    cmake --build build/fuzz --parallel "$(nproc)" --target "$alvo" >/dev/null
    corpus="build/fuzz/corpus-$alvo"
    mkdir -p "$corpus"
    if [ -d "fuzz/sementes/$alvo" ]; then
        cp -n fuzz/sementes/"$alvo"/* "$corpus"/ 2>/dev/null || true
    fi
    echo "fuzz: $alvo por ${segundos}s"
    ASAN_OPTIONS=detect_leaks=0 "build/fuzz/fuzz/$alvo" -max_total_time="$segundos" \
        -print_final_stats=1 "$corpus" </dev/null 2>&1 | tail -n 3
done <build/fuzz/alvos-fuzz.txt
