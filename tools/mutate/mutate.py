#!/usr/bin/env python3
"""Mutation testing for Selvane: how many small planted faults do the tests catch?

One mutant at a time: change one operator, constant or call in a source file, rebuild the
listed targets incrementally, run ctest, classify the mutant, and put the file back byte for
byte.  See tools/mutate/README.md.  Python 3 standard library only.
"""
import argparse
import hashlib
import json
import os
import random
import re
import signal
import subprocess
import sys
import time
from pathlib import Path


def mask(text):
    """text with comments, the insides of string and character literals and preprocessor
    lines turned into spaces (newlines and quotes kept), so offsets still match text."""
    out, i, n = list(text), 0, len(text)
    while i < n:
        c = text[i]
        if c == "#":  # a directive (code has no other '#'), with its continued lines
            j = i
            while j < n and not (text[j] == "\n" and text[j - 1] != "\\"):
                j += 1
            a, b, i = i, j, j
        elif text.startswith(("//", "/*"), i):
            end = "\n" if text[i + 1] == "/" else "*/"
            j = text.find(end, i + 2)
            j = n if j < 0 else j + len(end.strip())
            a, b, i = i, j, j
        elif c == '"' and re.search(r"(?<!\w)(u8|[uUL])?R$", text[max(0, i - 4):i]):
            m = re.match(r'"([^()\\\s]{0,16})\(', text[i:])
            end = ")" + (m.group(1) if m else "") + '"'
            j = text.find(end, i)
            j = n if j < 0 else j + len(end) - 1  # the closing quote
            a, b, i = i + 1, j, j + 1
        elif c == '"' or (c == "'" and not re.search(r"\b\d[\w']*$", text[max(0, i - 40):i])):
            j = i + 1  # a literal; a quote inside a number (1'000) separates digits
            while j < n and text[j] not in (c, "\n"):
                j += 2 if text[j] == "\\" else 1
            a, b, i = i + 1, j, j + 1
        else:
            i += 1
            continue
        for k in range(a, min(b, n)):
            if out[k] != "\n":
                out[k] = " "
    return "".join(out)


# Binary operators are taken only with a blank on each side: in clang-formatted code that
# leaves out template brackets, pointers, references, unary signs and '->'.
SWAP = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "==", "&&": "||",
        "||": "&&", "+": "-", "-": "+", "*": "/", "/": "*", "+=": "-=", "-=": "+=", "*=": "/=",
        "/=": "*="}
KIND = {"<": "rel", "<=": "rel", ">": "rel", ">=": "rel", "==": "eq", "!=": "eq",
        "&&": "logic", "||": "logic"}  # the rest: "arith"
OP_RE = re.compile(r"(?<=[ \t])(<=|>=|==|!=|\+=|-=|\*=|/=|&&|\|\||<|>|\+|-|\*|/)(?=[ \t\n])")
INT_RE = re.compile(r"(?<![\w.'])(?<![eEpP][-+])(\d[\d']*)[uUlLzZ]*(?![\w.'])")
BOOL_RE = re.compile(r"\b(true|false)\b")
CALL_RE = re.compile(r"^[ \t]*((?:::)?[A-Za-z_]\w*(?:(?:::|\.|->)[A-Za-z_~]\w*)*)\(", re.M)
NOT_CALLS = {"if", "for", "while", "switch", "return", "sizeof", "static_assert", "catch",
             "throw", "assert", "decltype", "alignof", "co_return", "delete"}


def close_paren(masked, i):
    """Index just after the bracket that closes masked[i], or -1."""
    depth = 0
    for j in range(i, len(masked)):
        depth += masked[j] in "([{"
        depth -= masked[j] in ")]}"
        if depth == 0:
            return j + 1
    return -1


def find_points(rel, text):
    """Every mutation point of one file: dicts with the offsets, the text replaced and its
    replacement, sorted by position."""
    masked = mask(text)
    points = []

    def add(start, end, repl, kind):
        ls = masked.rfind("\n", 0, start) + 1
        if masked[ls:].lstrip().startswith("static_assert"):
            return  # such a change either breaks the build or changes nothing
        line = text.count("\n", 0, start) + 1
        col = start - ls + 1
        points.append({"id": f"{rel}:{line}:{col}:{kind}", "file": rel, "line": line,
                       "col": col, "kind": kind, "start": start, "end": end,
                       "orig": text[start:end], "repl": repl})

    for m in OP_RE.finditer(masked):
        op = m.group(1)
        # '+' beside a string literal joins strings: '-' would not build.
        if op == "+" and '"' in (masked[:m.start()].rstrip()[-1:], masked[m.end():].lstrip()[:1]):
            continue
        add(m.start(), m.end(), SWAP[op], KIND.get(op, "arith"))
    for m in INT_RE.finditer(masked):
        digits = m.group(1).replace("'", "")
        octal = len(digits) > 1 and digits[0] == "0"
        add(m.start(1), m.end(1), f"0{int(digits, 8) + 1:o}" if octal else str(int(digits) + 1),
            "int")
    for m in BOOL_RE.finditer(masked):
        add(m.start(), m.end(), "false" if m.group(1) == "true" else "true", "bool")
    for m in CALL_RE.finditer(masked):
        name = m.group(1)
        if name in NOT_CALLS or name.split("::")[-1].isupper():
            continue  # keywords and macros
        end = close_paren(masked, m.end() - 1)
        rest = masked[end:].split("\n", 1)[0] if end > 0 else ""
        before = masked[:m.start(1)].rstrip()
        # A whole statement: the call alone up to its ';', after the end of another
        # statement, a block or a condition.
        if rest.strip() == ";" and (before[-1:] in (";", "{", "}", ")") or before.endswith("else")):
            add(m.start(1), end + rest.index(";") + 1, "{}", "delcall")
    points.sort(key=lambda p: (p["start"], p["end"]))
    return points


def mutated(text, p):
    return text[:p["start"]] + p["repl"] + text[p["end"]:]


def show(text, p):
    """The first changed line before and after, for the report."""
    ls = text.rfind("\n", 0, p["start"]) + 1
    before, after = (t[ls:].split("\n", 1)[0].strip() for t in (text, mutated(text, p)))
    return f"- {before}\n+ {after}"


def git(root, *args):
    r = subprocess.run(["git", "-C", str(root), *args], capture_output=True, text=True)
    return r.stdout if r.returncode == 0 else None


def changed_lines(root, rev, files):
    """{file: set of the line numbers that differ from git revision rev}"""
    out = git(root, "diff", "--relative", "-U0", "--no-color", rev, "--", *files)
    if out is None:
        sys.exit(f"mutate: git diff against {rev!r} failed")
    lines, cur = {}, None
    for ln in out.splitlines():
        if ln.startswith("+++ "):
            cur = ln[6:] if ln.startswith("+++ b/") else None  # None: the file was deleted
        m = re.match(r"@@ -\S+ \+(\d+)(?:,(\d+))? @@", ln)
        if m and cur:
            first = int(m.group(1))
            lines.setdefault(cur, set()).update(range(first, first + int(m.group(2) or 1)))
    return lines


def choose(a, points):
    """The mutants to run, in the order to run them."""
    if a.only:
        earlier = [json.loads(line) for line in open(a.only) if line.strip()]
        again = {r["id"] for r in earlier if r["status"] in ("survived", "timeout")}
        for gone in sorted(again - {p["id"] for p in points}):
            print(f"mutate: {gone} is no longer a mutation point (the file changed?)")
        sample = [p for p in points if p["id"] in again]
    else:
        sample = random.Random(a.seed).sample(points, min(a.mutants or len(points), len(points)))
    if a.order == "file":
        sample.sort(key=lambda p: (p["file"], p["start"]))
    return sample


SIGNALS = (signal.SIGINT, signal.SIGTERM, signal.SIGHUP)  # each stops the run like Ctrl+C


def run(cmd, cwd, timeout):
    """(return code, or None on a time-out; output).  The command runs in its own process
    group, which is killed on a time-out or when the run is stopped."""
    p = subprocess.Popen(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                         text=True, errors="replace", start_new_session=True)
    try:
        out = p.communicate(timeout=timeout)[0]
        return p.returncode, out
    except BaseException as e:
        try:
            os.killpg(p.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        out = p.communicate()[0]
        if isinstance(e, subprocess.TimeoutExpired):
            return None, out
        raise


def build(a):
    """cmake --build for the listed targets (all when none are listed)."""
    return run(["cmake", "--build", a.build, "-j", str(a.jobs)]
               + (["--target", *a.target] if a.target else []), ".", 3600)


def failed_tests(out):
    """[(test, why)] from ctest's list of failures: '  7 - Name  # comment (Failed)'."""
    return re.findall(r"^\s*\d+ - (\S+).*\(([^()]*)\)", out.split("tests FAILED:")[-1], re.M)


def test(a, timeout):
    """('killed' | 'survived' | 'timeout', names of the failed tests, output)."""
    # One failing test kills a mutant, so the run stops there; a survivor still runs them all.
    cmd = ["ctest", "-j", str(a.jobs), "--timeout", str(a.timeout), "--no-tests=error",
           "--stop-on-failure"]
    cmd += ["-E", a.E] if a.E else []
    rc, out = run(cmd, a.build, timeout)
    if rc is None:
        return "timeout", ["(the whole test run)"], out
    if rc == 0:
        return "survived", [], out
    failed = failed_tests(out)
    if failed and all(why == "Timeout" for _, why in failed):
        return "timeout", [t for t, _ in failed], out
    return "killed", [t for t, _ in failed] or [f"(ctest exit {rc})"], out


def mutate_one(a, p, path, original, state, suite_timeout):
    """Build and test one mutant: (status, failed tests).  The file is back as it was however
    this ends; until it is, state/ holds its original and a journal naming it."""
    change = mutated(original.decode(), p).encode()
    state.mkdir(exist_ok=True)
    (state / "original").write_bytes(original)
    mark = {"file": p["file"], "mutant": hashlib.sha256(change).hexdigest()}
    (state / "journal.new").write_text(json.dumps(mark))
    journal = (state / "journal.new").replace(state / "journal.json")  # whole or absent
    try:
        path.write_bytes(change)
        if build(a)[0] != 0:
            return "no-build", []
        return test(a, suite_timeout)[:2]
    finally:
        restore(path, original, journal)


def restore(path, original, journal):
    """Write the original back with the signals held, check it byte for byte, and only then
    drop the journal that says a file is mutated."""
    held = signal.pthread_sigmask(signal.SIG_BLOCK, SIGNALS)
    try:
        path.write_bytes(original)
        if path.read_bytes() != original:
            sys.exit(f"mutate: {path} did not restore; its original is in {journal.parent}")
        journal.unlink()
    finally:
        signal.pthread_sigmask(signal.SIG_SETMASK, held)


def recover(root, state):
    """Put back the file that a run killed outright (SIGKILL, power cut) left mutated, if it
    is still exactly the mutant; stop if someone changed it since."""
    journal = state / "journal.json"
    if not journal.exists():
        return
    j = json.loads(journal.read_text())
    path, original = root / j["file"], (state / "original").read_bytes()
    now = path.read_bytes() if path.exists() else b""
    if hashlib.sha256(now).hexdigest() == j["mutant"]:
        print(f"mutate: restoring {path}, left mutated by an interrupted run", file=sys.stderr)
    elif now != original:
        sys.exit(f"mutate: {path} changed after a run stopped while it was mutated; its "
                 f"original is {state / 'original'}; compare them, then delete {journal}")
    restore(path, original, journal)


def score(results):
    """'killed K, survived S, timeout T, did not build B: score P% (K of K+S+T)'"""
    n = {s: sum(r["status"] == s for r in results)
         for s in ("killed", "survived", "timeout", "no-build")}
    counted = n["killed"] + n["survived"] + n["timeout"]
    pct = f"{100 * n['killed'] / counted:.0f}%" if counted else "-"
    return (f"killed {n['killed']}, survived {n['survived']}, timeout {n['timeout']}, "
            f"did not build {n['no-build']}: score {pct} ({n['killed']} of {counted})")


def summary(results, minutes):
    print(f"\nmutate: {len(results)} mutants in {minutes:.1f} min")
    print(f"all: {score(results)}")
    for folder in sorted({os.path.dirname(r["file"]) for r in results}):
        print(f"  {folder}: {score([r for r in results if os.path.dirname(r['file']) == folder])}")
    survivors = [r for r in results if r["status"] in ("survived", "timeout")]
    if survivors:
        print("survivors (an equivalent change, or a fault no test looks for):")
    for r in survivors:
        print(f"  {r['id']} ({r['status']})\n    " + r["diff"].replace("\n", "\n    "))


def main():
    ap = argparse.ArgumentParser(description="Mutation testing with CMake and ctest; "
                                             "see tools/mutate/README.md.")
    add = ap.add_argument
    add("files", nargs="+", help="files or globs under --src, e.g. 'src/core/*.cpp'")
    add("--src", default=".", help="source tree (default: .)")
    add("--build", help="configured CMake build directory (needed unless --list)")
    add("--target", action="append", help="rebuild only this target (repeatable)")
    add("--jobs", type=int, default=2, help="build and test jobs (2)")
    add("-E", metavar="REGEX", help="ctest: leave out the tests matching REGEX")
    add("--timeout", type=int, default=60, help="seconds one test may take (60)")
    add("-n", "--mutants", type=int, default=0, help="how many to sample (0: all)")
    add("--seed", type=int, default=1, help="seed of the sample (1)")
    add("--order", choices=("file", "random"), default="file",
        help="run the sample by file and position, or in the sample's own random order")
    add("--kinds", help="only these kinds, from rel,eq,logic,arith,int,bool,delcall")
    add("--diff", metavar="REV", help="only lines changed since git revision REV")
    add("--only", metavar="RUN.jsonl", help="re-run the survivors of an earlier --json file")
    add("--json", metavar="PATH", help="write one JSON line per mutant here")
    add("--list", action="store_true", help="print the mutation points and stop")
    add("--allow-dirty", action="store_true",
        help="mutate files with uncommitted changes (a backup is kept all the same)")
    a = ap.parse_args()
    if not a.list and not a.build:
        ap.error("--build is needed unless --list")
    root = Path(a.src).resolve()
    files = sorted({str(f.relative_to(root)) for g in a.files for f in root.glob(g) if f.is_file()})
    if not files:
        sys.exit(f"mutate: no file matches {' '.join(a.files)} under {root}")
    state = Path(a.build).resolve() / "mutate-state" if a.build else None
    if state:
        recover(root, state)
    texts = {f: (root / f).read_bytes() for f in files}
    points = [p for f in files for p in find_points(f, texts[f].decode())]
    if a.diff:
        wanted = changed_lines(root, a.diff, files)
        points = [p for p in points if p["line"] in wanted.get(p["file"], ())]
    if a.kinds:
        points = [p for p in points if p["kind"] in a.kinds.split(",")]
    if a.list:
        for p in points:
            print(f"{p['id']}  {p['orig'].splitlines()[0][:50]!r} -> {p['repl']!r}")
        print(f"{len(points)} mutation points in {len(files)} files")
        return 0
    sample = choose(a, points)
    if not sample:
        sys.exit("mutate: no mutation point to run")
    # The files must match git, so that whatever happens `git checkout` gives them back.
    dirty = git(root, "status", "--porcelain", "--", *files)
    if dirty and not a.allow_dirty:
        sys.exit("mutate: these files have uncommitted changes (commit or stash them, or give "
                 "--allow-dirty):\n" + dirty)

    for s in SIGNALS:
        signal.signal(s, signal.default_int_handler)
    results, started = [], time.time()
    jsonl = open(a.json, "w") if a.json else None
    try:
        print(f"mutate: {len(points)} mutation points in {len(files)} files; running "
              f"{len(sample)} (seed {a.seed})", flush=True)
        rc, out = build(a)
        if rc != 0:
            sys.exit(out[-3000:] + "\nmutate: the unchanged sources do not build")
        status, failed, out = test(a, 24 * 3600)
        if status != "survived":
            sys.exit(out[-3000:] + f"\nmutate: the unchanged sources fail {failed}")
        took = time.time() - started
        print(f"mutate: the unchanged sources build and pass the tests ({took:.0f} s)", flush=True)
        for i, p in enumerate(sample, 1):
            path, original, t = root / p["file"], texts[p["file"]], time.time()
            if path.read_bytes() != original:
                sys.exit(f"mutate: {path} changed during the run; stopping")
            # A mutant that makes a test loop is stopped after three times the whole run.
            status, failed = mutate_one(a, p, path, original, state, 3 * took + 120)
            r = dict(p, status=status, failed=failed[:10], seconds=round(time.time() - t),
                     diff=show(original.decode(), p))
            results.append(r)
            if jsonl:
                jsonl.write(json.dumps(r) + "\n")
                jsonl.flush()
            why = f"  ({', '.join(failed[:3])})" if failed else ""
            print(f"[{i}/{len(sample)}] {status:8} {p['id']}  {p['orig'].splitlines()[0][:40]!r}"
                  f" -> {p['repl']!r}  {r['seconds']} s{why}", flush=True)
        print("mutate: rebuilding the restored sources", flush=True)
        build(a)
    except KeyboardInterrupt:
        print("\nmutate: stopped; the sources are restored", file=sys.stderr)
        return 130
    finally:
        for f in files:
            if (root / f).read_bytes() != texts[f]:
                print(f"mutate: WARNING {f} differs from its original", file=sys.stderr)
        if jsonl:
            jsonl.close()
        if results:
            summary(results, (time.time() - started) / 60)
    return 0


if __name__ == "__main__":
    sys.exit(main())
