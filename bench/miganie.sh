#!/usr/bin/env bash
# The editor with blinking pictures: builds the blinking benchmark in a Release build
# (build-bench) and runs it on a virtual display; it prints the share of a core used at rest and
# while the bundled map blinks over the Elbląg sample. Target: under 5 % of a core while blinking.
# Exits 1 when the target is missed.
#   bash bench/miganie.sh [PATH_TO_vialtor_bench_migania]
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-}
if [ -z "$program" ]; then
  cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVIALTOR_TESTS=OFF -DVIALTOR_BENCH=ON >/dev/null
  cmake --build build-bench --target vialtor_bench_migania >/dev/null
  program=build-bench/bench/imagery/vialtor_bench_migania
fi
program=$(realpath "$program")
katalog=$(mktemp -d)
trap 'rm -rf "$katalog"' EXIT
# The editor's settings and recovery copies stay out of the user's home.
cd "$katalog"
HOME=$katalog XDG_CONFIG_HOME=$katalog/.config XDG_DATA_HOME=$katalog/.local/share \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$program"
