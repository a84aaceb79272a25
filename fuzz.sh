#!/usr/bin/env bash
# Builds every fuzz target of tests/fuzz with clang and libFuzzer (AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs each for the given seconds
# (default 10), as many at once as there are cores, each starting from the seeds its own
# writers make. Exits non-zero when any target finds a crash, a leak, undefined behaviour,
# a hang or a runaway allocation, naming the input that shows it.
#   ./fuzz.sh [seconds]
#   build-fuzz/bin/fuzz/NAME_fuzz REPRODUCER    # replays one input
set -euo pipefail
cd "$(dirname "$0")"
seconds=${1:-10}
case "$seconds" in
  '' | *[!0-9]* | 0) echo "usage: $0 [seconds, at least 1]" >&2; exit 2 ;;
esac

source scripts/deps.sh
vaultane_install_deps
vaultane_install_packages clang libclang-rt-dev

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DVAULTANE_FUZZ=ON -DVAULTANE_TESTS=OFF -DVAULTANE_BENCH=OFF >/dev/null
cmake --build build-fuzz --target fuzz_targets -j "$(vaultane_jobs)"

# The memory tracker wipes every block it releases, the array cookie of new[] too.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}poison_array_cookie=0:detect_leaks=1"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:+$UBSAN_OPTIONS:}print_stacktrace=1:halt_on_error=1"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

runs=build-fuzz/runs
# Seconds one input may take before it counts as a hang: a shared machine, every core
# fuzzing, runs an input several times slower than an idle core, where none of a target's
# inputs is to take more than a tenth of this.
input_timeout=30
# One target in its own directory (the tracker's logs land there), its corpus kept between
# runs; the log and any reproducer stay beside it.
fuzz_one() {
  local target=$1
  local name dir
  name=$(basename "$target")
  dir="$runs/$name"
  rm -rf "$dir/artifacts"
  mkdir -p "$dir/corpus" "$dir/artifacts"
  if (cd "$dir" && "../../bin/fuzz/$name" corpus -max_total_time="$seconds" \
        -timeout="$input_timeout" -rss_limit_mb=2048 -close_fd_mask=3 \
        -artifact_prefix=artifacts/ >fuzz.log 2>&1); then
    echo "$name: $(grep -o 'Done [0-9]* runs' "$dir/fuzz.log" || echo done)"
    return 0
  fi
  local report reproducer
  report="$name: FAILED"$'\n'
  report+=$(grep -E 'ERROR|SUMMARY|runtime error|Test unit written' "$dir/fuzz.log" | head -n 8 |
    sed 's/^/  /' || true)$'\n'
  for reproducer in "$dir"/artifacts/*; do
    [ -e "$reproducer" ] && report+="  reproduce: build-fuzz/bin/fuzz/$name $reproducer"$'\n'
  done
  printf '%s  log: %s\n' "$report" "$dir/fuzz.log"
  return 1
}

targets=(build-fuzz/bin/fuzz/*_fuzz)
if [ ! -e "${targets[0]}" ]; then
  echo "no fuzz targets were built" >&2
  exit 1
fi
echo "Fuzzing ${#targets[@]} targets for ${seconds}s each"
jobs=$(vaultane_jobs)
failed=0
running=0
for target in "${targets[@]}"; do
  if [ "$running" -ge "$jobs" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
  fuzz_one "$target" &
  running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done
if [ "$failed" -ne 0 ]; then
  echo "Fuzzing found faults: see the reproducers above" >&2
  exit 1
fi
echo "Fuzzing found no faults"
