#!/usr/bin/env python3
"""The translator binary under resource limits.

    limits.py VHDL87C [unittest arguments, e.g. MemoryLimits]

MemoryLimits runs several inputs (deep nesting, wide expressions, many
declarations, a design with large pieces) under a range of address-space
limits (RLIMIT_AS, as `ulimit -v` sets it), from the least the program needs
to start to the most the input needs.  Every run must end with status 0 and
the same output as without a limit, or with status 1 and the memory message
on standard output and nothing of the translation before it (writing the
translation allocates nothing) -- or, for an input that fails anyway, the
same report as without a limit.  Never a signal, never a word of the C++
runtime ("terminate called ...") on the error stream.

FileSizeLimit runs translations into a file under a file-size limit
(RLIMIT_FSIZE, as `ulimit -f` sets it): a translation that does not fit is a
failed write, reported as such with status 1, not a kill by SIGXFSZ.

Environment:
  LIMITS_STEPS   runs per input in the memory sweep (default 100)
"""

import os
import resource
import signal
import subprocess
import sys
import tempfile
import unittest

BIN = None
STEPS = int(os.environ.get("LIMITS_STEPS", "100"))
MEMORY_MESSAGES = (b"MEMORY ERROR!!!!!\n", b"\n\nERROR: Cannot allocate memory for 'temp_string'...")
# The scanner's own messages for a buffer it could not get.
SCANNER_MEMORY = (b"out of dynamic memory", b"input buffer overflow")
KIB = 1024


def run(data, address_space=None, file_size=None, stdout=subprocess.PIPE):
    """Runs the translator on `data` under the given limits (bytes)."""
    def limit():
        if address_space is not None:
            resource.setrlimit(resource.RLIMIT_AS, (address_space, address_space))
        if file_size is not None:
            resource.setrlimit(resource.RLIMIT_FSIZE, (file_size, file_size))
    # The default action of SIGXFSZ must reach the child as it would from a
    # shell: Python itself ignores it, and an ignored signal stays ignored
    # across exec.
    previous = signal.signal(signal.SIGXFSZ, signal.SIG_DFL)
    try:
        p = subprocess.run([BIN], input=data, stdout=stdout, stderr=subprocess.PIPE,
                           preexec_fn=limit, timeout=120)
    finally:
        signal.signal(signal.SIGXFSZ, previous)
    return p.returncode, p.stdout, p.stderr


def deep_nesting():
    return b"signal s : integer := " + b"(" * 9000 + b"a" + b")" * 9000 + b";\n"


def wide_expressions():
    return (b"signal s : integer := a" + b" + a" * 70 + b";\n") * 2000


def many_declarations():
    body = b"".join(b"  signal s%d : bit_vector(7 downto 0);\n" % i for i in range(6000))
    return (b"entity e is end e;\narchitecture a of e is\n" + body +
            b"begin\n  s0 <= s1 and s2;\nend a;\n")


def large_pieces():
    # Processes whose bodies are long statement lists: fragments that hold
    # large pieces, nested a few levels deep.
    statements = b"".join(b"      x%d := x%d + %d;\n" % (i, i + 1, i) for i in range(400))
    process = (b"  p%d : process\n    variable x : integer;\n  begin\n"
               b"    if c = '1' then\n" + statements + b"    end if;\n    wait;\n  end process;\n")
    body = b"".join(process % i for i in range(12))
    return b"entity e is end e;\narchitecture a of e is\nbegin\n" + body + b"end a;\n"


class MemoryLimits(unittest.TestCase):
    least = None

    def least_to_start(self):
        """The smallest address space, to 64 KiB, in which a one-line design
        translates (found once)."""
        if MemoryLimits.least is None:
            MemoryLimits.least = self.bisect_least()
        return MemoryLimits.least

    def bisect_least(self):
        low, high = 256 * KIB, 256 * 1024 * KIB
        while high - low > 64 * KIB:
            middle = (low + high) // 2
            if run(b"entity e is end e;\n", address_space=middle)[0] == 0:
                high = middle
            else:
                low = middle
        return high

    def most_needed(self, data, expected, start):
        """The smallest address space, to 64 KiB, in which `data` translates
        as it does without a limit."""
        low, high = start, 4096 * 1024 * KIB
        while high - low > 64 * KIB:
            middle = (low + high) // 2
            if run(data, address_space=middle)[:2] == expected[:2]:
                high = middle
            else:
                low = middle
        return high

    def check(self, name, data, limit, expected, result):
        status, out, err = result
        what = "%s under %d KiB: status %s, %d bytes out (%r...%r), stderr %r" % (
            name, limit // KIB, status, len(out), out[:60], out[-60:], err[:300])
        self.assertGreaterEqual(status, 0, "killed by a signal: " + what)
        self.assertIn(status, (0, 1), what)
        self.assertNotIn(b"terminate", err, what)
        if status == 0:
            self.assertEqual(out, expected[1], "a translation that differs: " + what)
            self.assertEqual(err, expected[2], what)
            return "translated"
        if any(out.endswith(m) for m in MEMORY_MESSAGES):
            self.assertIn(out, MEMORY_MESSAGES, "output ahead of the memory message: " + what)
            self.assertRegex(err, rb"\A<stdin>:\d+:\d+: error: out of memory\n\Z", what)
            return "memory error"
        if err and any(m in err for m in SCANNER_MEMORY):
            self.assertEqual(out, b"", what)
            return "scanner's memory error"
        self.assertEqual(expected[0], 1, "a failure that is not the memory error: " + what)
        self.assertEqual((out, err), expected[1:], what)
        return "same report"

    def sweep(self, name, data):
        expected = run(data)
        self.assertIn(expected[0], (0, 1), "%s without a limit: %r" % (name, expected[2][:300]))
        low = self.least_to_start()
        high = self.most_needed(data, expected, low)
        outcomes = {}
        step = max(4 * KIB, (high + 256 * KIB - low) // STEPS)
        for limit in range(low, high + 256 * KIB, step):
            outcome = self.check(name, data, limit, expected, run(data, address_space=limit))
            outcomes[outcome] = outcomes.get(outcome, 0) + 1
        print("%s: %d..%d KiB in steps of %d KiB: %s" % (name, low // KIB, high // KIB, step // KIB, outcomes),
              file=sys.stderr)
        self.assertIn("translated", outcomes, name)

    def test_deep_nesting(self):
        self.sweep("deep nesting", deep_nesting())

    def test_wide_expressions(self):
        self.sweep("wide expressions", wide_expressions())

    def test_many_declarations(self):
        self.sweep("many declarations", many_declarations())

    def test_large_pieces(self):
        self.sweep("large pieces", large_pieces())


class FileSizeLimit(unittest.TestCase):
    def translate_into_file(self, data, file_size):
        with tempfile.TemporaryFile() as out:
            status, _, err = run(data, file_size=file_size, stdout=out)
            out.seek(0)
            return status, out.read(), err

    def test_translation_larger_than_the_limit(self):
        data = wide_expressions()
        status, full, _ = run(data)
        self.assertEqual(status, 0)
        self.assertGreater(len(full), 200 * KIB)
        status, out, err = self.translate_into_file(data, 100 * KIB)
        self.assertEqual(status, 1, "status %d (a signal when negative), stderr %r" % (status, err))
        self.assertEqual(err, b"vhdl87c: cannot write the output: File too large\n")
        self.assertLessEqual(len(out), 100 * KIB)
        self.assertEqual(out, full[:len(out)])

    def test_limit_at_the_translation_size(self):
        data = many_declarations()
        status, full, _ = run(data)
        self.assertEqual(status, 0)
        self.assertEqual(self.translate_into_file(data, len(full)), (0, full, b""))
        status, out, err = self.translate_into_file(data, len(full) - 1)
        self.assertEqual((status, err), (1, b"vhdl87c: cannot write the output: File too large\n"))
        self.assertEqual(out, full[:-1])

    def test_error_report_larger_than_the_limit(self):
        status, report, _ = run(b"entity e is port (a : in bit) end;\n")
        self.assertEqual(status, 1)
        self.assertIn(b"parse error", report)
        status, out, err = self.translate_into_file(b"entity e is port (a : in bit) end;\n", 10)
        self.assertEqual((status, err), (1, b"<stdin>:1:31: error: unexpected 'end' (--explain tells more)\n"
                                            b"vhdl87c: cannot write the output: File too large\n"))
        self.assertEqual(out, report[:10])


if __name__ == "__main__":
    BIN = os.path.abspath(sys.argv[1])
    unittest.main(argv=[sys.argv[0]] + sys.argv[2:], verbosity=2)
