#!/usr/bin/env bash
# Rewrites the golden history logs of tests/dourados from the runs listed in
# tests/dourados/execucoes.txt (the same list the test replays).
# Run it only when a change in the game's play is meant, then read the diff before committing:
# every changed line is a deal, a decision or a score that now goes another way.
# Usage: scripts/regenera-dourados.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cmake --build "$build" --target pelmar-simula pelmar_dados -j"$(nproc)" >/dev/null
pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
while read -r arquivo argumentos; do
  case "$arquivo" in '' | '#'*) continue ;; esac
  # shellcheck disable=SC2086  # the options are words
  PELMAR_DADOS="$build/dados" "$build/pelmar-simula" --pasta "$pasta/$arquivo" $argumentos >/dev/null
  cp "$pasta/$arquivo/P-HISTORICO_NEW.TXT" "tests/dourados/$arquivo"
done < tests/dourados/execucoes.txt
git --no-pager diff --stat -- tests/dourados
