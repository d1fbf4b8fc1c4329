#!/usr/bin/env python3
"""Runs languages_test in German or French and judges what it saw against the .ts files.

Usage: languages_check.py LANGUAGE TRANSLATIONS_DIR LANGUAGES_TEST

The .ts file must translate every message. The program, run under the language (LC_ALL and
SELVANE_TEST_LANGUAGE come from ctest), writes every text the window showed and every caption's
width and room. A text fails when one of its words is English: a word of the .ts file's English
sources, or a common English word, that no translation of the language uses. A caption fails
when it needs more room than it has before the next one (2 pixels kept between them).
"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

COMMON_ENGLISH = set("the of and to is for in on with at from by an or no not this that there be "
                     "are was it its as so".split())
WORD = re.compile(r"[^\W\d_]{2,}")


def words(text):
    return {w.lower() for w in WORD.findall(text or "")}


def main():
    language, translations, program = sys.argv[1:4]
    failures = []
    messages = ET.parse(os.path.join(translations, f"selvane_{language}.ts")).getroot().iter("message")
    english, translated, count = set(COMMON_ENGLISH), set(), 0
    for message in messages:
        count += 1
        source, translation = message.find("source").text, message.find("translation")
        if translation.get("type") or not (translation.text or "").strip():
            failures.append(f"no translation: {source!r}")
        english |= words(source)
        translated |= words(translation.text)
    english -= translated
    if count < 200:
        failures.append(f"only {count} messages in the {language} translation")

    with tempfile.NamedTemporaryFile(suffix=".txt") as shown:
        run = subprocess.run([program], env=dict(os.environ, SELVANE_SHOWN_TEXTS=shown.name))
        if run.returncode != 0:
            failures.append(f"{program} exited with {run.returncode}")
        lines = open(shown.name, encoding="utf-8").read().splitlines()
    texts = 0
    for line in lines:
        kind, where, text, *size = line.split("\t")
        if kind == "caption" and int(size[0]) + 2 > int(size[1]):
            failures.append(f"{where}: {text!r} needs {int(size[0]) + 2} pixels, has {size[1]}")
        if kind == "text" and words(text):
            texts += 1
            found = sorted(words(text) & english)
            if found:
                failures.append(f"{where}: {text!r} ({', '.join(found)})")
    if texts < 500:
        failures.append(f"only {texts} texts seen")
    for failure in dict.fromkeys(failures):
        print("FAIL:", failure)
    if failures:
        return 1
    print(f"{count} messages translated; {texts} shown texts in {language}, none English; "
          "every caption fits")
    return 0


if __name__ == "__main__":
    sys.exit(main())
