#!/usr/bin/env bash
# selvane-cli started from a folder without help topics reads its own: the build tree's beside it,
# or an install's share/selvane/help beside its bin/. A topic in the working folder still wins.
set -uo pipefail
cli=$1
topics=$2 # the folder the build puts the topics in
work=$(mktemp -d)
install=$(mktemp -d)
trap 'rm -rf "$work" "$install"' EXIT
comments() { # the comments after clicking field 0's label, run from the working folder
  (cd "$work" && printf 'help 0\ndump\n' | "$1" |
    python3 -c 'import json,sys; print(json.loads(sys.stdin.readline())["comments"])')
}
expected=$(iconv -f CP1252 -t UTF-8 "$topics/APR.txt")
fail=0
[ "$(comments "$cli")" = "$expected" ] || { echo "FAIL: the build tree's topic is not shown"; fail=1; }

mkdir -p "$install/bin" "$install/share/selvane/help"
cp "$cli" "$install/bin/"
cp "$topics/APR.txt" "$topics/Startup.txt" "$install/share/selvane/help/"
[ "$(comments "$install/bin/$(basename "$cli")")" = "$expected" ] ||
  { echo "FAIL: an install's topic is not shown"; fail=1; }

printf 'Here' > "$work/APR.txt"
[ "$(comments "$install/bin/$(basename "$cli")")" = "Here" ] ||
  { echo "FAIL: the working folder's topic does not win"; fail=1; }
[ "$fail" -eq 0 ] && echo "help topics shown from every folder"
exit "$fail"
