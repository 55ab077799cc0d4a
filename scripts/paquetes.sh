# The Debian packages a script needs: which are missing, and installing those once another
# package manager has let go of its locks. Sourced by preparar.sh and fuzz.sh.
source "$(dirname "${BASH_SOURCE[0]}")/esperar_apt.sh"

# Prints, one a line, the packages named that are not installed. Only a real package can be
# installed: a virtual name (one that another package provides) is missing at every run.
paquetes_que_faltan() {
  local p estado
  for p in "$@"; do
    estado=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null) || estado=""
    [ "$estado" = "installed" ] || echo "$p"
  done
}

# Installs the packages named that are missing; when none is, apt-get is not called at all.
instalar_que_falten() {
  local faltan
  mapfile -t faltan < <(paquetes_que_faltan "$@")
  [ ${#faltan[@]} -gt 0 ] || return 0
  echo "Instalando: ${faltan[*]}"
  con_cerrojos_apt apt-get update -qq
  con_cerrojos_apt env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${faltan[@]}" >/dev/null
}
