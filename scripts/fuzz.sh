#!/usr/bin/env bash
# Builds the fuzz targets (tests/fuzz) with clang's libFuzzer, ASan and UBSan in build-fuzz, and
# runs each for SECONDS (default 5) from its seed corpus. New inputs found go to
# build-fuzz/corpus/TARGET, a failing input to build-fuzz/achados/. Exits non-zero on a finding.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

SEGUNDOS="${1:-5}"
[ $# -gt 0 ] && shift
ALVOS=("$@")
[ ${#ALVOS[@]} -gt 0 ] || ALVOS=(linha-regra arquivo-texto registro-preferencias registro-estatisticas
                                  personalidades debug-mesa debug-jogada)
CLANG="${PELMAR_CLANG:-clang++-14}"
command -v "$CLANG" >/dev/null || CLANG=clang++

lancador=()
command -v ccache >/dev/null && lancador=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$CLANG" -DPELMAR_FUZZ=ON \
  "${lancador[@]}" >/dev/null
cmake --build build-fuzz -j"$(nproc)"

mkdir -p build-fuzz/achados
for alvo in "${ALVOS[@]}"; do
  trabalho="build-fuzz/corpus/$alvo"
  mkdir -p "$trabalho"
  opcoes=(-max_total_time="$SEGUNDOS" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1
          -artifact_prefix="build-fuzz/achados/$alvo-")
  case "$alvo" in
    linha-regra) opcoes+=(-dict=tests/fuzz/dicionarios/linha-regra.dict) ;;
    arquivo-texto) opcoes+=(-dict=tests/fuzz/dicionarios/arquivo-texto.dict) ;;
    personalidades) opcoes+=(-dict=tests/fuzz/dicionarios/personalidades.dict -max_len=16384) ;;
    debug-*) opcoes+=(-dict=tests/fuzz/dicionarios/debug.dict) ;;
  esac
  registro="build-fuzz/$alvo.log"
  if ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
       "build-fuzz/tests/fuzz/fuzz-$alvo" "${opcoes[@]}" "$trabalho" "tests/fuzz/corpus/$alvo" >"$registro" 2>&1; then
    execucoes=$(sed -n 's/^stat::number_of_executed_units: *//p' "$registro")
    echo "fuzz-$alvo: $execucoes execuções em ${SEGUNDOS}s, nada encontrado"
  else
    tail -n 60 "$registro"
    echo "fuzz-$alvo: FALHOU (entrada em build-fuzz/achados/, registro em $registro)"
    exit 1
  fi
done
