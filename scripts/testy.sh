#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UBSan and runs every test; the
# editor's window and OpenGL tests run each on a virtual display of its own (Xvfb, Mesa's
# software renderer).
# Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/zaleznosci.sh
cmake -S . -B build-testy -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVIALTOR_SANITIZE=ON -DVIALTOR_TESTS=ON -DVIALTOR_BENCH=OFF
cmake --build build-testy -j "$(nproc)"

export UBSAN_OPTIONS=print_stacktrace=1
# The leak checker follows the thread-local blocks of loaded libraries through __tls_get_addr;
# after GL and Qt load and unload theirs, a stale slot sends it into unmapped memory now and then.
export ASAN_OPTIONS=intercept_tls_get_addr=0
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
cd build-testy
# No display of the caller's: the window and GL tests start their own (scripts/wlasny_ekran.sh).
env -u DISPLAY -u WAYLAND_DISPLAY ctest --output-on-failure --no-tests=error --timeout 600 -j "$(nproc)"

# A short run of every fuzz target (the long runs: scripts/fuzz.sh SECONDS).
cd ..
bash scripts/fuzz.sh 10
