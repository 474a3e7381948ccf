#!/usr/bin/env bash
# Checks that every `#include "folder/..."` under src/ follows src/CAMADAS: a folder may include
# itself and the folders its line names, nothing else. Prints each offending line and exits 1.
#   scripts/verifica-camadas.sh [project folder]
set -euo pipefail
raiz="${1:-$(dirname "$0")/..}"
tabela="$raiz/src/CAMADAS"
[ -f "$tabela" ] || { echo "verifica-camadas: falta a tabela $tabela"; exit 2; }

awk -v tabela="$tabela" '
  BEGIN {
    while ((getline linha < tabela) > 0) {
      sub(/#.*/, "", linha)
      if (linha !~ /:/) continue
      pasta = linha; sub(/:.*/, "", pasta); gsub(/[ \t]/, "", pasta)
      usa = linha; sub(/^[^:]*:/, "", usa)
      conhecida[pasta] = 1
      permitido[pasta, pasta] = 1
      n = split(usa, lista, /[ \t,]+/)
      for (i = 1; i <= n; i++) if (lista[i] != "") permitido[pasta, lista[i]] = 1
    }
  }
  FNR == 1 {
    pasta = FILENAME; sub(/^.*\/src\//, "", pasta); sub(/\/.*/, "", pasta)
    if (!(pasta in conhecida)) { print FILENAME ": a pasta \"" pasta "\" não está em src/CAMADAS"; falhas++ }
  }
  /^[ \t]*#[ \t]*include[ \t]*"[^"\/]+\// {
    alvo = $0; sub(/^[^"]*"/, "", alvo); sub(/\/.*/, "", alvo)
    if ((pasta in conhecida) && (alvo in conhecida) && !((pasta, alvo) in permitido)) {
      print FILENAME ":" FNR ": \"" pasta "\" não pode incluir \"" alvo "\": " $0
      falhas++
    }
  }
  END {
    if (falhas > 0) { print falhas " inclusão(ões) contra src/CAMADAS"; exit 1 }
  }
' $(find "$raiz/src" -name '*.h' -o -name '*.cpp' | sort)
