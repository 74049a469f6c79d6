#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and the benchmarks need, only those
# that are missing. Debian 12; runs as root, or through sudo when it is there.
set -euo pipefail

PAKIETY=(
  g++
  cmake
  ninja-build
  pkg-config
  zlib1g-dev
  libgtest-dev
  libbenchmark-dev
  libcli11-dev
  nlohmann-json3-dev
  qt6-base-dev
  libqt6opengl6-dev
  libglu1-mesa-dev
  libjpeg62-turbo-dev
  libosmesa6-dev
  libpng-dev
  libgl1-mesa-dri
  libglx-mesa0
  xvfb
  xauth
  fonts-dejavu-core
  clang
  libclang-rt-dev
  desktop-file-utils
  libproj-dev
  proj-data
  libgdal-dev
  libosmium2-dev
  libprotozero-dev
  libbz2-dev
  libexpat1-dev
  qt6-translations-l10n
)

brakujace=()
for pakiet in "${PAKIETY[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pakiet" 2>/dev/null | grep -q '^install ok installed$'; then
    brakujace+=("$pakiet")
  fi
done

if [ ${#brakujace[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  jako_root=()
elif command -v sudo >/dev/null 2>&1; then
  jako_root=(sudo)
else
  echo "Missing packages: ${brakujace[*]}; installing them needs root or sudo." >&2
  exit 1
fi

echo "Installing: ${brakujace[*]}"
"${jako_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${jako_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${brakujace[@]}"
