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
# clang, then the runtime of its own major version (the package is named after it).
bash tools/setup.sh clang
version=$(clang++ -dumpversion | cut -d. -f1)
bash tools/setup.sh "libclang-rt-$version-dev" 2>/dev/null || true
cmake -S . -B build-fuzz -G Ninja -DSONAVEL_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

if [[ $# -gt 0 ]]; then
  cibles=("$@")
else
  cibles=()
  for f in tests/fuzz/fuzz_*.cpp; do cibles+=("$(basename "$f" .cpp)"); done
fi
cmake --build build-fuzz -j "${JOBS:-3}" --target "${cibles[@]}"

# Seeds for the frame-header reader: the fuzzer rarely builds a whole XING or VBRI header alone.
graines_entete_mpeg() {
  local d=$1 zeros32
  zeros32=$(printf '\\x00%.0s' {1..32})
  printf "\xff\xfb\x90\x00${zeros32}Xing\x00\x00\x00\x03\x00\x00\x03\xe8\x00\x00\x10\x00" >"$d/xing"
  printf "\xff\xf3\x80\x00${zeros32}VBRI\x00\x01\x02\x40\x00\x50\x00\x00\x10\x00\x00\x00\x00\x64" >"$d/vbri"
  printf "\xff\xfd\x90\x00\xff\xfb\x90\xc0${zeros32}" >"$d/strict"
}

pids=()
for c in "${cibles[@]}"; do
  sortie=fuzz-out/$c
  mkdir -p "$sortie/corpus" "$sortie/fautes"
  [[ $c == fuzz_entete_mpeg ]] && graines_entete_mpeg "$sortie/corpus"
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
