#!/usr/bin/env bash
# The scenario MIME type as a desktop sees it: the package file is built into a MIME database of
# its own (beside the freedesktop.org types, as on a real system), and that database must name
# the files selvane-cli really saves, in every mode, by their ".fin" and by their first line
# alone, while other texts stay plain text. Two readers of the database judge: Qt's (the probe)
# and GLib's (gio), which read the magic each their own way.
#   mime_database_test.sh MIME-XML MIME-PROBE SELVANE-CLI
set -euo pipefail
xml=$1
probe=$2
cli=$3
type=application/x-selvane-scenario
# The types every system has, from shared-mime-info.
fdo=/usr/share/mime/packages/freedesktop.org.xml
[ -f "$fdo" ] || { echo "FAIL: $fdo is missing (shared-mime-info)"; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
# The type GLib gives a file, as GNOME's file manager shows it.
gio_type() {
    gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'
}

mime=$tmp/share/mime
mkdir -p "$mime/packages" "$tmp/home" "$tmp/saved" "$tmp/bare"
cp "$fdo" "$xml" "$mime/packages/"
export XDG_DATA_HOME=$tmp/home XDG_DATA_DIRS=$tmp/share PKGSYSTEM_ENABLE_FSYNC=0
# update-mime-database leaves out a package file it cannot read and still exits 0: anything it
# says is the failure.
if ! update-mime-database "$mime" >"$tmp/said" 2>&1 || [ -s "$tmp/said" ]; then
    fail "update-mime-database: $(cat "$tmp/said")"
fi

grep -qx "$type" "$mime/types" || fail "the database has no $type"
grep -qE "^[0-9]+:$type:\*\.fin$" "$mime/globs2" || fail "globs2 has no *.fin for $type"
grep -qx "$type text/plain" "$mime/subclasses" || fail "$type is not a kind of text/plain"
grep -aqE "^\[[0-9]+:$type\]$" "$mime/magic" || fail "magic has no section for $type"

# One scenario saved by the program in each mode (the command-line names of the modes).
for mode in PersonalLoan Mortgage Lease Income Investment; do
    (cd "$tmp/saved" && printf 'mode %s\nsaveas %s.fin\n' "$mode" "$mode" | "$cli" >/dev/null)
    saved=$tmp/saved/$mode.fin
    if [ ! -s "$saved" ]; then
        fail "selvane-cli saved no scenario in mode $mode"
        continue
    fi
    first=$(head -n 1 "$saved")
    grep -aqF -- "$first" "$mime/magic" || fail "magic lacks the first line of a $mode scenario"
    cp "$saved" "$tmp/bare/$mode"
    [ "$("$probe" default "$saved")" = "$type" ] || fail "$mode.fin is not taken for $type"
    by_content=$("$probe" content "$tmp/bare/$mode")
    [ "$by_content" = "$type" ] || fail "a $mode scenario without .fin is taken for $by_content"
    by_gio=$(gio_type "$tmp/bare/$mode")
    [ "$by_gio" = "$type" ] || fail "gio takes a $mode scenario without .fin for $by_gio"
done
[ "$("$probe" name "$tmp/nowhere/plan.fin")" = "$type" ] || fail "the name plan.fin is not $type"

# An offers file Compare Offers saves, by its name and by its first line alone.
offers=application/x-selvane-offers
grep -qE "^[0-9]+:$offers:\*\.offers$" "$mime/globs2" || fail "globs2 has no *.offers"
(cd "$tmp/saved" && printf 'offer A amount=1000 apr=5 payments=12\nsaveoffers a.offers\n' |
    "$cli" >/dev/null)
[ "$("$probe" default "$tmp/saved/a.offers")" = "$offers" ] || fail "a.offers is not $offers"
cp "$tmp/saved/a.offers" "$tmp/bare/offers-without-ending"
[ "$("$probe" content "$tmp/bare/offers-without-ending")" = "$offers" ] ||
    fail "offers without .offers are not taken for $offers"
[ "$(gio_type "$tmp/bare/offers-without-ending")" = "$offers" ] ||
    fail "gio does not take offers without .offers for $offers"

# Texts that merely resemble a scenario's first line are not scenarios.
printf 'Mortgage payments for the house\r\nrent\r\n' >"$tmp/bare/notes"
printf '"Income","Rent"\r\n"1200","800"\r\n' >"$tmp/bare/budget"
printf ' "Mortgage"\r\n0\r\n' >"$tmp/bare/indented"
for other in notes budget indented; do
    by_content=$("$probe" content "$tmp/bare/$other")
    [ "$by_content" = text/plain ] || fail "the text $other is taken for $by_content"
    by_gio=$(gio_type "$tmp/bare/$other")
    [ "$by_gio" = text/plain ] || fail "gio takes the text $other for $by_gio"
done

[ "$failures" -eq 0 ] || exit 1
echo "The scenario and offers types build and name saved files by name and content"
