#!/usr/bin/env bash
# Kills the program's save of a pair ("Cálculo Definitivo" of a bet file over an earlier bet
# file and base file) at each of its system calls in turn, then touches the pair once (ABRIR
# of the base file and the import of the bet file, by turns) and counts what the touch found:
# the old pair, the new pair, a split pair (one file old, the other new) or a missing file.
# The goal is no split, no missing file, and nothing hidden left once the touch is done.
#
# Usage: [BARRIDO_EN=folder] bash scripts/barrido_muertes.sh [build-folder] [sinenlaces] [movida]
#   sinenlaces: as on a file system without hard links (vfat, exFAT);
#   movida: the folder is renamed after each kill, before the touch;
#   BARRIDO_EN: where the pairs are saved (a mounted USB stick, say); a temporary folder by
#   default.
# Needs strace (installed when missing) and the build's barrido_guardado.
set -euo pipefail
cd "$(dirname "$0")/.."
herramienta=$(realpath "${1:-build}")/barrido_guardado
modo="" movida=""
for opcion in "${@:2}"; do
  case "$opcion" in
    sinenlaces) modo=sinenlaces ;;
    movida) movida=1 ;;
    *) echo "unknown option: $opcion" >&2; exit 2 ;;
  esac
done
command -v strace >/dev/null || { source scripts/esperar_apt.sh; con_cerrojos_apt apt-get install -y -qq strace >/dev/null; }
trabajo=$(mktemp -d)
pares=$(mktemp -d "${BARRIDO_EN:-$trabajo}/barrido.XXXXXX")
trap 'rm -rf "$trabajo" "$pares"' EXIT
trap "" PIPE  # a save killed before it reads its go-ahead
export QT_QPA_PLATFORM=offscreen

mkdir "$pares/viejo"
"$herramienta" guardar "$pares/viejo/par.EUR" viejo 2>/dev/null

# Saves the new pair into folder $1 (holding a copy of the old pair) with strace attached for
# the save alone; the rest of the arguments go to strace.
guardar_trazado() {
  local carpeta=$1
  shift
  cp "$pares/viejo/par.EUR" "$pares/viejo/par.xml" "$carpeta/"
  rm -f "$trabajo/entrada" "$trabajo/salida"
  mkfifo "$trabajo/entrada"
  "$herramienta" guardar "$carpeta/par.EUR" nuevo $modo <"$trabajo/entrada" >"$trabajo/salida" 2>/dev/null &
  local pid=$!
  exec 3>"$trabajo/entrada"
  until grep -q listo "$trabajo/salida" 2>/dev/null; do sleep 0.01; done
  strace -f -qq -p "$pid" "$@" 2>/dev/null &
  local rastreador=$!
  until [ "$(awk '/^TracerPid/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 1)" != 0 ]; do sleep 0.01; done
  sleep 0.2  # every thread attached
  echo >&3 2>/dev/null || true
  exec 3>&-
  wait "$pid" || true
  wait "$rastreador" || true
}

# The system calls of one whole save, by name and count.
mkdir "$pares/lista"
guardar_trazado "$pares/lista" -o "$trabajo/traza"
llamadas=$(grep -v -E '^[0-9]+ +(<\.\.\.|\+\+\+|---)' "$trabajo/traza" | sed -E 's/^[0-9]+ +//; s/\(.*//' | sort | uniq -c)
total=$(echo "$llamadas" | awk '{s += $1} END {print s}')
echo "one save makes $total system calls ($(echo "$llamadas" | wc -l) kinds)"

declare -A cuenta=([viejo]=0 [nuevo]=0 [partido]=0 [falta]=0)
restos=0
vez=0
while read -r n nombre; do
  for ((i = 1; i <= n; i++)); do
    vez=$((vez + 1))
    carpeta="$pares/c$vez"
    mkdir "$carpeta"
    guardar_trazado "$carpeta" -o /dev/null -e trace="$nombre" -e inject="$nombre":signal=KILL:when="$i"
    if [ -n "$movida" ]; then
      mv "$carpeta" "$carpeta.movida"
      carpeta="$carpeta.movida"
    fi
    # The user comes back later: what the killed save left is older than the minute that
    # protects a save still writing.
    find "$carpeta" -mindepth 1 -exec touch -h -d '-2 minutes' {} +
    toque=$([ $((vez % 2)) = 0 ] && echo abrir || echo importar)
    "$herramienta" tocar "$toque" "$carpeta/par.EUR" >/dev/null 2>&1 || echo "touch failed: $nombre #$i"
    estado=$("$herramienta" estado "$carpeta/par.EUR")
    case "$estado" in
      "EUR=viejo xml=viejo") cuenta[viejo]=$((cuenta[viejo] + 1)) ;;
      "EUR=nuevo xml=nuevo") cuenta[nuevo]=$((cuenta[nuevo] + 1)) ;;
      "EUR=falta"*) cuenta[falta]=$((cuenta[falta] + 1)); echo "missing: $nombre #$i ($toque): $estado" ;;
      *) cuenta[partido]=$((cuenta[partido] + 1)); echo "split: $nombre #$i ($toque): $estado" ;;
    esac
    if ocultos=$(ls -A "$carpeta" | grep '^\.'); then
      restos=$((restos + 1))
      echo "left after the touch: $nombre #$i:" $ocultos
    fi
    rm -rf "$carpeta"
  done
done <<<"$llamadas"
echo "kills: $vez; old pair: ${cuenta[viejo]}, new pair: ${cuenta[nuevo]}, split: ${cuenta[partido]}," \
     "missing: ${cuenta[falta]}; touches that left something hidden: $restos"
