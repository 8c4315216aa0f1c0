#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, ASan, UBSan) in build-fuzz and runs
# each one for the given number of seconds (default 60), starting from its seed
# corpus. Fails when any target finds a crash or a broken property.
# usage: fuzz/run.sh [seconds] [target...]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${ORTHOVAL_FUZZ_BUILD:-$ROOT/build-fuzz}"
SECONDES="${1:-60}"
shift || true
CIBLES=("$@")
[ ${#CIBLES[@]} -eq 0 ] && CIBLES=(fuzz_valeurs fuzz_bilan fuzz_motsdat fuzz_dates fuzz_reglages fuzz_dureewav)

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
  -DORTHOVAL_FUZZ=ON -DORTHOVAL_SOUNDS=OFF -DORTHOVAL_BENCH=OFF >/dev/null
cmake --build "$BUILD" --target "${CIBLES[@]}" -j "$(nproc)"

# The targets that need files write them in memory, not on the disk.
[ -d /dev/shm ] && export TMPDIR=/dev/shm
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
echec=0
for cible in "${CIBLES[@]}"; do
  # The seeds stay as committed; what the run learns goes to a scratch corpus.
  travail="$BUILD/corpus/$cible"
  artefacts="$BUILD/artefacts/$cible/"
  mkdir -p "$travail" "$artefacts"
  journal="$BUILD/$cible.log"
  echo "== $cible (${SECONDES}s)"
  if "$BUILD/fuzz/$cible" -max_total_time="$SECONDES" -print_final_stats=1 \
       -artifact_prefix="$artefacts" "$travail" "$ROOT/fuzz/corpus/$cible" >"$journal" 2>&1; then
    grep -E "^stat::number_of_executed_units|^#[0-9]+ *DONE" "$journal" | tail -2 || true
  else
    echo "FAILED: $cible (log: $journal)"
    tail -40 "$journal"
    echec=1
  fi
done
exit $echec
