#!/usr/bin/env bash
# Installs what is missing, builds everything (Release) and runs the command-line tool on the
# bundled sample projects.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/zaleznosci.sh
cmake -S . -B build-uruchom -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-uruchom -j "$(nproc)"

cli=build-uruchom/src/cli/vialtor-cli
shopt -s nullglob
probki=(data/projects/*.vxm)
if [ ${#probki[@]} -eq 0 ]; then
  echo "No sample projects in data/projects."
  exit 0
fi

wynik=0
for probka in "${probki[@]}"; do
  echo "== $probka"
  "$cli" info "$probka" || wynik=1
  # check: 0 = geometry ok, 1 = a geometry error (a finding, not a failure), 2 = unreadable.
  rc=0
  "$cli" check "$probka" || rc=$?
  if [ "$rc" -gt 1 ]; then wynik=1; fi
done
exit "$wynik"
