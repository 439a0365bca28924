#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz/ with clang in build-fuzz/ and runs them all at once,
# each for the given number of seconds (default 600). Corpora, logs and crashing inputs go to
# fuzz-out/<target>/ (kept out of git). Exits non-zero when a target found a fault.
#   tools/fuzz.sh [seconds] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."

secondes=${1:-600}
shift || true
bash tools/setup.sh
cmake -S . -B build-fuzz -G Ninja -DSONAVEL_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

if [[ $# -gt 0 ]]; then
  cibles=("$@")
else
  cibles=()
  for f in tests/fuzz/fuzz_*.cpp; do cibles+=("$(basename "$f" .cpp)"); done
fi
cmake --build build-fuzz -j "${JOBS:-3}" --target "${cibles[@]}"

pids=()
for c in "${cibles[@]}"; do
  sortie=fuzz-out/$c
  mkdir -p "$sortie/corpus" "$sortie/fautes"
  options=(-max_total_time="$secondes" -artifact_prefix="$sortie/fautes/" -print_final_stats=1)
  [[ -f tests/fuzz/$c.dict ]] && options+=(-dict="tests/fuzz/$c.dict")
  echo "fuzz: $c for ${secondes}s (log in $sortie/log)"
  "build-fuzz/fuzz/$c" "${options[@]}" "$sortie/corpus" >"$sortie/log" 2>&1 &
  pids+=($!)
done

echec=0
for i in "${!cibles[@]}"; do
  c=${cibles[$i]}
  if wait "${pids[$i]}"; then
    echo "fuzz: $c: nothing found ($(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' fuzz-out/$c/log || echo '?'))"
  else
    echo "fuzz: $c: FAULT, see fuzz-out/$c/log and fuzz-out/$c/fautes/"
    echec=1
  fi
done
exit $echec
