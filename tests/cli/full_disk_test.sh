#!/usr/bin/env bash
# Saves and printouts on a really full disk: a small file system is mounted in a private mount
# namespace, filled up, and then written to through selvane-cli. Every write must fail as a
# whole: the previous file stays byte for byte, no temporary file is left, the state is unchanged.
# Exits 77 (skipped) where no file system can be mounted here.
set -uo pipefail

if [ "${1:-}" != "--inside" ]; then
    cli=$1
    for how in "unshare -m" "unshare -rm"; do
        if $how true 2>/dev/null; then exec $how bash "$0" --inside "$cli"; fi
    done
    echo "SKIP: no private mount namespace can be made here (needs root or user namespaces)"
    exit 77
fi
cli=$2
disk=$(mktemp -d)
keep=$(mktemp -d)
trap 'umount "$disk" 2>/dev/null; rm -rf "$disk" "$keep"' EXIT
if ! mount -t tmpfs -o size=512k tmpfs "$disk" 2>/dev/null; then
    echo "SKIP: a small file system cannot be mounted here"
    exit 77
fi

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
run() { # a script on standard input; its dumps on standard output
    "$cli" || fail "selvane-cli exited $? on: $1"
}
# Fills the disk until at most $1 KiB are free (0: to the last byte).
fill() {
    rm -f "$disk/fill"
    if [ "$1" -eq 0 ]; then
        dd if=/dev/zero of="$disk/fill" bs=1k status=none 2>/dev/null
    else
        local free=$(($(stat -f -c '%a*%S' "$disk") / 1024 - $1))
        dd if=/dev/zero of="$disk/fill" bs=1k count="$free" status=none
    fi
}
only() { # the disk holds exactly these names
    local have
    have=$(cd "$disk" && ls -A | sort | tr '\n' ' ')
    [ "$have" = "$* " ] || fail "the disk holds '$have', expected '$* '"
}

# 1. A small scenario file, the disk full to the last byte: Save As and Save after Open.
printf 'saveas %s\n' "$disk/target.fin" | run "first save"
cp "$disk/target.fin" "$keep/target.fin"
fill 0
state=$(printf 'type 0 5\nopen %s\ntype 0 9\ndump\n' "$disk/target.fin" | run "open")
after=$(printf 'type 0 5\nopen %s\ntype 0 9\ndump\nsaveas %s\nsave %s\ndump\n' \
    "$disk/target.fin" "$disk/target.fin" "$disk/target.fin" | run "saves on a full disk" \
    2>"$keep/err")
# Nothing changes but the record of the last write, and both failures are told.
said="could not write $disk/target.fin: No space left on device"
[ "$(cat "$keep/err")" = "selvane-cli: line 5: $said"$'\n'"selvane-cli: line 6: $said" ] ||
    fail "standard error says '$(cat "$keep/err")'"
last="\"lastWrite\":{\"path\":\"$disk/target.fin\",\"ok\":false,\"reason\":\"No space left on device\"}}"
[[ "$after" == *"$last" ]] || fail "the dump ends '${after: -120}'"
[ "${after%"$last"}" = "$state"$'\n'"${state%'"lastWrite":null}'}" ] ||
    fail "a failed save changed the state"
cmp -s "$disk/target.fin" "$keep/target.fin" || fail "the scenario file changed on a full disk"
only fill target.fin

# 2. A long printout replaced while the disk has room for only part of the new one: the write
#    fails half way through, or at its first byte.
rm -f "$disk/fill" "$disk/target.fin"
long=$'clear 5\ntype 5 1500\nenter 5\n'
printf '%sprint %s\n' "$long" "$disk/report.txt" | run "first printout"
size=$(stat -c %s "$disk/report.txt")
[ "$size" -gt 100000 ] || fail "the first printout has only $size bytes"
cp "$disk/report.txt" "$keep/report.txt"
for room in 32 4 0; do
    fill $room
    printf '%stype 0 1\nenter 0\nprint %s\n' "$long" "$disk/report.txt" | run "printout"
    cmp -s "$disk/report.txt" "$keep/report.txt" || fail "the printout changed with $room KiB free"
    only fill report.txt
done

# 3. A short printout (it fits in one buffer of the writer) on a disk full to the last byte.
rm -f "$disk/fill"
printf 'print %s\n' "$disk/short.txt" | run "short printout"
cp "$disk/short.txt" "$keep/short.txt"
fill 0
printf 'type 0 1\nenter 0\nprint %s\n' "$disk/short.txt" | run "short printout, disk full"
cmp -s "$disk/short.txt" "$keep/short.txt" || fail "the short printout changed on a full disk"
only fill report.txt short.txt
rm -f "$disk/short.txt"

# 4. A PDF printout replaced on a full disk, and a new one: the old file, or none.
rm -f "$disk/fill"
printf 'print %s\n' "$disk/report.pdf" | run "PDF printout"
[ -s "$disk/report.pdf" ] || fail "the first PDF was not written"
cp "$disk/report.pdf" "$keep/report.pdf"
for room in 8 0; do
    fill $room
    printf 'type 0 1\nenter 0\nprint %s\nprint %s\n' "$disk/report.pdf" "$disk/new.pdf" |
        run "PDF printout, disk full"
    cmp -s "$disk/report.pdf" "$keep/report.pdf" || fail "the PDF changed with $room KiB free"
    only fill report.pdf report.txt
done
rm -f "$disk/report.pdf"

# 5. The same printout to a new name: no file at all.
printf '%sprint %s\n' "$long" "$disk/new.txt" | run "new printout on a full disk"
only fill report.txt

# 6. With room again, the same commands write: the disk was what stopped them.
rm -f "$disk/fill"
printf '%stype 0 1\nenter 0\nprint %s\nsaveas %s\n' "$long" "$disk/report.txt" \
    "$disk/target.fin" | run "writes with room"
cmp -s "$disk/report.txt" "$keep/report.txt" && fail "the printout was not replaced with room"
[ -s "$disk/target.fin" ] || fail "the scenario was not written with room"

# 7. An offers file replaced on a full disk keeps its offers, and reads back as it was; a new
#    workbook of the offers is not written at all.
rm -f "$disk/report.txt" "$disk/target.fin"
printf 'offer A amount=1000 apr=5 payments=12\nsaveoffers %s\n' "$disk/a.offers" | run "offers"
cp "$disk/a.offers" "$keep/a.offers"
fill 0
printf 'offer B amount=2000 apr=6 payments=24 upfront=50\nsaveoffers %s\nexportoffers %s\n' \
    "$disk/a.offers" "$disk/a.xlsx" | run "offers on a full disk" 2>"$keep/err"
grep -q "could not write $disk/a.offers: No space left on device" "$keep/err" ||
    fail "the failed offers save was not told: $(cat "$keep/err")"
cmp -s "$disk/a.offers" "$keep/a.offers" || fail "the offers file changed on a full disk"
only a.offers fill
back=$(printf 'openoffers %s\noffer C amount=1 apr=1 payments=1\ndump\n' "$disk/a.offers" | run "open")
[[ "$back" == *'"offers":[{"name":"A",'*'{"name":"C",'* && "$back" != *'"name":"B"'* ]] ||
    fail "the offers read back are not the old file's"

if [ "$failures" -ne 0 ]; then exit 1; fi
echo "full disk: every failed write left the old files and the state as they were"
