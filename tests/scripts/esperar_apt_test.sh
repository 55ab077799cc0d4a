#!/usr/bin/env bash
# The set-up script's wait for another package manager: free locks cost nothing, a held lock
# is waited for (and said so) until it is freed, and a lock held past the bound gives up with
# its message without running the command. The locks are files of a temporary folder, held
# with flock(1) as apt and dpkg hold theirs.
set -euo pipefail
command -v flock >/dev/null || { echo "flock no disponible"; exit 77; }
source "$(dirname "$0")/../../scripts/esperar_apt.sh"
tmp=$(mktemp -d)
trap 'wait; rm -rf "$tmp"' EXIT
: >"$tmp/lock-frontend"
cerrojos_apt=("$tmp/no-existe" "$tmp/lock-frontend")
pausa_apt=0.1
espera_maxima_apt=30
fallo() { echo "FALLO: $*"; exit 1; }

# Holds the lock for s seconds, in the background, once it shows in the lock table.
retener() {
  ( flock -x 9 && sleep "$1" ) 9>"$tmp/lock-frontend" &
  for _ in $(seq 100); do [ -n "$(titular_cerrojo_apt)" ] && return; sleep 0.05; done
  fallo "el cerrojo de prueba no aparece en /proc/locks"
}

salida=$(con_cerrojos_apt echo hecho 2>&1)
[ "$salida" = "hecho" ] || fallo "libre: $salida"

retener 1
salida=$(con_cerrojos_apt echo hecho 2>&1)
grep -q "^Otro gestor de paquetes está en uso (proceso [0-9]*, .*): se espera hasta 30 s" <<<"$salida" || fallo "sin aviso: $salida"
grep -q "ha quedado libre: se sigue" <<<"$salida" || fallo "sin aviso de fin: $salida"
[ "$(tail -n 1 <<<"$salida")" = "hecho" ] || fallo "no siguió: $salida"
wait

retener 3
espera_maxima_apt=1
if salida=$(con_cerrojos_apt echo hecho 2>&1); then fallo "no se rindió: $salida"; fi
grep -q "sigue ocupado tras 1 s: no se instala nada" <<<"$salida" || fallo "sin aviso al rendirse: $salida"
! grep -q "hecho" <<<"$salida" || fallo "ejecutó la orden: $salida"
echo "bien"
