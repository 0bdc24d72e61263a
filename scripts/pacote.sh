#!/usr/bin/env bash
# Builds the Debian package of the program: an optimised build installed under /usr, packed by
# CPack with its run-time dependencies worked out by dpkg-shlibdeps.
#   scripts/pacote.sh [FOLDER]     (default: build/pacote; the .deb is left there)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/dependencias.sh
pasta=${1:-build/pacote}
cmake -S . -B "$pasta" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$pasta" --parallel "$(nproc)"
(cd "$pasta" && cpack -G DEB)
ls "$pasta"/etiquetas_*.deb
