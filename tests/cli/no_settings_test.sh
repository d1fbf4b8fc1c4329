#!/usr/bin/env bash
# selvane-cli keeps no list of recent files: opening and saving scenarios through it writes no
# settings anywhere under the home or configuration folders it is given.
set -uo pipefail
cli=$1
home=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$home" "$work"' EXIT
script="saveas $work/a.fin
open $work/a.fin
save
saveas $work/b.fin
open $work/b.fin
dump"
out=$(printf '%s\n' "$script" | HOME="$home" XDG_CONFIG_HOME="$home/config" \
      XDG_DATA_HOME="$home/data" XDG_CACHE_HOME="$home/cache" "$cli")
status=$?
if [ "$status" -ne 0 ]; then echo "FAIL: selvane-cli exited with $status"; exit 1; fi
if ! grep -q "b.fin" <<<"$out"; then echo "FAIL: the open did not happen: $out"; exit 1; fi
# Caches (fonts) may appear; settings may not.
left=$(find "$home" \( -path "$home/config*" -o -path "$home/.config*" -o -iname "*selvane*" \
       -o -name "*.conf" -o -name "*.ini" \) | head)
if [ -n "$left" ]; then echo "FAIL: selvane-cli wrote settings: $left"; exit 1; fi
echo "no settings written"
