#!/usr/bin/env bash
# Installs what is missing (Debian packages) and builds the program, its tests and benchmarks.
# Usage: scripts/preparar.sh [build-folder] [extra cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/esperar_apt.sh
# xdg-utils: the desktop's opener, which shows the reports and the web pages.
paquetes=(cmake ninja-build g++ qt6-base-dev libqt6svg6-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-dejavu-core qt6-translations-l10n xdg-utils)
faltan=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
done
if [ ${#faltan[@]} -gt 0 ]; then
  echo "Instalando: ${faltan[*]}"
  con_cerrojos_apt apt-get update -qq
  con_cerrojos_apt env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${faltan[@]}" >/dev/null
fi
carpeta=${1:-build}
shift || true
cmake -S . -B "$carpeta" -G Ninja "$@" >/dev/null
cmake --build "$carpeta" -- -j"$(nproc)"
