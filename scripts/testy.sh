#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UBSan and runs every test; the
# editor's window and OpenGL tests run on a virtual display (Xvfb, Mesa's software renderer).
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
# Mesa's software renderer whatever other drivers are installed, without its on-disk shader
# cache: a cache left by an earlier run changes what the driver compiles and keeps.
export LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=llvmpipe MESA_SHADER_CACHE_DISABLE=true
cd build-testy
# -noreset: the server would otherwise restart whenever its last client leaves, refusing the
# test program that connects in that moment.
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
  ctest --output-on-failure --no-tests=error --timeout 600 -j "$(nproc)"

# A short run of every fuzz target (the long runs: scripts/fuzz.sh SECONDS).
cd ..
bash scripts/fuzz.sh 10
