#!/usr/bin/env bash
# Replacing a file on a real file system, with real kills and real refusals:
#  - an export of a million rows to a file with a second (hard) name, killed with SIGKILL at 20
#    random instants: each name holds its old contents or the whole new export, the second name
#    always the old ones, and no temporary file is left beside them, but for the whole new export
#    under its hidden name when the kill fell between its naming and its rename over the old;
#  - the same export to a new file, killed at 5 random instants: the name holds the whole export or
#    is not there, and no temporary file is left;
#  - a name of 255 bytes, the longest a name may be, is written; links and permissions survive;
#  - writes that cannot be done (a read-only folder or file, /dev/full, a folder, a pipe or a link
#    to one, a link to nothing or to itself, a name too long) leave the old file, and selvane-cli says why on standard error and
#    in the dump's lastWrite, and goes on with the script;
#  - an ordinary user's new file and replaced file (run as root, the test writes as nobody), also
#    where the kernel makes them name the file through /proc (given a preloaded library, the second
#    argument, that makes linkat answer as older kernels do), and on a file system without unnamed
#    files (the third argument, a preloaded open that refuses O_TMPFILE).
set -uo pipefail
cli=$(realpath "$1")
refuse_empty_path_link=${2:+$(realpath "$2")}
no_tmpfile=${3:+$(realpath "$3")}
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
temporaries() { find "$work" -name '.sv-*' | wc -l; }

# A million payments at 0 %: every row is written, none overflows.
long=$'clear 0\ntype 0 0\nclear 5\ntype 5 1000000\ncalculate\n'
start=$(date +%s%N)
printf '%sexport %s\n' "$long" "$work/whole.csv" | "$cli" || fail "the reference export failed"
took=$((($(date +%s%N) - start) / 1000000)) # milliseconds
[ "$(wc -l <whole.csv)" -eq 1000001 ] || fail "the reference export has $(wc -l <whole.csv) lines"

# The export to FILE, killed at a random instant between its start and a little past its usual
# end: the delay (milliseconds) is left in $delay.
export_and_kill() {
    printf '%sexport %s\n' "$long" "$1" | "$cli" &
    local pid=$!
    delay=$((RANDOM % (took * 12 / 10 + 1)))
    sleep "$((delay / 1000)).$(printf '%03d' $((delay % 1000)))"
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

# 1. Kills of the replacement of a file with two names.
mkdir links
replaced=0
for kill in $(seq 1 20); do
    printf 'precious\n' >links/old.csv
    ln -f links/old.csv links/other.csv
    export_and_kill "$work/links/old.csv"
    cmp -s links/old.csv whole.csv && replaced=$((replaced + 1))
    if [ "$(cat links/old.csv)" != precious ] && ! cmp -s links/old.csv whole.csv; then
        fail "kill $kill after ${delay} ms: old.csv holds $(stat -c %s links/old.csv) bytes of neither"
    fi
    [ "$(cat links/other.csv)" = precious ] ||
        fail "kill $kill after ${delay} ms: the other name lost its contents"
    for left in "$work"/links/.sv-*; do
        [ -e "$left" ] || continue
        cmp -s "$left" whole.csv ||
            fail "kill $kill after ${delay} ms: a temporary file of $(stat -c %s "$left") bytes was left"
        rm -f "$left"
    done
    [ "$(temporaries)" -eq 0 ] || fail "kill $kill after ${delay} ms: a temporary file was left"
done

# 1b. Kills of a write to a new file: the name holds the whole export or nothing.
for kill in $(seq 1 5); do
    rm -f links/new.csv
    export_and_kill "$work/links/new.csv"
    [ ! -e links/new.csv ] || cmp -s links/new.csv whole.csv ||
        fail "new-file kill $kill after ${delay} ms: new.csv holds $(stat -c %s links/new.csv) bytes"
    [ "$(temporaries)" -eq 0 ] || fail "new-file kill $kill after ${delay} ms: a temporary file was left"
done

# 2. The longest name a file may have (255 bytes).
name=$(printf 'n%.0s' $(seq 1 251)).csv
printf 'export %s\n' "$work/$name" | "$cli" 2>err.txt || fail "the 255-byte export exited $?"
[ -s "$work/$name" ] || fail "a name of 255 bytes was not written: $(cat err.txt)"
[ -s err.txt ] && fail "a good write said: $(cat err.txt)"

# A script named on the command line is read with no standard input too: its descriptor is 0.
printf 'dump\n' >closed.txt
"$cli" closed.txt <&- >closed.out 2>err.txt || fail "a script read with stdin closed exited $?"
[ -s closed.out ] && [ ! -s err.txt ] || fail "a script read with stdin closed: $(cat err.txt)"

# 3. A symbolic link stays a link to the file it names, which is replaced; a file keeps its
#    permissions, and a new one gets the usual ones under the umask.
printf 'old\n' >real.fin && chmod 640 real.fin && ln -s real.fin soft.fin
(umask 022 && printf 'saveas %s\nsaveas %s\nsaveas %s\n' "$work/soft.fin" "$work/fresh.fin" \
    "$work/fresh2.fin" | "$cli") || fail "saves through a link exited $?"
[ -L soft.fin ] && [ "$(head -c 14 real.fin)" = '"PersonalLoan"' ] ||
    fail "the link or the file it names is not as it should be"
modes="$(stat -c %a real.fin) $(stat -c %a fresh.fin) $(stat -c %a fresh2.fin)"
[ "$modes" = "640 644 644" ] || fail "permissions are $modes"
# Root saving over a file another user owns leaves it theirs (only root can give a file away).
if [ "$(id -u)" -eq 0 ]; then
    printf 'old\n' >theirs.fin && chown 4242:4343 theirs.fin && chmod 640 theirs.fin
    printf 'saveas %s\n' "$work/theirs.fin" | "$cli" || fail "saving over another's file exited $?"
    owner="$(stat -c '%u:%g %a' theirs.fin)"
    [ "$owner" = "4242:4343 640" ] || fail "another user's file became $owner"
fi

# 4. Writes that cannot be done: the old file stays, the reason is told.
mkdir locked && printf 'precious\n' >locked/old.fin && chmod 555 locked
printf 'precious\n' >readonly.csv && chmod 444 readonly.csv
ln -s loop.csv loop.csv
mkfifo pipe
mkdir folder
ln -s nowhere/at/all dangling.csv
ln -s pipe to-pipe.csv
too=$(printf 'n%.0s' $(seq 1 252)).csv
check() { # command, path, reason
    local out err
    out=$(printf '%s %s\ndump\n' "$1" "$2" | "$cli" 2>err.txt) || fail "$1 $2 exited $?"
    err=$(cat err.txt)
    [ "$err" = "selvane-cli: line 1: could not write $2: $3" ] ||
        fail "$1 $2: standard error says '$err'"
    local want="\"lastWrite\":{\"path\":\"$2\",\"ok\":false,\"reason\":\"$3\"}}"
    [[ "$out" == *"$want" ]] || fail "$1 $2: the dump ends '${out: -160}'"
}
check saveas "$work/locked/old.fin" "Permission denied"
check export "$work/locked/new.csv" "Permission denied"
[ "$(cat locked/old.fin)" = precious ] || fail "the file in the read-only folder changed"
[ -e locked/new.csv ] && fail "a file was made in the read-only folder"
check export "$work/readonly.csv" "Permission denied"
[ "$(cat readonly.csv)" = precious ] || fail "the read-only file changed"
check export /dev/full "not a regular file"
check export "$work/loop.csv" "Too many levels of symbolic links"
check export "$work/to-pipe.csv" "not a regular file"
check print "$work/folder" "Is a directory"
check export "$work/pipe" "not a regular file"
check saveas "$work/dangling.csv" "No such file or directory"
check export "$work/$too" "File name too long"
check export-yearly "$work/no/such/folder/y.csv" "No such file or directory"
[ "$(temporaries)" -eq 0 ] || fail "a refused write left a temporary file"

# 5. A good write after a failed one: lastWrite follows the last write, and says nothing is wrong.
out=$(printf 'export %s\nsaveas %s\ndump\n' /dev/full "$work/good.fin" | "$cli" 2>err.txt)
[[ "$out" == *"\"lastWrite\":{\"path\":\"$work/good.fin\",\"ok\":true,\"reason\":null}}" ]] ||
    fail "after a good save the dump ends '${out: -120}'"
[ "$(wc -l <err.txt)" -eq 1 ] || fail "standard error holds $(wc -l <err.txt) lines, not 1"
out=$(printf 'dump\n' | "$cli")
[[ "$out" == *'"lastWrite":null}' ]] || fail "before any write lastWrite is '${out: -40}'"

# 6. An ordinary user, who may name a file by its descriptor only through /proc, writes a new file
#    and replaces an old one. (Run as root, the test writes as nobody, where setpriv is at hand.)
as_user=()
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    chmod 711 "$work"
    "${as_user[@]}" test -x "$cli" || as_user=() # a build in a folder only root may enter
fi
printf 'export %s\n' "$work/expected.csv" | "$cli"
# The kernel's own answer, then (with the preloaded libraries given) that of older kernels and
# that of a file system without unnamed files.
preloads=("")
[ -n "$refuse_empty_path_link" ] && preloads+=("$refuse_empty_path_link")
[ -n "$no_tmpfile" ] && preloads+=("$no_tmpfile")
for preload in "${preloads[@]}"; do
    rm -rf user && mkdir user && printf 'old\n' >user/old.csv
    [ ${#as_user[@]} -eq 0 ] || chown -R 65534:65534 user
    printf 'export %s\nexport %s\n' "$work/user/new.csv" "$work/user/old.csv" |
        LD_PRELOAD=$preload "${as_user[@]}" "$cli" 2>err.txt ||
        fail "the ordinary user's exports exited $? (preloaded: '$preload')"
    [ -s err.txt ] && fail "the ordinary user's exports said: $(cat err.txt) (preloaded: '$preload')"
    cmp -s user/new.csv expected.csv && cmp -s user/old.csv expected.csv ||
        fail "the ordinary user's new and replaced files are not the export (preloaded: '$preload')"
    [ "$(temporaries)" -eq 0 ] || fail "the ordinary user's writes left a temporary file"
done

if [ "$failures" -ne 0 ]; then exit 1; fi
echo "write safety: 20 kills ($replaced after the new export was in place), 5 of new files, a 255-byte name, 11 refused writes and an ordinary user's writes${as_user:+ (as nobody)}${refuse_empty_path_link:+, also through /proc}, all as they should be"
