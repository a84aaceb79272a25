#!/usr/bin/env bash
# Builds the game (Release) into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
vaultane_install_deps
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVAULTANE_TESTS=OFF >/dev/null
cmake --build build -j "$(vaultane_jobs)"
echo "Built into build/bin. The game cannot start yet: start-up comes in a later step."
