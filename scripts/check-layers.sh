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

# Folders within a project, lowest first: each includes only from those before it.
ordered() {
  local project=$1
  shift
  local layers=("$@") i
  for ((i = 0; i < ${#layers[@]}; ++i)); do
    local above=("${layers[@]:i+1}")
    [ ${#above[@]} -gt 0 ] || continue
    check "$project/${layers[i]}" "$(printf "$project/%s|" "${above[@]}" | sed 's/|$//')"
  done
}
ordered Library core files graphics geometry sound interface world scripts
ordered Source entities creatures world scripting screens editors
# Source's root (start-up and the frame driver) sits above every game folder: no folder
# includes from it.
for dir in "${root}"/Source/*/; do
  [ -d "$dir" ] || continue
  hits=$(grep -rnE "#include +\"Source/[a-z_0-9]+\.h\"" "$dir" 2>/dev/null)
  [ -z "$hits" ] || { echo "${dir#$root/} must not include from Source's root:"; echo "$hits"; status=1; }
done

# Every engine file sits in a layer.
loose=$(find "$root/Library" -maxdepth 1 -type f -name '*.[ch]*' 2>/dev/null)
if [ -n "$loose" ]; then
  echo "Library files outside a layer folder:"
  echo "$loose"
  status=1
fi
exit $status
