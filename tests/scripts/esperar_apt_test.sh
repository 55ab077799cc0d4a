#!/usr/bin/env bash
# The set-up script's wait for another package manager: free locks cost nothing, a held lock
# is waited for (and said so) until it is freed, and a lock held past the bound gives up with
# its message without running the command. The locks are files of a temporary folder, held
# with flock(1) as apt and dpkg hold theirs.
set -euo pipefail
command -v flock >/dev/null || { echo "flock no disponible"; exit 77; }
source "$(dirname "$0")/../../scripts/esperar_apt.sh"
tmp=$(mktemp -d)
trap 'rm -f "$tmp/retenido"; wait; rm -rf "$tmp"' EXIT
: >"$tmp/lock-frontend"
cerrojos_apt=("$tmp/no-existe" "$tmp/lock-frontend")
pausa_apt=0.1
espera_maxima_apt=30
fallo() { echo "FALLO: $*"; exit 1; }
# Waits for a condition, looking every 50 ms; the bound only guards against a hang.
hasta() { for _ in $(seq 600); do eval "$1" && return; sleep 0.05; done; return 1; }

# Holds the lock in the background, once it shows in the lock table, until soltar: each step
# waits for the one before, so no step depends on how fast the machine is.
retener() {
  : >"$tmp/retenido"
  ( flock -x 9 && while [ -e "$tmp/retenido" ]; do sleep 0.05; done ) 9>"$tmp/lock-frontend" &
  hasta '[ -n "$(titular_cerrojo_apt)" ]' || fallo "el cerrojo de prueba no aparece en /proc/locks"
}
soltar() { rm -f "$tmp/retenido"; wait; }

salida=$(con_cerrojos_apt echo hecho 2>&1)
[ "$salida" = "hecho" ] || fallo "libre: $salida"

# Freed while it waits: the lock goes once the wait has been announced.
retener
con_cerrojos_apt echo hecho >"$tmp/salida" 2>&1 &
hasta 'grep -q "se espera" "$tmp/salida"' || true
soltar
salida=$(cat "$tmp/salida")
grep -q "^Otro gestor de paquetes está en uso (proceso [0-9]*, .*): se espera hasta 30 s" <<<"$salida" || fallo "sin aviso: $salida"
grep -q "ha quedado libre: se sigue" <<<"$salida" || fallo "sin aviso de fin: $salida"
[ "$(tail -n 1 <<<"$salida")" = "hecho" ] || fallo "no siguió: $salida"

# Held past the bound: the lock goes only once it has given up.
retener
espera_maxima_apt=1
if salida=$(con_cerrojos_apt echo hecho 2>&1); then fallo "no se rindió: $salida"; fi
soltar
grep -q "sigue ocupado tras 1 s: no se instala nada" <<<"$salida" || fallo "sin aviso al rendirse: $salida"
! grep -q "hecho" <<<"$salida" || fallo "ejecutó la orden: $salida"
echo "bien"
