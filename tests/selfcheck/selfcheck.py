#!/usr/bin/env python3
"""Checks of the translator that need no expected output.

    selfcheck.py CHECK --bin VHDL87C [--twice SELFCHECK_TWICE] --source REPO [--corpus DIR]

CHECK is one of
  generated  every generated design file (fuzz/gen_vhdl.py, fixed seeds)
             lies within the grammar, so each must translate: status 0, a
             translation, nothing on the error stream;
  twice      the same input translated twice in one process gives the same
             result and the same bytes (selfcheck_twice);
  case       inputs that differ only in letter case give the same output and
             status, since the scanner folds case as it reads;
  stray      a valid file followed by a stray ";" fails at that token: exit
             status 1, the error report naming String:(;) with the line and
             column of the ";", and nothing of the translation; on the error
             stream, the one line that names the ";" at the same place.

The inputs are the golden-test inputs (tests/cases, tests/errors,
tests/driver/cases), generated files, and, when the real-world corpus lies
beside the checkout, an even sample of it.  SELFCHECK_SCALE (default 1) scales the number of generated
files and of corpus files; the sanitizer build uses a smaller one.
"""

import argparse
import os
import random
import subprocess
import sys
import tempfile

FAILURES = []


def fail(name, message):
    FAILURES.append(name)
    print("FAIL %s: %s" % (name, message))


def run(binary, data, args=()):
    """(status, stdout, stderr) of the translator on `data`."""
    p = subprocess.run([binary, *args], input=data, stdout=subprocess.PIPE,
                       stderr=subprocess.PIPE, timeout=300)
    return p.returncode, p.stdout, p.stderr


def case_args(path):
    """The arguments of a golden case, one per line of NAME.args."""
    args_file = path[:-4] + ".args"
    if not os.path.exists(args_file):
        return []
    with open(args_file, encoding="utf-8") as f:
        return f.read().splitlines()


def golden_inputs(source):
    found = []
    for group in ("cases", "errors", "driver/cases"):
        for folder, _, names in os.walk(os.path.join(source, "tests", group)):
            found += [os.path.join(folder, n) for n in names if n.endswith(".vhd")]
    return sorted(found)


def generated_inputs(source, folder, scale):
    sys.path.insert(0, os.path.join(source, "fuzz"))
    import gen_vhdl  # the generator of the fuzz seeds
    rules = gen_vhdl.read_grammar(os.path.join(source, "src", "parser.y"))
    paths = []
    # Small files with any unit, then larger files of several units.
    for seed, count, tokens, units in ((11, 120, 300, None), (12, 30, 4000, 6)):
        gen = gen_vhdl.Generator(rules, random.Random(seed), max_tokens=tokens)
        for i in range(max(1, int(count * scale))):
            path = os.path.join(folder, "gen-%d-%04d.vhd" % (seed, i))
            with open(path, "w", encoding="ascii", newline="") as f:
                f.write(gen.design_file(units))
            paths.append(path)
    return paths


def corpus_inputs(corpus, scale):
    if not corpus or not os.path.isdir(corpus):
        return []
    found = []
    for folder, _, names in os.walk(corpus):
        found += [os.path.join(folder, n) for n in names if n.endswith((".vhd", ".vhdl"))]
    found.sort()
    want = max(1, int(150 * scale))
    step = max(1, len(found) // want)
    return found[::step][:want]


def read(path):
    with open(path, "rb") as f:
        return f.read()


def swap_case(data, rng):
    """The same bytes with the ASCII letters in another case: all upper, or
    each letter flipped at random."""
    if rng.random() < 0.5:
        return data.upper()  # bytes.upper touches ASCII letters only
    return bytes(c ^ 0x20 if (65 <= c <= 90 or 97 <= c <= 122) and rng.random() < 0.5 else c
                 for c in data)


def check_generated(opts, inputs):
    for path in inputs["generated"]:
        status, out, err = run(opts.bin, read(path))
        if status != 0 or not out.endswith(b"\n") or err:
            fail(os.path.basename(path), "status %d, stderr %r, stdout ends %r"
                 % (status, err[:200], out[-300:]))
    return len(inputs["generated"])


def check_twice(opts, inputs):
    files = inputs["golden"] + inputs["generated"] + inputs["corpus"]
    p = subprocess.run([opts.twice, *files], stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                       timeout=600)
    sys.stdout.write(p.stdout.decode(errors="replace"))
    if p.returncode != 0:
        fail("twice", p.stderr.decode(errors="replace")[-3000:])
    return len(files)


def check_case(opts, inputs):
    rng = random.Random(5)
    files = inputs["golden"] + inputs["generated"] + inputs["corpus"]
    for path in files:
        data = read(path)
        args = case_args(path)
        if "--relaxed" in args and b"\\" in data:
            continue  # an extended identifier keeps its case in the relaxed reading
        if "--explain" in args:
            continue  # --explain warns of upper case in a literal, which folding loses
        base = run(opts.bin, data, args)
        for variant in (swap_case(data, rng), data.upper()):
            got = run(opts.bin, variant, args)
            if got != base:
                fail(path, "a change of letter case changes the output: status %d/%d, %d/%d bytes"
                     % (base[0], got[0], len(base[1]), len(got[1])))
                break
    return len(files)


def stray_position(data, tail):
    """Line and column just after the ";" that ends data + tail."""
    text = data + tail
    line = text.count(b"\n") + 1
    column = 0
    for c in text[text.rfind(b"\n") + 1:]:
        column = column + 8 - column % 8 if c == 9 else column + 1
    return line, column


def check_stray(opts, inputs):
    tails = [b";", b"   ;", b"\t;", b" \t ;", b"\n\n;"]
    checked = 0
    files = inputs["golden"] + inputs["generated"] + inputs["corpus"]
    for i, path in enumerate(files):
        if case_args(path):
            continue  # options change what is printed
        data = read(path)
        status, _, _ = run(opts.bin, data)
        if status != 0:
            continue  # only inputs that translate
        # The ";" stands on a line of its own, after any comment of the last line.
        tail = (b"" if data.endswith(b"\n") else b"\n") + tails[i % len(tails)]
        line, column = stray_position(data, tail)
        expected = (b"\nERROR:'parse error' in your Source Code!!!!\n"
                    b"String:(;) Line:%d Column:%d\n" % (line, column))
        line_on_stderr = b"<stdin>:%d:%d: error: unexpected ';' (--explain tells more)\n" % (line, column)
        got = run(opts.bin, data + tail)
        if got != (1, expected, line_on_stderr):
            fail(path, "with a stray ';' at line %d column %d: status %d, stdout %r, stderr %r"
                 % (line, column, got[0], got[1][:300], got[2][:200]))
        checked += 1
    if checked < len(inputs["generated"]):
        fail("stray", "only %d valid inputs" % checked)
    return checked


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("check", choices=["generated", "twice", "case", "stray"])
    ap.add_argument("--bin", required=True)
    ap.add_argument("--twice")
    ap.add_argument("--source", required=True)
    ap.add_argument("--corpus")
    opts = ap.parse_args()
    scale = float(os.environ.get("SELFCHECK_SCALE", "1"))
    with tempfile.TemporaryDirectory() as tmp:
        inputs = {
            "golden": golden_inputs(opts.source),
            "generated": generated_inputs(opts.source, tmp, scale),
            "corpus": corpus_inputs(opts.corpus, scale),
        }
        checker = {"generated": check_generated, "twice": check_twice,
                   "case": check_case, "stray": check_stray}[opts.check]
        n = checker(opts, inputs)
    print("%s: %d inputs (%d golden, %d generated, %d from the corpus), %d failed"
          % (opts.check, n, len(inputs["golden"]), len(inputs["generated"]),
             len(inputs["corpus"]), len(FAILURES)))
    return 1 if FAILURES else 0


if __name__ == "__main__":
    sys.exit(main())
