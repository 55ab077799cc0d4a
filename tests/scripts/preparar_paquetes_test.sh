#!/usr/bin/env bash
# The set-up script installs what it checks, so once it has run (this build is its work) it
# finds nothing missing and calls no package manager. A virtual or wrong package name would
# stay missing and send every start through apt-get.
set -euo pipefail
command -v dpkg-query >/dev/null || { echo "sin dpkg-query"; exit 77; }
faltan=$(bash "$(dirname "$0")/../../scripts/preparar.sh" --faltan)
[ -z "$faltan" ] || { echo "FALLO: se dan por ausentes:" $faltan; exit 1; }
echo "bien"
