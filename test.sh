#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer into build-test/
# and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
vaultane_install_deps
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DVAULTANE_SANITIZE=ON -DVAULTANE_BENCH=OFF \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" >/dev/null
cmake --build build-test -j "$(vaultane_jobs)"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
cd build-test
ctest --output-on-failure -j "$(vaultane_jobs)"
