#!/usr/bin/env bash
# Installs what is missing (Debian packages) and builds the program, its tests and benchmarks.
# Usage: scripts/preparar.sh [build-folder] [extra cmake arguments...]
#        scripts/preparar.sh --faltan   prints the missing packages, one a line, and stops
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/paquetes.sh
# Real package names of Debian 12, not virtual ones. xdg-utils: the desktop's opener, which
# shows the reports and the web pages.
paquetes=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-dejavu-core qt6-translations-l10n xdg-utils)
if [ "${1:-}" = "--faltan" ]; then
  paquetes_que_faltan "${paquetes[@]}"
  exit 0
fi
instalar_que_falten "${paquetes[@]}"
carpeta=${1:-build}
shift || true
cmake -S . -B "$carpeta" -G Ninja "$@" >/dev/null
cmake --build "$carpeta" -- -j"$(nproc)"
