#!/usr/bin/env bash
# Each folder may include only from the layers beneath it.
root=${1:-.}
status=0
check() {
  local dir=$1 forbidden=$2
  [ -d "$root/$dir" ] || return 0
  local hits
  hits=$(grep -rnE "#include +\"($forbidden)/" "$root/$dir" 2>/dev/null)
  if [ -n "$hits" ]; then
    echo "$dir must not include from $forbidden:"
    echo "$hits"
    status=1
  fi
}
check platform "Library|LibraryScriptCompiler|Source|tools"
check Library "LibraryScriptCompiler|Source|tools"
check LibraryScriptCompiler "Source|tools"
check Source "tools"
exit $status
