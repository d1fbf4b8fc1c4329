#!/usr/bin/env bash
# scripts/check-layers passes on the sources as they are, and fails on a copy of them in which a
# file includes upwards or across (core including the calculator, the desktop including the cli).
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
bash "$repo/scripts/check-layers" "$repo/src" >/dev/null || { echo "FAIL: the sources break the layers"; exit 1; }
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
failures=0
for plant in "core/annuity.cpp:calculator/fincalc.h" "calculator/lists.cpp:desktop/qt_host.h" \
    "desktop/icons.cpp:cli/script.h" "cli/state_json.cpp:desktop/frm_fincalc.h" \
    "print/print_painter.cpp:calculator/fincalc.h"; do
    rm -rf "$copy/src" && cp -r "$repo/src" "$copy/src"
    file=${plant%%:*}
    header=${plant#*:}
    sed -i "1i #include \"$header\"" "$copy/src/$file"
    if bash "$repo/scripts/check-layers" "$copy/src" >/dev/null; then
        echo "FAIL: $file including $header was not caught"
        failures=1
    fi
done
[ "$failures" -eq 0 ] && echo "every planted include was caught"
exit "$failures"
