#!/usr/bin/env bash
# selvane-cli speaks English whatever the desktop's language: every recorded case and session gives
# the same output under German and French messages (the currency's locale kept) as under English,
# where the translated help topics lie beside the English ones.
set -uo pipefail
cli=$1
cases=$2
bin=$(dirname "$cli")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
[ -d "$bin/de" ] && [ -d "$bin/fr" ] || { echo "FAIL: no translated help topics in $bin"; exit 1; }
run() { # script, output, environment...
    local script=$1 out=$2
    shift 2
    (cd "$work" && rm -rf run && mkdir run && cp "$bin"/*.txt run/ && cp -r "$bin/de" "$bin/fr" run/ &&
        cd run && env -u LC_ALL -u LANGUAGE -u LC_MESSAGES "$@" "$cli" "$script" >"$out" 2>&1)
}
checked=0
for script in "$cases"/cases/*.script "$cases"/sessions/*.script; do
    run "$script" "$work/en" LANG=en_US.UTF-8
    for language in de_DE fr_FR; do
        run "$script" "$work/other" LANG=en_US.UTF-8 LC_MESSAGES=$language.UTF-8 \
            LANGUAGE=${language%_*}
        if ! cmp -s "$work/en" "$work/other"; then
            echo "FAIL: $(basename "$script") differs under $language:"
            diff "$work/en" "$work/other" | head -5
            exit 1
        fi
    done
    checked=$((checked + 1))
done
[ "$checked" -gt 20 ] || { echo "FAIL: only $checked scripts"; exit 1; }
# Money follows LC_ALL, then LC_MONETARY, then LANG, whatever the language of messages (the
# locales' no-break spaces read as spaces here).
money() { echo dump | env -u LC_ALL -u LANGUAGE -u LC_MESSAGES -u LC_MONETARY "$@" "$cli" |
    grep -o '"report":"  Starting Balance = [^\\]*' | sed 's/.*= //; s/\xc2\xa0/ /g; s/\xe2\x80\xaf/ /g'; }
for expected in '$20,000.00|LANG=de_DE.UTF-8 LC_MONETARY=en_US.UTF-8' \
    '20.000,00 €|LANG=en_US.UTF-8 LC_MONETARY=de_DE.UTF-8 LANGUAGE=fr' \
    '20 000,00 €|LANG=fr_FR.UTF-8 LC_MESSAGES=en_US.UTF-8' \
    '$20,000.00|LC_ALL=en_US.UTF-8 LC_MONETARY=de_DE.UTF-8'; do
    got=$(money ${expected#*|})
    [ "$got" = "${expected%%|*}" ] || { echo "FAIL: ${expected#*|} writes $got"; exit 1; }
done
echo "$checked scripts give the same output in English, German and French"
