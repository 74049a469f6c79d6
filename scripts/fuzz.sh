#!/usr/bin/env bash
# Builds the fuzz targets of every file reader (clang, libFuzzer, AddressSanitizer and UBSan) and
# runs them one after another, each for SECONDS (default 60), on a corpus that starts from seeds
# made from data/ and the tests' generators and grows between runs (build-fuzz/korpus). Prints
# executions and findings per target; the input of a finding is kept in build-fuzz/znaleziska.
# Exits non-zero when any target finds anything.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]     targets: see build-fuzz/fuzz/cele.txt
set -euo pipefail
cd "$(dirname "$0")/.."

sekundy=${1:-60}
if [ $# -gt 0 ]; then shift; fi
budowa=${VIALTOR_FUZZ_BUDOWA:-build-fuzz}

bash scripts/zaleznosci.sh
cmake -S . -B "$budowa" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVIALTOR_FUZZ=ON -DVIALTOR_TESTS=OFF -DVIALTOR_BENCH=OFF >/dev/null
cmake --build "$budowa" -j "$(nproc)" --target fuzz_wszystkie

if [ $# -gt 0 ]; then
  cele=("$@")
else
  mapfile -t cele <"$budowa/fuzz/cele.txt"
fi

export UBSAN_OPTIONS=print_stacktrace=1
wynik=0
raport=()
for cel in "${cele[@]}"; do
  program="$budowa/fuzz/fuzz_$cel"
  if [ ! -x "$program" ]; then
    echo "No fuzz target $cel (known: $(tr '\n' ' ' <"$budowa/fuzz/cele.txt"))" >&2
    exit 2
  fi
  korpus="$budowa/korpus/$cel"
  # Inputs that once found a fault stay in the run for good.
  znane=()
  if [ -d "fuzz/znalezione/$cel" ]; then znane=("fuzz/znalezione/$cel"); fi
  znaleziska="$budowa/znaleziska/$cel"
  log="$budowa/logi/$cel.log"
  mkdir -p "$korpus" "$znaleziska" "$(dirname "$log")"
  echo "== $cel: ${sekundy} s"
  rc=0
  # stdout of the target closed: the picture readers print a line for every file.
  "$program" -max_total_time="$sekundy" -timeout=60 -print_final_stats=1 -close_fd_mask=1 \
    -artifact_prefix="$znaleziska/" "$korpus" "$budowa/fuzz/ziarna/$cel" "${znane[@]}" >"$log" 2>&1 || rc=$?
  wykonania=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  znalezione=0
  if [ "$rc" -ne 0 ]; then
    znalezione=1
    wynik=1
    grep -E '^(==[0-9]+==ERROR|SUMMARY|!!! )|runtime error|artifact_prefix|Test unit written' "$log" || tail -n 20 "$log"
  fi
  raport+=("$(printf '%-16s %12s %9s' "$cel" "${wykonania:-?}" "$znalezione")")
done

printf '\n%-16s %12s %9s\n' target executions findings
printf '%s\n' "${raport[@]}"
exit "$wynik"
