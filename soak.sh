#!/usr/bin/env bash
# Plays the sanitized game for MINUTES under a virtual display on a fresh demo world with a
# seeded stream of plausible input, restarting it whenever it exits, and reports what it saw:
#   ./soak.sh MINUTES [SEED]
# Reports minutes, input events, exits and why, the screens reached (each known by a few
# pixels of its own art), frozen or black screens (no change for 60 s while input flows),
# sanitizer reports, the leak report after each clean exit and the debug allocator's live
# bytes once a minute. Its files stay in build-soak/ (SOAK_DISPLAY picks the display, :77).
# Exits non-zero when a run shows a crash, a sanitizer report, a dead screen or a leak.
set -uo pipefail
cd "$(dirname "$0")"
minutes=${1:-}
seed=${2:-1}
case "$minutes" in
  '' | *[!0-9]* | 0) echo "usage: $0 MINUTES [SEED]" >&2; exit 2 ;;
esac
case "$seed" in
  '' | *[!0-9]*) echo "usage: $0 MINUTES [SEED]" >&2; exit 2 ;;
esac

source scripts/deps.sh
vaultane_install_deps
vaultane_install_packages xvfb xdotool imagemagick
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DVAULTANE_SANITIZE=ON -DVAULTANE_BENCH=OFF \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" >/dev/null || exit 1
cmake --build build-test --target vaultane demoworld -j "$(vaultane_jobs)" >/dev/null || exit 1

out=$PWD/build-soak
world=$out/world
rm -rf "$out"
mkdir -p "$out/shots"
build-test/bin/demoworld "$world" >/dev/null || exit 1

display=${SOAK_DISPLAY:-:77}
Xvfb "$display" -noreset -screen 0 800x600x24 >/dev/null 2>&1 &
xvfb=$!
game=
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null
  kill "$xvfb" 2>/dev/null
}
trap cleanup EXIT
sleep 1
export DISPLAY=$display SDL_MOUSE_RELATIVE=0 SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=1:poison_array_cookie=0
# The X client library keeps a few strings it never frees; that is not the game's.
printf 'leak:libX11.so\n' >"$out/lsan.supp"
export LSAN_OPTIONS=suppressions=$out/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1

# Each screen by a few pixels of its own art: name, then x,y=colour as `convert` prints it.
screens=(
  "title 620,120=srgb(248,236,200) 5,5=srgb(112,76,32)"
  "first-run 620,120=srgb(248,236,200) 5,5=srgb(8,12,40)"
  "character-sheet 100,250=srgb(224,212,176) 2,2=srgb(24,20,24)"
  "map-picture 700,546=srgb(48,84,64) 400,240=srgb(152,152,152)"
  "new-game 625,540=srgb(232,196,88) 2,2=srgb(24,20,24)"
  "story-page 70,80=srgb(224,212,176) 30,537=srgb(120,92,48)"
  "play 30,537=srgb(120,92,48)"
)
screen_of() {
  local shot=$1 entry name probe at want got matched
  for entry in "${screens[@]}"; do
    name=${entry%% *}
    matched=1
    for probe in ${entry#* }; do
      at=${probe%%=*}
      want=${probe#*=}
      got=$(convert "$shot" -format "%[pixel:p{$at}]" info: 2>/dev/null)
      [ "$got" = "$want" ] || { matched=0; break; }
    done
    [ $matched = 1 ] && { echo "$name"; return; }
  done
  echo "other"
}

RANDOM=$seed
pick() { echo $((RANDOM % $1)); }
keys=(Escape Return space Tab i c j m g r b e f a n o t w q comma period 1 2 3 F1 F2 F5 F9)
# The play screen's buttons: the character sheet, rest, the in-game menu, the area map, the
# inventory and the player script.
play_buttons=("30 537" "30 558" "30 579" "465 538" "465 558" "465 578")
# Into a game from the title (New Game, or now and then Edit Game), through the new game's
# Done and the first page's first choice, then the play screen's own screens.
lead_on() {
  case $1 in
    title) [ "$(pick 5)" = 0 ] && echo "750 575" || echo "398 261" ;;
    new-game) echo "650 543" ;;
    character-sheet) echo "720 543" ;;
    map-picture) echo "722 546" ;;
    play) echo "${play_buttons[$(pick ${#play_buttons[@]})]}" ;;
  esac
}
send_event() {
  local x=$(( $(pick 790) + 5 )) y=$(( $(pick 590) + 5 )) roll at
  roll=$(pick 100)
  at=$(lead_on "$here")
  if [ -n "$at" ] && [ "$roll" -lt 30 ]; then
    xdotool mousemove $at click 1
  elif [ "$here" = story-page ] && [ "$roll" -lt 30 ]; then
    xdotool key 1
  elif [ "$roll" -lt 45 ]; then
    xdotool mousemove "$x" "$y" click 1
  elif [ "$roll" -lt 60 ]; then
    xdotool mousemove "$x" "$y" mousedown 3 sleep 0.4 mousemove $((x + $(pick 30))) \
      $((y + $(pick 30))) mouseup 3
  elif [ "$roll" -lt 70 ]; then
    xdotool mousemove "$x" "$y" mousedown 1 mousemove $(( $(pick 790) + 5 )) \
      $(( $(pick 590) + 5 )) mouseup 1
  elif [ "$roll" -lt 75 ]; then
    local edges=("1 $y" "798 $y" "$x 1" "$x 598")
    xdotool mousemove ${edges[$(pick 4)]} sleep 1
  else
    xdotool key "${keys[$(pick ${#keys[@]})]}"
  fi
}

log=$out/soak.log
: >"$log"
start=$(date +%s)
end=$((start + minutes * 60))
events=0 runs=0 crashes=0 dead=0 leaky=0 sanitizer=0
declare -A reached
here=title
last_sum= last_change=$start next_minute=$((start + 60)) minute=0
while [ "$(date +%s)" -lt "$end" ]; do
  if [ -z "$game" ] || ! kill -0 "$game" 2>/dev/null; then
    if [ -n "$game" ]; then
      wait "$game"
      status=$?
      run_log=$out/run$runs.err
      if grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error' "$run_log"; then
        sanitizer=$((sanitizer + 1))
        echo "run $runs: sanitizer report in $run_log" >>"$log"
      fi
      if [ "$status" = 0 ]; then
        if grep -q "No memory leaks found" "$world/memleaks.log" 2>/dev/null; then
          echo "run $runs: clean exit, no leaks" >>"$log"
        else
          leaky=$((leaky + 1))
          cp "$world/memleaks.log" "$out/memleaks$runs.log" 2>/dev/null
          echo "run $runs: clean exit, leak report in memleaks$runs.log" >>"$log"
        fi
      else
        crashes=$((crashes + 1))
        echo "run $runs: exit status $status ($(grep -m1 -E 'ERROR|runtime error|fatal' "$run_log"))" >>"$log"
      fi
    fi
    runs=$((runs + 1))
    (cd "$world" && exec ../../build-test/bin/vaultane) >"$out/run$runs.out" 2>"$out/run$runs.err" &
    game=$!
    sleep 3
    last_change=$(date +%s)
  fi
  send_event
  events=$((events + 1))
  sleep 0.$(( $(pick 5) + 1 ))
  now=$(date +%s)
  if [ $((events % 3)) = 0 ]; then
    shot=$out/shots/now.png
    import -window root -display "$display" "$shot" 2>/dev/null
    sum=$(md5sum <"$shot" | cut -d' ' -f1)
    here=$(screen_of "$shot")
    reached[$here]=1
    if [ "$here" = other ]; then
      # A screen not named above, kept once per look of its corners and centre for a reader.
      look=$(convert "$shot" -format '%[pixel:p{5,5}]%[pixel:p{400,300}]%[pixel:p{795,595}]' info: |
        md5sum | cut -c1-8)
      [ -e "$out/shots/other-$look.png" ] || cp "$shot" "$out/shots/other-$look.png"
    fi
    [ "$sum" != "$last_sum" ] && { last_sum=$sum; last_change=$now; }
    if [ $((now - last_change)) -ge 60 ]; then
      dead=$((dead + 1))
      cp "$shot" "$out/shots/dead$dead.png"
      echo "minute $(((now - start) / 60)): no change for 60 s (shots/dead$dead.png)" >>"$log"
      last_change=$now
    fi
  fi
  if [ "$now" -ge "$next_minute" ]; then
    minute=$((minute + 1))
    next_minute=$((next_minute + 60))
    live=$(grep -h 'live bytes' "$out"/run*.err 2>/dev/null | tail -n 1 | awk '{print $3}')
    echo "minute $minute: live bytes ${live:-none} (run $runs)" >>"$log"
  fi
done
kill "$game" 2>/dev/null
wait "$game" 2>/dev/null
game=

{
  echo "soak: $minutes minutes, seed $seed, $events events, $runs runs"
  echo "exits with a crash or error status: $crashes; sanitizer reports: $sanitizer"
  echo "dead screens: $dead; leak reports after a clean exit: $leaky"
  echo "screens reached: ${!reached[*]}"
  echo "other looks kept: $(find "$out/shots" -name 'other-*.png' | wc -l) (shots/other-*.png)"
  cat "$log"
} | tee "$out/report.txt"
[ $crashes = 0 ] && [ $sanitizer = 0 ] && [ $dead = 0 ] && [ $leaky = 0 ]
