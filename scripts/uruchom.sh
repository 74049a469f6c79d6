#!/usr/bin/env bash
# Installs what is missing, builds the editor and the command-line tool (Release), starts the
# editor on the bundled Elbląg sample (without a display: writes a picture of its window
# instead and says where), then runs the command-line tool on the bundled sample projects.
set -euo pipefail
cd "$(dirname "$0")/.."
zrodla=$PWD

bash scripts/zaleznosci.sh
cmake -S . -B build-uruchom -G Ninja -DCMAKE_BUILD_TYPE=Release -DVIALTOR_TESTS=OFF -DVIALTOR_BENCH=OFF
cmake --build build-uruchom -j "$(nproc)" --target vialtor vialtor-cli

edytor=$zrodla/build-uruchom/src/ui/vialtor
probka=$zrodla/data/projects/elblag_petla.vxm
# The editor writes its log "!log.txt" into its working directory: the build folder.
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  (cd build-uruchom && "$edytor" "$probka" >/dev/null 2>&1 &)
  echo "Editor started on $probka (log: build-uruchom/!log.txt)."
else
  obraz=$zrodla/build-uruchom/elblag_petla.png
  echo "No display (DISPLAY and WAYLAND_DISPLAY are empty): drawing the editor on a virtual one."
  (cd build-uruchom && xvfb-run -a -s "-screen 0 1280x1024x24" "$edytor" --zrzut "$obraz" "$probka")
  echo "Picture of the editor's window: $obraz"
fi

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
