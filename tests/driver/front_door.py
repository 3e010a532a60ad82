#!/usr/bin/env python3
"""What a user meets before any translation: --version, the hint given when
standard input is a terminal, and how a failed write of the output ends.

    front_door.py VHDL87C VERSION GROUP     GROUP: Version, Terminal, Output

Exit status 77 when the group cannot run here (no pseudo-terminal)."""
import os
import select
import subprocess
import sys
import tempfile
import time
import unittest

BIN = None
VERSION = None
HINT = (b"vhdl87c: reading VHDL from the terminal (end with Ctrl-D); "
        b"to translate a file: vhdl87c < FILE > FILE.c\n")
DESIGN = b"""entity e is port (clk : in bit; q : out bit); end e;
architecture rtl of e is
begin
  p : process (clk)
  begin
    if clk = '1' then q <= not q; end if;
  end process;
end rtl;
"""


def echo(*args):
    """The echo of the arguments on the error stream."""
    return b"".join(b"(%d): %s\n" % (i, a.encode()) for i, a in enumerate(args, 1))


def unknown(arg):
    """The warning for an argument that starts with '-' and is no option."""
    return b"vhdl87c: warning: unknown option '%s' ignored\n" % arg.encode()


def not_read(arg):
    """The warning for an argument that is no option (a file name)."""
    return (b"vhdl87c: warning: '%s' ignored: the design is read from standard input "
            b"(vhdl87c < FILE > FILE.c)\n" % arg.encode())


# The line on the error stream for an empty input.
EMPTY_REJECTED = b"<stdin>:1:1: error: unexpected end of input (--explain tells more)\n"


def run(args=(), data=b"", stdin=None, stdout=subprocess.PIPE, timeout=60):
    """The program with `data` on a pipe (or `stdin`, a descriptor)."""
    p = subprocess.run([BIN, *args], input=None if stdin is not None else data,
                       stdin=stdin, stdout=stdout, stderr=subprocess.PIPE, timeout=timeout)
    return p.returncode, p.stdout, p.stderr


def version_text():
    return b"vhdl87c " + VERSION.encode() + b"\n"


class Version(unittest.TestCase):
    def run_with_open_input(self, args):
        """Standard input a pipe that never ends: a program that read it
        would wait until the timeout."""
        read_end, write_end = os.pipe()
        try:
            return run(args, stdin=read_end, timeout=20)
        finally:
            os.close(read_end)
            os.close(write_end)

    def test_version_and_licence_without_reading_input(self):
        status, out, err = self.run_with_open_input(["--version"])
        self.assertEqual((status, err), (0, echo("--version")))
        lines = out.split(b"\n")
        self.assertEqual(lines[0] + b"\n", version_text())
        self.assertIn(b"MIT License", lines[1])
        self.assertIn(b"the vhdl87c authors", lines[1])
        self.assertEqual(len(lines), 3, out)  # two lines, each ended

    def test_every_argument_echoed_first(self):
        status, out, err = self.run_with_open_input(["-DEBUG", "design.vhd", "--version"])
        self.assertEqual((status, err), (0, echo("-DEBUG", "design.vhd", "--version") +
                                         not_read("design.vhd")))
        self.assertTrue(out.startswith(version_text()), out)  # no traces

    def test_first_of_help_and_version_counts(self):
        _, help_text, _ = run(["--help"])
        self.assertTrue(help_text.startswith(b"\n\tOptions:"), help_text)
        status, out, _ = self.run_with_open_input(["--help", "--version"])
        self.assertEqual((status, out), (0, help_text))
        status, out, _ = self.run_with_open_input(["--version", "-h"])
        self.assertEqual(status, 0)
        self.assertTrue(out.startswith(version_text()), out)

    def test_only_the_whole_word(self):
        for arg in ("-version", "--Version", "--version=1", "-v"):
            status, out, err = run([arg], DESIGN)
            self.assertEqual((status, err), (0, echo(arg) + unknown(arg)), arg)
            self.assertEqual(out, run([], DESIGN)[1], arg)

    def test_unwritable_output(self):
        with open("/dev/full", "wb") as full:
            status, _, err = run(["--version"], stdout=full)
        self.assertEqual((status, err), (1, echo("--version") +
                                         b"vhdl87c: cannot write the output: No space left on device\n"))


class Terminal(unittest.TestCase):
    """Standard input a pseudo-terminal, the output streams pipes."""

    def start(self, args=()):
        master, slave = os.openpty()
        p = subprocess.Popen([BIN, *args], stdin=slave, stdout=subprocess.PIPE,
                             stderr=subprocess.PIPE)
        os.close(slave)
        self.addCleanup(os.close, master)
        self.addCleanup(p.kill)
        return p, master

    def read_until(self, stream, want, seconds=20):
        got = b""
        deadline = time.monotonic() + seconds
        while not got.endswith(want) and time.monotonic() < deadline:
            ready, _, _ = select.select([stream], [], [], 0.1)
            if ready:
                chunk = os.read(stream.fileno(), 4096)
                if not chunk:
                    break
                got += chunk
        return got

    def type_and_end(self, master, text):
        """Types `text` line by line, then Ctrl-D at the start of a line."""
        for line in text.splitlines(keepends=True):
            os.write(master, line)
        os.write(master, b"\x04")

    def test_hint_before_reading(self):
        p, master = self.start(["design.vhd"])
        # The hint comes while the program waits: nothing has been typed yet.
        self.assertEqual(self.read_until(p.stderr, HINT), echo("design.vhd") + not_read("design.vhd") + HINT)
        self.type_and_end(master, DESIGN)
        out, err = p.communicate(timeout=60)
        self.assertEqual((p.returncode, err), (0, b""))
        self.assertEqual(out, run([], DESIGN)[1])

    def test_hint_alone_without_arguments(self):
        p, master = self.start()
        self.assertEqual(self.read_until(p.stderr, HINT), HINT)
        self.type_and_end(master, b"signal s : bit;\n")
        out, err = p.communicate(timeout=60)
        self.assertEqual((p.returncode, out, err), (0, b" char s  ;\n\n", b""))

    def test_ctrl_d_at_once_is_an_empty_input(self):
        p, master = self.start()
        self.assertEqual(self.read_until(p.stderr, HINT), HINT)
        os.write(master, b"\x04")
        out, err = p.communicate(timeout=60)
        self.assertEqual((p.returncode, err), (1, EMPTY_REJECTED))
        self.assertIn(b"parse error", out)

    def test_no_hint_for_help_and_version(self):
        for arg in ("--help", "--version"):
            p, _ = self.start([arg])
            out, err = p.communicate(timeout=60)
            self.assertEqual((p.returncode, err), (0, echo(arg)), arg)

    def test_no_hint_from_a_file_a_pipe_or_a_device(self):
        plain = run([], DESIGN)
        self.assertEqual(plain[0::2], (0, b""))
        with tempfile.TemporaryFile() as f:
            f.write(DESIGN)
            f.seek(0)
            self.assertEqual(run([], stdin=f), plain)
        with open("/dev/null", "rb") as null:
            status, _, err = run([], stdin=null)
            self.assertEqual((status, err), (1, EMPTY_REJECTED))


class Output(unittest.TestCase):
    def closed_pipe(self, args, data):
        read_end, write_end = os.pipe()
        os.close(read_end)
        try:
            return run(args, data, stdout=write_end)
        finally:
            os.close(write_end)

    def test_reader_gone_ends_quietly(self):
        # Small and large outputs, a syntax error report, the help and the version.
        for args, data in (([], DESIGN), ([], DESIGN * 20000), (["--help"], b""),
                           (["--version"], b""), (["-DEBUG"], DESIGN)):
            status, _, err = self.closed_pipe(args, data)
            self.assertEqual((status, err), (1, echo(*args)), args)
        # A rejection still tells a person on the error stream.
        status, _, err = self.closed_pipe([], b";")
        self.assertEqual((status, err), (1, b"<stdin>:1:1: error: unexpected ';' (--explain tells more)\n"))

    def test_reader_leaves_in_the_middle(self):
        # head reads the first line and leaves while the program still writes.
        with tempfile.NamedTemporaryFile() as f:
            f.write(DESIGN * 50000)
            f.flush()
            p = subprocess.run(["bash", "-c", '"$0" < "$1" 2> "$1.err" | head -1 > /dev/null; '
                                'status=${PIPESTATUS[0]}; cat "$1.err"; rm -f "$1.err"; exit $status',
                                BIN, f.name], stdout=subprocess.PIPE, timeout=120)
        self.assertEqual((p.returncode, p.stdout), (1, b""))

    def test_other_failures_keep_their_message(self):
        with open("/dev/full", "wb") as full:
            for data in (DESIGN, DESIGN * 20000):
                status, _, err = run([], data, stdout=full)
                self.assertEqual((status, err), (1, b"vhdl87c: cannot write the output: "
                                                    b"No space left on device\n"))
        p = subprocess.run(["bash", "-c", 'exec "$0" >&-', BIN], input=DESIGN,
                           stderr=subprocess.PIPE, timeout=60)
        self.assertEqual((p.returncode, p.stderr),
                         (1, b"vhdl87c: cannot write the output: Bad file descriptor\n"))


if __name__ == "__main__":
    BIN, VERSION, group = sys.argv[1:4]
    if group == "Terminal":
        try:
            for fd in os.openpty():
                os.close(fd)
        except OSError as e:
            print("no pseudo-terminal here:", e)
            sys.exit(77)
    result = unittest.main(argv=[sys.argv[0], "-v", group], exit=False).result
    sys.exit(0 if result.wasSuccessful() and result.testsRun else 1)
