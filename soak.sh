#!/usr/bin/env bash
# Plays the sanitized game for MINUTES under a virtual display on a fresh demo world with a
# seeded stream of plausible input, restarting it whenever it exits, and reports what it saw:
#   ./soak.sh MINUTES [SEED]
# Reports minutes, input events, exits and why, the screens reached (each known by a few
# pixels of its own art), frozen or black screens (no change for 60 s while input flows),
# sanitizer reports, the leak report after each clean exit and the debug allocator's live
# bytes once a minute. Its files stay in build-soak/ (SOAK_DISPLAY picks the display, :77).
# Exits non-zero when a run shows a crash, a sanitizer report, a dead screen or a leak, when a
# screen was never reached, or when the live bytes grew by more than 10% from minute 5.
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
# The first that matches names the screen, so a look that others share comes after them.
# The inventory beside a chest or a body (mode 10) is drawn with the inventory's own art. In a
# tutorial its panel lies over the top left corner, so the game's screens are known elsewhere.
screens=(
  "animation-editor 15,100=srgb(64,76,96) 40,100=srgb(64,76,96) 75,135=srgb(0,252,248)"
  "offset-editor 15,100=srgb(40,92,96) 70,80=srgb(40,92,96)"
  "map-editor 3,512=srgb(48,84,64) 120,575=srgb(48,84,64)"
  "editor-menu 5,5=srgb(0,0,0) 320,230=srgb(64,76,96) 450,350=srgb(64,76,96)"
  "world-map-picture 760,50=srgb(80,124,56) 450,60=srgb(80,124,56) 400,597=srgb(64,108,48)"
  "world-map 3,512=srgb(16,20,24) 120,575=srgb(16,64,48)"
  "story-page 30,537=srgb(120,92,48) 700,450=srgb(224,212,176)"
  "play 30,537=srgb(120,92,48)"
  "map-picture 700,546=srgb(48,84,64) 400,240=srgb(152,152,152)"
  "rest 620,120=srgb(248,236,200) 335,470=srgb(8,12,8) 400,300=srgb(8,12,8)"
  "first-run 620,120=srgb(248,236,200) 5,5=srgb(8,12,40)"
  "game-over 797,300=srgb(232,196,88) 590,210=srgb(24,20,24) 210,330=srgb(24,20,24)"
  "in-game-menu 797,300=srgb(232,196,88) 350,205=srgb(24,20,24) 240,300=srgb(96,48,48)"
  "script-choice 797,300=srgb(232,196,88) 620,120=srgb(248,236,200) 250,300=srgb(24,20,24) 620,300=srgb(96,48,48)"
  "options 797,300=srgb(232,196,88) 620,120=srgb(248,236,200) 450,60=srgb(24,20,24) 620,300=srgb(24,20,24)"
  "quest-log 797,300=srgb(232,196,88) 620,120=srgb(24,20,24) 500,140=srgb(24,20,24) 250,300=srgb(24,20,24)"
  "credits 797,300=srgb(232,196,88) 400,450=srgb(224,212,176) 640,546=srgb(16,12,16)"
  "save-load 797,300=srgb(232,196,88) 250,520=srgb(224,212,176) 640,546=srgb(64,76,96)"
  "title 797,300=srgb(232,196,88) 620,120=srgb(248,236,200) 335,470=srgb(24,20,24) 350,205=srgb(72,36,48)"
  "trade 797,300=srgb(24,20,24) 700,450=srgb(224,212,176) 250,300=srgb(24,20,24) 450,60=srgb(224,212,176)"
  "inventory 797,300=srgb(24,20,24) 700,450=srgb(224,212,176) 330,200=srgb(24,20,24) 500,140=srgb(224,212,176)"
  "new-game 797,300=srgb(24,20,24) 330,200=srgb(224,212,176) 720,543=srgb(112,76,32)"
  "character-sheet 797,300=srgb(24,20,24) 330,200=srgb(224,212,176) 650,543=srgb(24,20,24) 700,450=srgb(224,212,176)"
  "dialogue 797,300=srgb(24,20,24) 330,200=srgb(224,212,176) 700,450=srgb(24,20,24) 620,120=srgb(224,212,176)"
)
# Every probe's pixel read in one call, then each screen's probes matched against them.
probes=$(for entry in "${screens[@]}"; do for probe in ${entry#* }; do echo "${probe%%=*}"; done; done |
  sort -u)
probe_format=$(for at in $probes; do printf '%%[pixel:p{%s}] ' "$at"; done)
screen_of() {
  local -A seen
  local entry probe matched at
  local -a got
  read -ra got <<<"$(convert "$1" -format "$probe_format" info: 2>/dev/null)"
  local i=0
  for at in $probes; do
    seen[$at]=${got[$i]:-}
    i=$((i + 1))
  done
  for entry in "${screens[@]}"; do
    matched=1
    for probe in ${entry#* }; do
      [ "${seen[${probe%%=*}]}" = "${probe#*=}" ] || { matched=0; break; }
    done
    [ $matched = 1 ] && { echo "${entry%% *}"; return; }
  done
  echo "other"
}

RANDOM=$seed
pick() { echo $((RANDOM % $1)); }
one_of() { shift $(($(pick $#))); echo "$1"; }
keys=(Escape Return space Tab i c j m g r b e f a n o t w q comma period 1 2 3 F1 F2 F5 F9)
# Where each screen leads: its ways out and on, one picked at random. The title leads mostly
# into a new game, the play screen to its own screens (the character sheet, rest, the
# in-game menu, the area map, the inventory, the player script, the quest log, the world's
# picture) and the in-game menu back to the map, so the rest of the time is spent playing.
lead_on() {
  case $1 in
    title) one_of "398 261" "398 261" "398 261" "398 299" "398 280" "398 318" "398 337" "750 575" \
      "750 575" "398 356" ;;
    options | credits | inventory | map-picture) echo "721 546" ;;
    save-load) one_of "735 546" "735 546" "398 105" "660 546" "357 355" "435 355" ;; # and its box
    editor-menu) one_of "400 237" "400 297" "400 327" "400 357" ;;
    map-editor) one_of "341 519" "32 519" "92 519" "43 541" ;;
    animation-editor) one_of "221 50" "56 50" "138 50" ;;
    offset-editor) one_of "205 85" "56 85" ;;
    new-game) one_of "650 543" "650 543" "720 543" ;;
    character-sheet) echo "720 543" ;;
    play) one_of "30 537" "30 558" "30 558" "30 579" "465 538" "465 558" "465 578" "465 578" key:j \
      key:g key:Escape ;;
    quest-log) echo "398 578" ;;
    world-map-picture) echo "762 584" ;;
    script-choice) one_of "720 544" "130 275" "130 335" ;;
    in-game-menu) one_of "398 325" "398 249" "398 268" "398 287" "398 306" "398 306" "357 355" \
      "357 355" "435 355" ;;
    rest) one_of "720 544" "400 260" "580 544" ;;
    dialogue) one_of "400 330" "400 345" "400 360" "400 530" ;;
    trade) one_of "720 544" "650 544" ;;
    world-map) one_of "680 562" "700 540" ;;
    game-over) echo "723 544" ;;
  esac
}
# A press held over a frame or two, as a hand clicks: the map takes a walk only from a
# release that comes in a later frame than its press.
press() {
  xdotool mousemove "$1" "$2" sleep 0.3 mousedown "${3:-1}" sleep 0.15 mouseup "${3:-1}"
}
# A right press on whatever lies under the pointer, then one of the command box's lines
# (the second is Talk for a creature, Open for a chest or a door).
command_box() {
  local x=$1 y=$2
  press "$x" "$y" 3
  sleep 0.3
  press $((x + 42)) $((y + 7 + 16 * $(pick 4)))
}
# The leader walks a stretch towards one side of the map while the view edge-scrolls after
# it: how the roads south (to the second map) and east (to the world map) are reached.
walk() {
  local way=$(one_of "405 470 405 598" "405 470 405 598" "700 300 798 300" "700 420 798 420" \
    "100 300 1 300" "405 100 405 1") step
  read -r x y edge_x edge_y <<<"$way"
  for step in 1 2 3; do
    press "$x" "$y"
    xdotool sleep 0.4 mousemove "$edge_x" "$edge_y" sleep 0.8 mousemove "$x" "$y" sleep 0.6
  done
}
# Back to the title through the in-game menu's Exit and its question, so that a long game
# still leaves time for the title's own screens and the editors.
to_title() {
  xdotool key Escape sleep 1
  press 398 306
  sleep 1
  press 357 355
}
send_event() {
  if [ "$here" = play ] && [ $((events - titled)) -gt 150 ]; then
    titled=$events
    to_title
    return
  fi
  local x=$(( $(pick 790) + 5 )) y=$(( $(pick 590) + 5 )) roll at
  roll=$(pick 100)
  at=$(lead_on "$here")
  # On the map most of the time goes to walking, talking and command boxes; elsewhere most of
  # it to the screen's own ways on.
  [ "$here" = play ] && [ "$roll" -lt 50 ] && roll=$((roll * 3))
  if [ -n "$at" ] && { [ "$roll" -lt 30 ] || { [ "$here" != play ] && [ "$roll" -lt 60 ]; }; }; then
    case $at in
      key:*) xdotool key "${at#key:}" ;;
      *) press $at ;;
    esac
  elif [ "$here" = story-page ] && [ "$roll" -lt 40 ]; then
    xdotool key 1
  elif [ "$here" = play ] && [ "$roll" -lt 105 ]; then
    walk
  elif [ "$here" = play ] && [ "$roll" -lt 150 ]; then
    y=$(( $(pick 470) + 40 ))
    if [ "$(pick 3)" = 0 ]; then
      xdotool mousemove "$x" "$y" sleep 0.3 key t
    else
      command_box "$x" "$y"
    fi
  elif [ "$roll" -lt 55 ]; then
    press "$x" "$y"
  elif [ "$roll" -lt 65 ]; then
    xdotool mousemove "$x" "$y" mousedown 3 sleep 0.4 mousemove $((x + $(pick 30))) \
      $((y + $(pick 30))) mouseup 3
  elif [ "$roll" -lt 72 ]; then
    xdotool mousemove "$x" "$y" mousedown 1 mousemove $(( $(pick 790) + 5 )) \
      $(( $(pick 590) + 5 )) mouseup 1
  elif [ "$roll" -lt 77 ]; then
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
events=0 titled=0 runs=0 crashes=0 dead=0 leaky=0 sanitizer=0
declare -A reached
declare -a live_at
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
    here=title
    last_change=$(date +%s)
  fi
  send_event
  events=$((events + 1))
  sleep 0.$(( $(pick 5) + 1 ))
  now=$(date +%s)
  {
    shot=$out/shots/now.png
    import -window root -display "$display" "$shot" 2>/dev/null
    sum=$(md5sum <"$shot" | cut -d' ' -f1)
    here=$(screen_of "$shot")
    [ "$here" = title ] && titled=$events
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
  }
  if [ "$now" -ge "$next_minute" ]; then
    minute=$((minute + 1))
    next_minute=$((next_minute + 60))
    live=$(grep -h 'live bytes' "$out"/run*.err 2>/dev/null | tail -n 1 | awk '{print $3}')
    live_at[$minute]=${live:-0}
    echo "minute $minute: live bytes ${live:-none} (run $runs), ${#reached[@]} looks reached" >>"$log"
  fi
done
kill "$game" 2>/dev/null
wait "$game" 2>/dev/null
game=

missing=
for entry in "${screens[@]}"; do
  name=${entry%% *}
  [ "$name" = first-run ] || [ -n "${reached[$name]:-}" ] || missing="$missing $name"
done
# Live bytes at the last minute at most 10% above minute 5 (or the first, in a shorter run).
first_live=${live_at[5]:-${live_at[1]:-0}}
last_live=${live_at[$minute]:-0}
growing=0
[ "$first_live" -gt 0 ] && [ $((last_live * 10)) -gt $((first_live * 11)) ] && growing=1
{
  echo "soak: $minutes minutes, seed $seed, $events events, $runs runs"
  echo "exits with a crash or error status: $crashes; sanitizer reports: $sanitizer"
  echo "dead screens: $dead; leak reports after a clean exit: $leaky"
  echo "screens reached: ${!reached[*]}"
  echo "screens not reached:${missing:- none}"
  echo "live bytes: $first_live at minute 5, $last_live at minute $minute"
  echo "other looks kept: $(find "$out/shots" -name 'other-*.png' | wc -l) (shots/other-*.png)"
  cat "$log"
} | tee "$out/report.txt"
[ $crashes = 0 ] && [ $sanitizer = 0 ] && [ $dead = 0 ] && [ $leaky = 0 ] && [ -z "$missing" ] &&
  [ $growing = 0 ]
