#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UBSan and runs every test.
# Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/zaleznosci.sh
cmake -S . -B build-testy -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVIALTOR_SANITIZE=ON -DVIALTOR_TESTS=ON -DVIALTOR_BENCH=OFF
cmake --build build-testy -j "$(nproc)"

export UBSAN_OPTIONS=print_stacktrace=1
cd build-testy
ctest --output-on-failure --no-tests=error --timeout 600 -j "$(nproc)"
