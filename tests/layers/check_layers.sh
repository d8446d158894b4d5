#!/usr/bin/env bash
# The folders of src/ depend one way: a file includes only from its own folder and the folders
# below it. Prints each include that reaches upwards, and fails when there is one.
set -euo pipefail
src=${1:?usage: check_layers.sh SRC_DIR}
declare -A uses=(
  [board]="board"
  [rules]="rules board"
  [records]="records rules board"
  [scoring]="scoring records rules board"
  [solver]="solver board"
  [puzzles]="puzzles solver board"
  [kit]="kit rules board"
  [media]="media kit"
  [print]="print kit"
  [window]="window scoring records rules board solver puzzles kit media"
  [app]="app window scoring records rules board solver puzzles kit media"
)
bad=0
for folder in "${!uses[@]}"; do
  [ -d "$src/$folder" ] || continue
  while IFS=: read -r file _ include; do
    used=$(sed -E 's/.*#include "([a-z_]+)\/.*/\1/' <<<"$include")
    if [[ " ${uses[$folder]} " != *" $used "* ]]; then
      echo "$file includes from $used/, above $folder/"
      bad=1
    fi
  done < <(grep -rn --include='*.h' --include='*.cpp' -E '^#include "[a-z_]+/' "$src/$folder" || true)
done
for folder in "$src"/*/; do
  name=$(basename "$folder")
  [ -n "${uses[$name]+set}" ] || { echo "src/$name/ has no place in the layering"; bad=1; }
done
exit $bad
