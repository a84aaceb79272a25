#!/usr/bin/env bash
# Builds the game (Release) into build/, builds the demo world into build/world when it is
# missing (otherwise rebuilds its missing archives from the loose files, so maps saved by
# the map editor are kept), and starts the game there (the data root is the working
# directory).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
vaultane_install_deps
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVAULTANE_TESTS=OFF >/dev/null
cmake --build build -j "$(vaultane_jobs)"
world=build/world
if [ ! -d "$world" ]; then
  build/bin/demoworld "$world"
else
  build/bin/rscbuild "$world"
fi
if [ -z "${DISPLAY:-}" ]; then
  echo "The game needs a display and DISPLAY is not set. Start it from a desktop session," >&2
  echo "or headless under a virtual X server:  xvfb-run -s '-screen 0 800x600x24' ./run.sh" >&2
  exit 1
fi
cd "$world"
exec ../bin/vaultane
