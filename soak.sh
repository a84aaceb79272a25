#!/usr/bin/env bash
# Plays the sanitized game for MINUTES under a virtual display on a fresh demo world with a
# seeded stream of plausible input, restarting it whenever it exits, and reports what it saw:
#   ./soak.sh MINUTES [SEED]
# Between stretches of random input it takes, in turn from the title, seeded tours: known
# routes into the screens random input seldom finds (the editors, a talk and a trade with the
# trader, rest on the second map, the world map, a death and the title's own screens).
# Reports minutes, input events, exits and why, the screens reached (each known by a few
# pixels of its own art), frozen or black screens (no change for 60 s while input flows),
# sanitizer reports, the leak report after each clean exit and the debug allocator's live
# bytes once a minute. Its files stay in build-soak/ (SOAK_OUT picks another folder,
# SOAK_DISPLAY the display, :77).
# Exits non-zero when a run shows a crash, a sanitizer report, a dead screen or a leak, when a
# screen was never reached, or when the live bytes (a median of five minutes) grew by more
# than 10% from minute 5.
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

out=${SOAK_OUT:-$PWD/build-soak}
world=$out/world
game_binary=$PWD/build-test/bin/vaultane
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

# Each screen by a few pixels of its own art: name, then x,y=colour as ImageMagick prints it.
# The first that matches names the screen, so a look that others share comes after them.
# The inventory beside a chest or a body (mode 10) is drawn with the inventory's own art. In a
# tutorial its panel lies over the top left corner, so the game's screens are known elsewhere;
# the pointer stays off the probes, which keep clear of the buttons the soak presses.
screens=(
  "animation-editor 15,100=srgb(64,76,96) 40,100=srgb(64,76,96) 75,135=srgb(0,252,248)"
  "offset-editor 15,100=srgb(40,92,96) 70,80=srgb(40,92,96)"
  "map-editor 3,512=srgb(48,84,64) 120,575=srgb(48,84,64)"
  "editor-menu 5,5=srgb(0,0,0) 320,230=srgb(64,76,96) 450,350=srgb(64,76,96)"
  "world-map-picture 760,50=srgb(80,124,56) 450,60=srgb(80,124,56) 400,597=srgb(64,108,48)"
  "world-map 120,575=srgb(16,64,48) 300,580=srgb(8,12,8) 650,558=srgb(112,76,32)"
  "story-page 30,537=srgb(120,92,48) 700,450=srgb(224,212,176)"
  "play 30,537=srgb(120,92,48)"
  "map-picture 700,546=srgb(112,76,32) 200,546=srgb(24,20,24) 400,527=srgb(96,92,96)"
  "rest 620,120=srgb(248,236,200) 335,470=srgb(8,12,8) 480,470=srgb(8,12,8)"
  "first-run 620,120=srgb(248,236,200) 5,5=srgb(8,12,40) 175,300=srgb(24,20,24)"
  "game-over 797,300=srgb(232,196,88) 590,210=srgb(24,20,24) 210,330=srgb(24,20,24)"
  "in-game-menu 797,300=srgb(232,196,88) 350,205=srgb(24,20,24) 240,300=srgb(96,48,48)"
  "script-choice 797,300=srgb(232,196,88) 620,120=srgb(248,236,200) 250,300=srgb(24,20,24) 620,300=srgb(96,48,48)"
  "options 797,300=srgb(232,196,88) 620,120=srgb(248,236,200) 450,60=srgb(24,20,24) 620,300=srgb(24,20,24)"
  "quest-log 797,300=srgb(232,196,88) 620,120=srgb(24,20,24) 500,140=srgb(24,20,24) 250,300=srgb(24,20,24)"
  "credits 797,300=srgb(232,196,88) 400,450=srgb(224,212,176) 640,546=srgb(16,12,16)"
  "save-load 797,300=srgb(232,196,88) 250,520=srgb(224,212,176) 640,546=srgb(112,76,32)"
  "title 797,300=srgb(232,196,88) 620,120=srgb(248,236,200) 335,470=srgb(24,20,24) 350,205=srgb(72,36,48)"
  "trade 797,300=srgb(24,20,24) 700,450=srgb(72,60,40) 435,100=srgb(72,60,40) 355,100=srgb(72,60,40) 400,480=srgb(224,212,176)"
  "inventory 797,300=srgb(24,20,24) 700,450=srgb(72,60,40) 330,200=srgb(24,20,24) 500,140=srgb(224,212,176)"
  "new-game 797,300=srgb(24,20,24) 330,200=srgb(224,212,176) 720,543=srgb(112,76,32)"
  "character-sheet 797,300=srgb(24,20,24) 330,200=srgb(224,212,176) 650,543=srgb(24,20,24) 700,450=srgb(224,212,176)"
  "dialogue 797,300=srgb(24,20,24) 330,200=srgb(224,212,176) 700,450=srgb(24,20,24) 620,120=srgb(224,212,176)"
)
# Every probe's pixel and the picture's checksum read by one grab of the screen.
probes=$(for entry in "${screens[@]}"; do for probe in ${entry#* }; do echo "${probe%%=*}"; done; done |
  sort -u)
probe_format="%#$(for at in $probes; do printf ' %%[pixel:p{%s}]' "$at"; done)"
declare -A reached
# One look at the screen: sets here (the screen's name, or "other") and sum (the checksum),
# and counts the screen reached.
look() {
  local -A seen
  local -a got
  local entry probe matched at i=1
  read -ra got <<<"$(import -window root -display "$display" -format "$probe_format" info: 2>/dev/null)"
  sum=${got[0]:-}
  for at in $probes; do
    seen[$at]=${got[$i]:-}
    i=$((i + 1))
  done
  here=other
  for entry in "${screens[@]}"; do
    matched=1
    for probe in ${entry#* }; do
      [ "${seen[${probe%%=*}]}" = "${probe#*=}" ] || { matched=0; break; }
    done
    [ $matched = 1 ] && { here=${entry%% *}; break; }
  done
  reached[$here]=1
  if [ "$here" = other ]; then
    # A screen not named above, kept once per look of its probes for a reader.
    local kept=$out/shots/other-$(echo "${got[*]:1}" | md5sum | cut -c1-8).png
    [ -e "$kept" ] || import -window root -display "$display" "$kept" 2>/dev/null
  fi
}
# Looks until the screen shows, for at most SECONDS (3); false when it never did.
await() {
  local until=$((SECONDS + ${2:-3}))
  while :; do
    look
    [ "$here" = "$1" ] && return 0
    [ $SECONDS -ge $until ] && return 1
    sleep 0.1
  done
}

# The picks set variables rather than print, as a subshell would draw from a stream of its own.
RANDOM=$seed
pick() { picked=$((RANDOM % $1)); }
one_of() {
  pick $#
  shift "$picked"
  chosen=$1
}
keys=(Escape Return space Tab i c j m g r b e f a n o t w q comma period 1 2 3 F1 F2 F5 F9)
# Where each screen leads: its ways out and on, one picked at random. The title leads mostly
# into a new game, the play screen to its own screens (the character sheet, rest, the
# in-game menu, the area map, the inventory, the player script, the quest log, the world's
# picture) and the in-game menu back to the map, so the rest of the time is spent playing.
lead_on() {
  chosen=
  case $1 in
    title) one_of "398 261" "398 261" "398 261" "398 299" "398 280" "398 318" "398 337" "750 575" \
      "750 575" "398 356" ;;
    options | credits | inventory | map-picture) chosen="721 546" ;;
    save-load) one_of "735 546" "735 546" "398 105" "660 546" "357 355" "435 355" ;; # and its box
    editor-menu) one_of "400 237" "400 297" "400 327" "400 357" ;;
    map-editor) one_of "341 519" "32 519" "92 519" "43 541" ;;
    animation-editor) one_of "221 50" "56 50" "138 50" "465 440" "465 440" ;; # and its box
    offset-editor) one_of "205 85" "56 85" ;;
    new-game) one_of "650 543" "650 543" "720 543" ;;
    character-sheet) chosen="720 543" ;;
    play) one_of "30 537" "30 558" "30 558" "30 579" "465 538" "465 558" "465 578" "465 578" key:j \
      key:g key:Escape ;;
    quest-log) chosen="398 578" ;;
    world-map-picture) chosen="762 584" ;;
    script-choice) one_of "720 544" "130 275" "130 335" ;;
    in-game-menu) one_of "398 325" "398 249" "398 268" "398 287" "398 306" "398 306" "357 355" \
      "357 355" "435 355" ;;
    rest) one_of "720 544" "400 260" "580 544" ;;
    dialogue) one_of "200 326" "200 340" "200 354" "400 530" ;;
    trade) one_of "720 544" "650 544" ;;
    world-map) one_of "680 562" "700 540" "357 355" "435 355" ;;
    game-over) chosen="723 544" ;;
    # A screen not named, such as the editors' file lists and folder boxes and the map
    # editor's data panel: the ways out screens share.
    other) one_of "345 554" "345 554" "465 440" "465 440" "469 366" "469 366" key:Escape \
      "721 546" "720 544" ;;
  esac
}
# A press held over a frame or two, as a hand clicks: the map takes a walk only from a
# release that comes in a later frame than its press.
press() {
  xdotool mousemove "$1" "$2" sleep 0.3 mousedown "${3:-1}" sleep 0.15 mouseup "${3:-1}"
}
# A right press on whatever lies under the pointer, held while the command box opens, and
# its release over the box's line LINE or one at random (line 1, the second, is Talk for a
# creature, Open for a chest or a door).
command_box() { # X Y [LINE]
  pick 4
  xdotool mousemove "$1" "$2" sleep 0.15 mousedown 3 sleep 0.3 mousemove $(($1 + 42)) \
    $(($2 + 7 + 16 * ${3:-$picked})) sleep 0.15 mouseup 3
}
# The view edge-scrolled towards the side the pointer rests on, for a second or as long as
# asked.
scroll() {
  xdotool mousemove "$1" "$2" sleep "${3:-1}" mousemove 400 300
}
# The leader walks a stretch towards one side of the map while the view edge-scrolls after
# it: how the roads south (to the second map) and east (to the world map) are reached.
walk() {
  one_of "408 490 408 599" "408 490 408 599" "700 300 799 300" "700 420 799 420" \
    "100 300 0 300" "408 100 408 0"
  read -r x y edge_x edge_y <<<"$chosen"
  press "$x" "$y"
  sleep 0.3
  scroll "$edge_x" "$edge_y"
}
# Back to the title through the in-game menu's Exit and its question, so that a long game
# still leaves time for the title's own screens and the editors.
to_title() {
  go key:Escape - in-game-menu || return 1
  press 398 306
  sleep 0.5
  go 357 355 title 5
}

# Tours: known routes from the title into the screens random input seldom finds, each step
# waiting for the screen it leads to and the tour given up where one does not come. The
# places are the demo world's: the tutorial puts the leader at the gate, Mara the trader a
# few steps east of it (her pick circle at her feet), the road south to the second map runs
# straight down from the gate, the road east to the world map leaves it further south, and
# the brute waits west of the pond.
# A press at X Y, or the key key:NAME, until SCREEN shows, three times at most: a screen
# just opened may let the first press go by.
go() {
  local try
  for try in 1 2 3; do
    case $1 in
      key:*) xdotool key "${1#key:}" ;;
      *) press "$1" "$2" ;;
    esac
    await "$3" "${4:-2}" && return 0
  done
  return 1
}
tour_editors() {
  go 750 575 editor-menu && go 400 237 map-editor 5 && go 341 519 editor-menu &&
    go 400 297 animation-editor && go 221 50 editor-menu && go 400 327 offset-editor &&
    go 205 85 editor-menu && go 400 357 title
}
tour_title_screens() {
  go 398 318 options && go 721 546 title && go 398 337 credits && go 721 546 title &&
    go 398 280 save-load && go 735 546 title && go 398 261 new-game && go 720 543 title
}
# Into the tutorial, the leader at the gate.
tutorial() {
  go 398 299 story-page 5 && go key:1 - play 5
}
# Each of the play screen's own screens and back, the pointer then off the bottom edge,
# which would scroll the view.
play_screens() {
  local way x y name back_x back_y
  for way in "30 537 character-sheet 720 543" "465 538 map-picture 721 546" \
    "465 558 inventory 721 546" "465 578 script-choice 720 544" "key:j - quest-log 398 578" \
    "key:g - world-map-picture 762 584" "key:Escape - in-game-menu 398 325"; do
    read -r x y name back_x back_y <<<"$way"
    go "$x" "$y" "$name" && go "$back_x" "$back_y" play || return 1
    xdotool mousemove 400 300
  done
}
tour_trade() {
  tutorial || return 1
  command_box 463 289 1 && await dialogue 6 || return 1
  go 200 326 trade && go 720 545 dialogue && go 200 354 play && play_screens && to_title
}
# Rest is refused where enemies are, so on the second map, whose arrival the rest screen
# itself tells: down the road until it opens. At the foot of the map the click lands on
# the road's end, where it leaves.
tour_rest() {
  tutorial || return 1
  local step
  for step in 1 2 3 4 5 6 7 8 9 10 11 12; do
    press 408 $((step % 2 ? 490 : 435))
    sleep 2
    scroll 408 599
    press 30 558
    if await rest 1; then
      press 330 253 # a minute's rest, then done
      press 580 544
      sleep 1
      go 720 544 play 5 && to_title
      return
    fi
  done
  return 1
}
# East along the road until the world map shows, into its camp and back to the title.
tour_world() {
  tutorial || return 1
  press 590 483
  sleep 2
  local step
  for step in 1 2 3 4 5 6 7 8 9 10; do
    scroll 799 483
    press 792 485
    await world-map 3 && break
  done
  [ "$here" = world-map ] || return 1
  press 680 562
  sleep 0.5
  go 357 355 play 5 && to_title
}
# The brute in the meadow's south-west, the one who can end a game: down the road a stretch,
# then west past the pond until he comes, and through the game over screen to the title.
tour_death() {
  tutorial || return 1
  press 408 490
  sleep 4
  scroll 408 599
  press 408 470
  sleep 4
  local step
  for step in 1 2 3 4 5 6; do
    press 90 470
    await game-over 8 && {
      go 723 544 title 5
      return
    }
    scroll 0 450
  done
  return 1
}
tours=(tour_editors tour_title_screens tour_trade tour_rest tour_world tour_death)
# The tours in an order of the seed's, each taken in turn from the title.
for ((i = ${#tours[@]} - 1; i > 0; i--)); do
  pick $((i + 1))
  t=${tours[$i]} tours[$i]=${tours[$picked]} tours[$picked]=$t
done
toured=0 failed=0
# A tour given up on is taken again next time, once: a random press still under way when it
# began can lead it astray.
tour() {
  local name=${tours[$((toured % ${#tours[@]}))]}
  sleep 0.5
  look
  [ "$here" = title ] || return
  if $name; then
    echo "tour $name: done" >>"$log"
    toured=$((toured + 1)) failed=0
  else
    echo "tour $name: gave up on $here" >>"$log"
    failed=$((failed + 1))
    [ $failed -ge 2 ] && toured=$((toured + 1)) failed=0
  fi
}

send_event() {
  if [ "$here" = title ] && [ $((events - toured_at)) -gt 10 ]; then
    toured_at=$events
    tour
    return
  fi
  if [ "$here" = play ] && [ $((events - titled)) -gt 60 ]; then
    titled=$events
    to_title
    return
  fi
  local x y roll
  pick 790; x=$((picked + 5))
  pick 590; y=$((picked + 5))
  pick 100; roll=$picked
  lead_on "$here"
  # On the map most of the time goes to walking, talking and command boxes; elsewhere most of
  # it to the screen's own ways on.
  [ "$here" = play ] && [ "$roll" -lt 50 ] && roll=$((roll * 3))
  if [ -n "$chosen" ] && { [ "$roll" -lt 30 ] || { [ "$here" != play ] && [ "$roll" -lt 60 ]; }; }; then
    case $chosen in
      key:*) xdotool key "${chosen#key:}" ;;
      *) press $chosen ;;
    esac
  elif [ "$here" = story-page ] && [ "$roll" -lt 40 ]; then
    xdotool key 1
  elif [ "$here" = play ] && [ "$roll" -lt 105 ]; then
    walk
  elif [ "$here" = play ] && [ "$roll" -lt 150 ]; then
    pick 470; y=$((picked + 40))
    pick 3
    if [ "$picked" = 0 ]; then
      xdotool mousemove "$x" "$y" sleep 0.15 key t
    else
      command_box "$x" "$y"
    fi
  elif [ "$roll" -lt 55 ]; then
    press "$x" "$y"
  elif [ "$roll" -lt 65 ]; then
    pick 30; local to_x=$((x + picked))
    pick 30
    xdotool mousemove "$x" "$y" mousedown 3 sleep 0.3 mousemove "$to_x" $((y + picked)) mouseup 3
  elif [ "$roll" -lt 72 ]; then
    pick 790; local to_x=$((picked + 5))
    pick 590
    xdotool mousemove "$x" "$y" mousedown 1 mousemove "$to_x" $((picked + 5)) mouseup 1
  elif [ "$roll" -lt 77 ]; then
    local edges=("0 $y" "799 $y" "$x 0" "$x 599")
    pick 4
    scroll ${edges[$picked]} 0.5
  else
    pick ${#keys[@]}
    xdotool key "${keys[$picked]}"
  fi
}

log=$out/soak.log
: >"$log"
start=$(date +%s)
end=$((start + minutes * 60))
events=0 titled=0 toured_at=-1000 runs=0 crashes=0 dead=0 leaky=0 sanitizer=0
declare -a live_at
here=title
sum= last_sum= last_change=$start next_minute=$((start + 60)) minute=0
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
    (cd "$world" && exec "$game_binary") >"$out/run$runs.out" 2>"$out/run$runs.err" &
    game=$!
    await title 30
    last_change=$(date +%s)
  fi
  send_event
  events=$((events + 1))
  sleep 0.1
  look
  [ "$here" = title ] && titled=$events
  now=$(date +%s)
  [ "$sum" != "$last_sum" ] && { last_sum=$sum; last_change=$now; }
  if [ $((now - last_change)) -ge 60 ]; then
    dead=$((dead + 1))
    import -window root -display "$display" "$out/shots/dead$dead.png" 2>/dev/null
    echo "minute $(((now - start) / 60)): no change for 60 s on $here (shots/dead$dead.png)" >>"$log"
    last_change=$now
  fi
  if [ "$now" -ge "$next_minute" ]; then
    minute=$((minute + 1))
    next_minute=$((next_minute + 60))
    # The latest figure, from the latest run that has one.
    live=
    for ((r = runs; r > 0; r--)); do
      live=$(grep -h 'live bytes' "$out/run$r.err" 2>/dev/null | tail -n 1 | awk '{print $3}')
      [ -n "$live" ] && break
    done
    live_at[$minute]=${live:-0}
    echo "minute $minute: live bytes ${live:-none} (run $runs), $events events, ${#reached[@]} looks reached" >>"$log"
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
# A minute's figure swings by a quarter with the screen it finds the game on (and falls with
# every restart), so growth is judged on the median of five minutes' figures: those up to
# the last minute at most 10% above those up to minute 5.
level_at() {
  local i
  local -a got=()
  for ((i = $1 - 4; i <= $1; i++)); do
    [ "${live_at[$i]:-0}" -gt 0 ] && got+=("${live_at[$i]}")
  done
  if [ ${#got[@]} = 0 ]; then
    echo 0
  else
    printf '%s\n' "${got[@]}" | sort -n | sed -n "$(((${#got[@]} + 1) / 2))p"
  fi
}
first_at=5
[ "$minute" -lt 5 ] && first_at=1
first_live=${live_at[$first_at]:-0}
last_live=${live_at[$minute]:-0}
first_level=$(level_at 5)
last_level=$(level_at "$minute")
growing=0
[ "$first_level" -gt 0 ] && [ $((last_level * 10)) -gt $((first_level * 11)) ] && growing=1
{
  echo "soak: $minutes minutes, seed $seed, $events events, $toured tours done, $runs runs"
  echo "exits with a crash or error status: $crashes; sanitizer reports: $sanitizer"
  echo "dead screens: $dead; leak reports after a clean exit: $leaky"
  echo "screens reached: ${!reached[*]}"
  echo "screens not reached:${missing:- none}"
  echo "live bytes: $first_live at minute $first_at, $last_live at minute $minute; median" \
    "$first_level over minutes 1-5, $last_level over the last five"
  echo "other looks kept: $(find "$out/shots" -name 'other-*.png' | wc -l) (shots/other-*.png)"
  cat "$log"
} | tee "$out/report.txt"
[ $crashes = 0 ] && [ $sanitizer = 0 ] && [ $dead = 0 ] && [ $leaky = 0 ] && [ -z "$missing" ] &&
  [ $growing = 0 ]
