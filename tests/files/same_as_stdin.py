#!/usr/bin/env python3
"""Each design translated in file mode exactly as from standard input: the
same translation, the same -DEBUG prints, the same messages (named after
the file) and the same outcome, whatever came before it in the run.

    same_as_stdin.py VHDL87C TESTS_DIR golden      the golden inputs, with their options
    same_as_stdin.py VHDL87C TESTS_DIR generated   a few hundred generated designs, some cut short"""
import glob
import importlib.util
import io
import os
import random
import re
import subprocess
import sys
import tempfile
from argparse import Namespace

OPTION_SETS = [(), ("-DEBUG",), ("--explain",), ("--relaxed",), ("--relaxed", "--explain"), ("-j", "2"),
               ("--explain", "-j", "3"), ("--annotate",)]


def run(bin_, args, stdin=None, cwd=None):
    p = subprocess.run([bin_, *args], stdin=stdin, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                       cwd=cwd, timeout=600)
    return p.returncode, p.stdout, p.stderr


def echo(args):
    return b"".join(b"(%d): %s\n" % (i, a.encode()) for i, a in enumerate(args, 1))


def compare(bin_, folder, names, options):
    """Runs `names` (below `folder`) in one file-mode run and each alone
    from standard input; returns the differences found."""
    faults = []
    expected_err = b""
    failed = []
    expected = {}
    warnings = 0
    for name in names:
        # As vhdl87c OPTIONS < FILE: standard input the file itself.
        with open(os.path.join(folder, name), "rb") as f:
            status, out, err = run(bin_, list(options), f)
        err = err[len(echo(options)):]
        expected[name] = (status, out)
        expected_err += err.replace(b"<stdin>:", name.encode() + b":")
        warnings += len(re.findall(rb"^<stdin>:\d+:\d+: warning: ", err, re.M))
        warnings += sum(int(n) for n in re.findall(rb"^<stdin>: warning: (\d+) more ", err, re.M))
        if status != 0:
            failed.append(name)
    args = [*options, "-o", "out/", *names]
    status, out, err = run(bin_, args, cwd=folder)
    summary = b"vhdl87c: %d files: %d translated, %d not" % (len(names), len(names) - len(failed), len(failed))
    if failed:
        summary += b": " + ", ".join(failed[:10]).encode()
        if len(failed) > 10:
            summary += b" and %d more" % (len(failed) - 10)
    if "--explain" in options:
        summary += b"; %d warning%s of " % (warnings, b"" if warnings == 1 else b"s")
    elif len(failed) < len(names):
        summary += b"; --explain warns where the C text does not carry the VHDL\n"
    want_status = 1 if failed else 0
    if (status, out) != (want_status, b""):
        faults.append("%s: status %d (expected %d), output %r" % (options, status, want_status, out[:200]))
    if "--explain" in options and len(names) > 1:
        # The kinds are not in the text: the count of warnings is.
        err = re.sub(rb"(warnings? of )\d+ kinds?\n$", rb"\1", err)
    elif not summary.endswith(b"\n"):
        summary += b"\n"
    if len(names) == 1:
        summary = b""  # the summary comes after several files
    if err != echo(args) + expected_err + summary:
        got, want = err.splitlines(), (echo(args) + expected_err + summary).splitlines()
        first = next((i for i in range(min(len(got), len(want))) if got[i] != want[i]), min(len(got), len(want)))
        faults.append("%s: error stream differs at line %d: %r, expected %r" %
                      (options, first + 1, got[first:first + 1], want[first:first + 1]))
    for name in names:
        output = os.path.join(folder, "out", os.path.splitext(name)[0] + ".c")
        status, text = expected[name]
        if status == 0:
            if not os.path.exists(output):
                faults.append("%s %s: no output" % (options, name))
                continue
            with open(output, "rb") as f:
                if f.read() != text:
                    faults.append("%s %s: the output differs from the translation of standard input" %
                                  (options, name))
        elif os.path.exists(output):
            faults.append("%s %s: rejected, yet an output was left" % (options, name))
    return faults


def golden(bin_, tests):
    """The golden inputs, grouped by their options (help and version left out)."""
    groups = {}
    for case in sorted(glob.glob(os.path.join(tests, "cases/*/*.vhd")) +
                       glob.glob(os.path.join(tests, "errors/*/*.vhd"))):
        args_file = case[:-4] + ".args"
        args = ()
        if os.path.exists(args_file):
            with open(args_file) as f:
                args = tuple(line.rstrip("\n") for line in f if line.strip())
        if any(a in ("-h", "--help", "--version") for a in args):
            continue
        groups.setdefault(args, []).append(case)
    faults = []
    for args, cases in groups.items():
        with tempfile.TemporaryDirectory() as folder:
            names = []
            for case in cases:
                name = os.path.relpath(case, tests)
                os.makedirs(os.path.join(folder, os.path.dirname(name)), exist_ok=True)
                with open(case, "rb") as src, open(os.path.join(folder, name), "wb") as dst:
                    dst.write(src.read())
                names.append(name)
            faults += compare(bin_, folder, names, args)
            for extra in OPTION_SETS:
                if extra != args:
                    subprocess.run(["rm", "-rf", os.path.join(folder, "out")], check=True)
                    faults += compare(bin_, folder, names, extra)
    return faults, sum(len(c) for c in groups.values())


def generated(bin_, tests, count=300):
    """`count` designs of bench/gen.py, every shape, small sizes, a fifth of
    them cut short (a rejection), some with characters no token starts with."""
    spec = importlib.util.spec_from_file_location("gen", os.path.join(tests, "..", "bench", "gen.py"))
    gen = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(gen)
    rng = random.Random(28)
    shapes = sorted(gen.SHAPES)
    with tempfile.TemporaryDirectory() as folder:
        names = []
        for i in range(count):
            shape = shapes[i % len(shapes)]
            opts = Namespace(depth=rng.randint(1, 40), count=1, n=None)
            text = io.StringIO()
            gen.render(shape, rng.randint(1, 12), i + 1, opts, text)
            data = text.getvalue().encode()
            if i % 5 == 4:
                data = data[:rng.randint(0, len(data))]
            if i % 7 == 3:
                at = rng.randint(0, len(data))
                data = data[:at] + b" ` " + data[at:]
            name = "d%d/%s_%03d.vhd" % (i % 9, shape, i)
            os.makedirs(os.path.join(folder, os.path.dirname(name)), exist_ok=True)
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)
            names.append(name)
        faults = []
        for options in OPTION_SETS:
            subprocess.run(["rm", "-rf", os.path.join(folder, "out")], check=True)
            faults += compare(bin_, folder, names, options)
    return faults, count


def main():
    bin_, tests, which = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]), sys.argv[3]
    faults, designs = (golden if which == "golden" else generated)(bin_, tests)
    for fault in faults[:40]:
        print(fault)
    print("%d designs, %d option sets, %d faults" % (designs, len(OPTION_SETS), len(faults)))
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
