#!/usr/bin/env bash
# Builds the fuzz targets of the file readers with clang (libFuzzer, ASan, UBSan) and runs
# each on its seed corpus for a while, every input within 3 s and 512 MB. New inputs go to a
# scratch folder, not the repository.
# Usage: scripts/fuzz.sh [seconds per target, default 60] [target names...]
set -euo pipefail
cd "$(dirname "$0")/.."
segundos=${1:-60}
shift || true
source scripts/paquetes.sh
instalar_que_falten clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DTV_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -- -j"$(nproc)"
objetivos=("$@")
if [ ${#objetivos[@]} -eq 0 ]; then
  for f in fuzz/*_fuzz.cpp; do
    [ -e "$f" ] && objetivos+=("$(basename "$f" .cpp)")
  done
fi
# The memory cap is the process's: AddressSanitizer's quarantine of freed memory (256 MB by
# default) would fill half of it over a long run and blame whichever input came last.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:quarantine_size_mb=64 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
for o in "${objetivos[@]}"; do
  echo "== fuzz $o (${segundos} s) =="
  nuevo=$(mktemp -d)
  mkdir -p "fuzz/corpus/$o"
  diccionario=()
  [ -f "fuzz/$o.dict" ] && diccionario=(-dict="$PWD/fuzz/$o.dict")
  # A crash, an input that takes more than 3 s (timeout) or 512 MB (oom) fails the run; the
  # input is left as crash-*/timeout-*/oom-* in build-fuzz/.
  (cd build-fuzz && "./$o" "${diccionario[@]}" -max_total_time="$segundos" -timeout=3 -rss_limit_mb=512 \
      -print_final_stats=1 "$nuevo" "../fuzz/corpus/$o" 2>&1 | tail -n 15)
  rm -rf "$nuevo"
done
