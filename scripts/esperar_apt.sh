# Waiting for the package manager's locks, sourced by paquetes.sh and barrido_muertes.sh.
# Another apt, dpkg or an unattended upgrade holding them would make apt-get fail at once:
# wait for them instead, for a bounded time, saying so.

# The locks apt and dpkg take; how long to wait for them in all, between looks and between
# reminders (seconds).
cerrojos_apt=(/var/lib/dpkg/lock-frontend /var/lib/dpkg/lock /var/lib/apt/lists/lock /var/cache/apt/archives/lock)
espera_maxima_apt=600
pausa_apt=2
aviso_apt=60

# The process holding one of the locks ("" when none is held), from the kernel's lock table.
titular_cerrojo_apt() {
  local f dispositivo inodo mayor menor _ tipo pid sitio ma mi ino
  for f in "${cerrojos_apt[@]}"; do
    [ -e "$f" ] || continue
    read -r dispositivo inodo < <(stat -L -c '%D %i' "$f") || continue
    [[ "$dispositivo" =~ ^[0-9a-f]+$ ]] || continue
    # The device number as the C library packs it.
    mayor=$(( (16#$dispositivo >> 8) & 0xfff ))
    menor=$(( (16#$dispositivo & 0xff) | ((16#$dispositivo >> 12) & 0xfff00) ))
    # "n: POSIX ADVISORY WRITE pid major:minor:inode start end"; "->" marks a waiter.
    while read -r _ tipo _ _ pid sitio _; do
      [ "$tipo" = "->" ] && continue
      IFS=: read -r ma mi ino <<<"$sitio"
      [[ "$ino" = "$inodo" && "$ma" =~ ^[0-9a-f]+$ && "$mi" =~ ^[0-9a-f]+$ ]] || continue
      [ $(( 16#$ma )) -eq "$mayor" ] && [ $(( 16#$mi )) -eq "$menor" ] || continue
      echo "$pid"
      return
    # Read in one piece: the kernel lists the table afresh at each read, and a lock taken or
    # dropped between two reads of a line at a time shifts the lines and hides one.
    done < <(cat /proc/locks)
  done
}

# Waits until no lock is held, from inicio (a value of SECONDS) for at most espera_maxima_apt
# seconds; false, with a message, when that time passes.
esperar_cerrojos_apt() {
  local inicio=$1 titular nombre avisado="" ultimo=$SECONDS
  while titular=$(titular_cerrojo_apt) && [ -n "$titular" ]; do
    if [ $(( SECONDS - inicio )) -ge "$espera_maxima_apt" ]; then
      echo "El gestor de paquetes sigue ocupado tras ${espera_maxima_apt} s: no se instala nada." \
           "Vuelva a intentarlo cuando termine." >&2
      return 1
    fi
    if [ -z "$avisado" ]; then
      nombre=$(cat "/proc/$titular/comm" 2>/dev/null || echo "?")
      echo "Otro gestor de paquetes está en uso (proceso $titular, $nombre): se espera hasta" \
           "${espera_maxima_apt} s a que termine ..." >&2
      avisado=1
    elif [ $(( SECONDS - ultimo )) -ge "$aviso_apt" ]; then
      echo "... sigue ocupado ($(( SECONDS - inicio )) s de ${espera_maxima_apt})" >&2
      ultimo=$SECONDS
    fi
    sleep "$pausa_apt"
  done
  [ -z "$avisado" ] || echo "El gestor de paquetes ha quedado libre: se sigue." >&2
}

# Runs an apt-get command once the locks are free. Another manager may take them between the
# look and the start: the command is then tried again, within the same bound.
con_cerrojos_apt() {
  local inicio=$SECONDS rc
  while :; do
    esperar_cerrojos_apt "$inicio" || return 1
    if "$@"; then return 0; else rc=$?; fi
    if [ -z "$(titular_cerrojo_apt)" ] || [ $(( SECONDS - inicio )) -ge "$espera_maxima_apt" ]; then
      return "$rc"
    fi
  done
}
