#!/usr/bin/env bash
# A scenario file or help topic that turns into a pipe between the program's look at it and its
# open: Open and the help must give up at once (a pipe with no writer would block them for
# ever) and change nothing. The preloaded library makes the swap happen at the open every time.
set -uo pipefail
cli=$1
shim=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0

# Open: the file is a scenario while it is looked at, a pipe when it is opened.
"$cli" <<<"saveas $work/x.fin" || exit 1
mkfifo "$work/pipe"
before=$(printf 'dump\n' | "$cli")
after=$(printf 'open %s\ndump\n' "$work/x.fin" |
    SELVANE_SWAP_PATH="$work/x.fin" SELVANE_SWAP_FROM="$work/pipe" LD_PRELOAD="$shim" "$cli")
[ -p "$work/x.fin" ] || { echo "FAIL: the swap did not happen"; failures=1; }
[ "$after" = "$before" ] || { echo "FAIL: a pipe opened as a scenario changed the state"; failures=1; }

# Help: the topic is a pipe when the label's click opens it.
printf 'Annual rate.\r\n' >APR.txt
mkfifo pipe2
before=$(printf 'dump\n' | "$cli")
after=$(printf 'help 0\ndump\n' |
    SELVANE_SWAP_PATH=APR.txt SELVANE_SWAP_FROM=pipe2 LD_PRELOAD="$shim" "$cli")
[ -p APR.txt ] || { echo "FAIL: the swap of the topic did not happen"; failures=1; }
# Only the topic's name may change; the comments box keeps its text.
[ "$(sed 's/"helpTopic":"[^"]*"//' <<<"$after")" = "$(sed 's/"helpTopic":"[^"]*"//' <<<"$before")" ] ||
    { echo "FAIL: a pipe read as a help topic changed the comments"; failures=1; }
# Saving or printing onto a pipe, a plain one this time: nothing waits for a reader, and the
# pipe stays a pipe.
mkfifo out.fin out.txt
printf 'saveas %s\nprint %s\n' "$work/out.fin" "$work/out.txt" | "$cli" ||
    { echo "FAIL: saving onto a pipe failed the script"; failures=1; }
[ -p out.fin ] && [ -p out.txt ] || { echo "FAIL: a pipe was replaced by a file"; failures=1; }

[ "$failures" -eq 0 ] && echo "pipes swapped in at the open were refused at once"
exit "$failures"
