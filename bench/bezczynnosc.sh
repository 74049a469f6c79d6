#!/usr/bin/env bash
# The editor at rest: starts it on the Elbląg sample on a virtual display, waits for start-up,
# then prints the CPU time it uses over 10 idle seconds and its resident memory (from /proc).
# Targets: at most 1 % of a core, at most 150 MB. Exits 1 when a target is missed.
#   bash bench/bezczynnosc.sh [PATH_TO_vialtor]   (default: a Release build in build-bench)
set -euo pipefail
cd "$(dirname "$0")/.."
zrodla=$PWD

edytor=${1:-}
if [ -z "$edytor" ]; then
  cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVIALTOR_TESTS=OFF >/dev/null
  cmake --build build-bench --target vialtor >/dev/null
  edytor=$zrodla/build-bench/src/ui/vialtor
fi
edytor=$(realpath "$edytor")
katalog=$(mktemp -d)
trap 'rm -rf "$katalog"' EXIT

export EDYTOR=$edytor PROBKA=$zrodla/data/projects/elblag_petla.vxm KATALOG=$katalog
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -euo pipefail
  cd "$KATALOG"
  "$EDYTOR" "$PROBKA" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 600); do
    grep -q "main loop" "!log.txt" 2>/dev/null && break
    sleep 0.1
  done
  grep -q "main loop" "!log.txt" || { echo "the editor did not start" >&2; kill $pid; exit 2; }
  sleep 2  # the first frames
  cpu() { awk "{print \$14 + \$15}" /proc/$pid/stat; }
  przed=$(cpu)
  sleep 10
  po=$(cpu)
  rss=$(awk "/^VmRSS:/ {print \$2}" /proc/$pid/status)
  kill $pid
  wait $pid 2>/dev/null || true
  awk -v t="$(getconf CLK_TCK)" -v a="$przed" -v b="$po" -v r="$rss" "BEGIN {
    cpu = (b - a) / t / 10 * 100; mb = r / 1024;
    printf \"idle CPU over 10 s: %.2f %% of a core (target <= 1 %%)\n\", cpu;
    printf \"resident memory:    %.1f MB (target <= 150 MB)\n\", mb;
    exit (cpu <= 1 && mb <= 150) ? 0 : 1 }"
'
