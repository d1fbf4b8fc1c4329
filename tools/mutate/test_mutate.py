#!/usr/bin/env python3
"""Which mutation points the finder takes and which it must leave alone (text in comments,
literals and directives, template brackets, pointers, unary signs, floats), and the failed
tests read from ctest's summary.  Run: python3 tools/mutate/test_mutate.py"""
import sys
import unittest

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
from mutate import failed_tests, find_points, mutated  # noqa: E402

CASES = [
    # (source, the points expected as "orig>repl kind", in order)
    ("int f(int a) { return a < 3; }", ["<><= rel", "3>4 int"]),
    ("bool g(bool x) { return x && true; }", ["&&>|| logic", "true>false bool"]),
    ("x = a - b * c / d;", ["->+ arith", "*>/ arith", "/>* arith"]),
    ("x += 1'000 * 0644;", ["+=>-= arith", "1'000>1001 int", "*>/ arith", "0644>0645 int"]),
    ('auto s = "a < b" + std::string("1");', []),
    ("char c = '<'; char d = '1';", []),
    ("q = '\"' + '\\'' + 1;", ["+>- arith", "+>- arith", "1>2 int"]),
    ("// a < b + 1\n/* c == 2 */ int q;\ns = /*x*/\"a + 1\";", []),
    ('#include "x1.h"\n#define N 2 + 3\n', []),
    ('auto r = R"x(a < 1 ")" == 2)x";\nauto t = u8R"(say "n = 1 + 2" now)";', []),
    ("double d = 1.5e-3 + 0.25 + 0x1F;", ["+>- arith", "+>- arith"]),
    ("std::vector<int> v; int* p = &q; y = -x; p->z;", []),
    ("static_assert(N > 2);\ntemplate <int N> int h();", []),
    ("if (ok)\n    save(a, b);\nwork(1) + 2;", ["save(a, b);>{} delcall", "1>2 int", "+>- arith",
                                                  "2>3 int"]),
    ("f(a,\n  g(b));\nif (x)\n    return;", []),
    ("x = a == b;\nQ_EMIT changed();\nMACRO(x);\n", ["==>!= eq"]),
]


class FindPoints(unittest.TestCase):
    def test_cases(self):
        for src, want in CASES:
            with self.subTest(src=src):
                got = [f"{p['orig']}>{p['repl']} {p['kind']}" for p in find_points("a.cpp", src)]
                self.assertEqual(got, want)

    def test_position_and_mutation(self):
        src = "int a;\n// x\n  y = a >= 2;\n"
        p = find_points("src/a.cpp", src)[0]
        self.assertEqual(p["id"], "src/a.cpp:3:9:rel")
        self.assertEqual(mutated(src, p), "int a;\n// x\n  y = a > 2;\n")


class FailedTests(unittest.TestCase):
    def test_ctest_summary(self):
        out = ("  3/9 Test  #3: A.b ......***Failed    0.01 sec\n"
               "The following tests FAILED:\n"
               "\t  3 - A.b (Failed)\n"
               "\t 12 - P/S.Match/c_d  # GetParam() = \"c (d)\" (Timeout)\n"
               "\t 40 - hostile.rates (SEGFAULT)\n"
               "Errors while running CTest\n")
        self.assertEqual(failed_tests(out), [("A.b", "Failed"), ("P/S.Match/c_d", "Timeout"),
                                             ("hostile.rates", "SEGFAULT")])


if __name__ == "__main__":
    unittest.main()
