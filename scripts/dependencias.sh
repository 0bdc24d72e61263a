#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Only what is missing is installed, so a prepared machine starts at once.
#   scripts/dependencias.sh          what building, running and testing need
#   scripts/dependencias.sh video    that, and what recording the help video needs
set -euo pipefail

pacotes=(
    g++ make cmake clang libclang-rt-14-dev
    qt6-base-dev libzint-dev libcups2-dev
    fonts-liberation2 qt6-translations-l10n
    xauth xvfb poppler-utils zbar-tools
    cups printer-driver-cups-pdf cups-filters
    librsvg2-bin dpkg-dev file
    desktop-file-utils shared-mime-info groff-base
)
if [ "${1:-}" = video ]; then
    pacotes+=(ffmpeg xdotool openbox x11-utils x11-xserver-utils)
fi

faltando=()
for p in "${pacotes[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        faltando+=("$p")
    fi
done

[ ${#faltando[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Instalando: ${faltando[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${faltando[@]}"
