#!/usr/bin/env bash
# The layering check passes on a tree whose includes run down and fails on each kind of
# wrong-way include.
set -u
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
fail=0

expect() {
  local want=$1 file=$2 include=$3
  rm -rf "$tree"/*
  mkdir -p "$(dirname "$tree/$file")"
  echo "#include \"$include\"" >"$tree/$file"
  "$check" "$tree" >/dev/null
  local got=$?
  if { [ "$want" = pass ] && [ $got -ne 0 ]; } || { [ "$want" = fail ] && [ $got -eq 0 ]; }; then
    echo "expected $want: $file including $include"
    fail=1
  fi
}

expect pass Library/world/a.cpp Library/core/stringc.h
expect pass Source/screens/a.cpp Source/entities/entity.h
expect pass Source/loops.cpp Source/screens/title_panel.h
expect fail Library/core/a.cpp Library/files/file_stream.h
expect fail Library/files/a.cpp Library/world/game_mode.h
expect fail Library/graphics/a.cpp Library/geometry/zone.h
expect fail Library/scripts/a.cpp Source/entities/entity.h
expect fail Source/entities/a.cpp Source/creatures/creature.h
expect fail Source/screens/a.cpp Source/loops.h
expect fail LibraryScriptCompiler/a.cpp Source/scripting/game_virtual_machine.h
expect fail Library/loose.h Library/core/stringc.h
exit $fail
