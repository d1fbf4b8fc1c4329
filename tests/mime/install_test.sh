#!/usr/bin/env bash
# What `cmake --install` puts on a system for scenario files: the MIME package, the file icons
# its type names, and a desktop entry and metainfo that claim that type and take a file.
#   install_test.sh BUILD-DIR SOURCE-DIR
set -euo pipefail
build=$1
source=$2
type=application/x-selvane-scenario

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share

package=$share/mime/packages/selvane-scenario.xml
cmp -s "$package" "$source/resources/desktop/selvane-scenario.xml" ||
    fail "$package is not the project's MIME package"
mkdir -p "$prefix/home"
if XDG_DATA_HOME=$prefix/home XDG_DATA_DIRS=$share PKGSYSTEM_ENABLE_FSYNC=0 \
    update-mime-database "$share/mime" >"$prefix/said" 2>&1 && [ ! -s "$prefix/said" ]; then
    grep -qx "$type" "$share/mime/types" || fail "the installed package does not define $type"
else
    fail "update-mime-database on the install: $(cat "$prefix/said")"
fi

# The icon a file manager looks up for the type: the one the package names, else the type's
# name with "-" for "/".
icon=$(sed -n "s|^$type:||p" "$share/mime/icons" 2>/dev/null || true)
icon=${icon:-${type//\//-}}
svg=$share/icons/hicolor/scalable/mimetypes/$icon.svg
png=$share/icons/hicolor/48x48/mimetypes/$icon.png
[ -s "$svg" ] || fail "no scalable icon $svg"
file -b "$png" | grep -q '^PNG image data, 48 x 48,' || fail "$png is not a 48x48 PNG"

entry=$share/applications/selvane.desktop
grep -qx "MimeType=$type;application/x-selvane-offers;" "$entry" ||
    fail "the desktop entry does not claim $type and offers files"
grep -qE '^Exec=selvane .*%[fF]' "$entry" || fail "the desktop entry's Exec takes no file"
metainfo=$share/metainfo/selvane.metainfo.xml
for provided in $(sed -n 's|.*<mediatype>\(.*\)</mediatype>.*|\1|p' "$metainfo" || true); do
    grep -qx "$provided" "$share/mime/types" || fail "the metainfo provides unknown $provided"
done
for provides in $type application/x-selvane-offers; do
    grep -q "<mediatype>$provides</mediatype>" "$metainfo" ||
        fail "the metainfo does not provide $provides"
done

[ "$failures" -eq 0 ] || exit 1
echo "The install holds the scenario type, its icons, and an entry and metainfo that claim it"
