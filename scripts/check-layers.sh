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

# The engine's own layers, lowest first.
layers=(core files graphics geometry sound interface world scripts)
for ((i = 0; i < ${#layers[@]}; ++i)); do
  above=("${layers[@]:i+1}")
  [ ${#above[@]} -gt 0 ] || continue
  check "Library/${layers[i]}" "$(printf 'Library/%s|' "${above[@]}" | sed 's/|$//')"
done

# Every engine file sits in a layer.
loose=$(find "$root/Library" -maxdepth 1 -type f -name '*.[ch]*' 2>/dev/null)
if [ -n "$loose" ]; then
  echo "Library files outside a layer folder:"
  echo "$loose"
  status=1
fi
exit $status
