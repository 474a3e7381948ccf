#!/usr/bin/env bash
# Installs, on Debian 12, every package the build and the tests need and that is missing.
# Sourced by ./play, ./check and .ci/run; runs apt-get only when something is absent.
set -euo pipefail

PACOTES_PELMAR=(
  g++
  make
  cmake
  libgtest-dev
  qt6-base-dev
  qt6-multimedia-dev
  qt6-translations-l10n
  fonts-dejavu-core
  espeak-ng
  sox
)

instala_dependencias() {
  local faltando=()
  for pacote in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pacote" 2>/dev/null | grep -q 'install ok installed'; then
      faltando+=("$pacote")
    fi
  done
  [ ${#faltando[@]} -eq 0 ] && return 0
  echo "Instalando pacotes que faltam: ${faltando[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${faltando[@]}"
}

instala_dependencias "${PACOTES_PELMAR[@]}"
