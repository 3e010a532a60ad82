#!/usr/bin/env python3
"""Hostile inputs and environments for the translator binary.

    hostile.py VHDL87C [unittest arguments, e.g. a class name]

Every case checks the exit status, the error stream, and that a failed run
prints the error report alone and no part of a translation.  Large inputs are
streamed into the translator from generators, so nothing big is written to
disk.

Environment:
  HOSTILE_SCALE      factor for the sizes of the large inputs (default 1);
                     the sanitizer build uses a small one
  HOSTILE_BLANKS_MB  size of the input of blanks in MiB (default 200 times
                     the scale); HOSTILE_BLANKS_MB=1024 makes the 1 GiB run
  HOSTILE_RSS        0 skips the peak-memory bounds (sanitizer builds, whose
                     shadow memory and quarantine say nothing of the program);
                     they are measured with GNU time, /usr/bin/time, and
                     skipped where it is missing
"""

import os
import random
import re
import subprocess
import sys
import threading
import time
import unittest

BIN = None
SCALE = float(os.environ.get("HOSTILE_SCALE", "1"))
TIME = "/usr/bin/time"  # GNU time (Debian package time), for the peak memory
CHECK_RSS = os.environ.get("HOSTILE_RSS", "1") != "0" and os.access(TIME, os.X_OK)
MIB = 1 << 20

REPORT = re.compile(rb"\A\nERROR:'(parse error|parser stack overflow)' in your Source Code!!!!\n"
                    rb"String:\((.*)\) Line:(\d+) Column:(\d+)\n\Z", re.S)
# The line on the error stream that goes with the report.
REJECTED = re.compile(rb"\A<stdin>:(\d+):(\d+): error: (unexpected .*|nesting too deep \(more than "
                      rb"10000 parser stack entries\)) \(--explain tells more\)\n\Z", re.S)


def scaled(n):
    return max(1, int(n * SCALE))


class Result:
    def __init__(self, status, out, out_size, err, rss_kb, seconds):
        self.status, self.out, self.out_size, self.err = status, out, out_size, err
        self.rss_kb, self.seconds = rss_kb, seconds

    def __repr__(self):
        return "status %s, %d bytes out %r..., stderr %r, %d KiB, %.1f s" % (
            self.status, self.out_size, self.out[:200], self.err[:300], self.rss_kb, self.seconds)


def translate(data=b"", args=(), stdin=None, stdout=None, keep=64 * MIB, timeout=600, rss=False):
    """Runs the translator.  `data` is bytes or an iterable of byte chunks
    fed through a pipe; `stdin`/`stdout` may instead be file descriptors.
    Standard output beyond `keep` bytes is counted, not kept (its last
    bytes are kept).  With `rss`, the peak resident memory is measured by
    GNU time: a child forked from this script would count the script's own
    pages."""
    start = time.monotonic()
    command = [BIN, *args]
    rss_file = None
    if rss:
        rss_file = "%s/hostile-rss.%d" % (os.environ.get("TMPDIR", "/tmp"), os.getpid())
        command = [TIME, "-f", "%M", "-o", rss_file, *command]
    p = subprocess.Popen(command, stdin=subprocess.PIPE if stdin is None else stdin,
                         stdout=subprocess.PIPE if stdout is None else stdout,
                         stderr=subprocess.PIPE)
    out = bytearray()
    size = [0]
    err = bytearray()

    def feed():
        try:
            for chunk in ([data] if isinstance(data, (bytes, bytearray)) else data):
                p.stdin.write(chunk)
                p.stdin.flush()
            p.stdin.close()
        except BrokenPipeError:
            pass

    def drain(stream, buffer, limit, counter=None):
        while True:
            chunk = stream.read(1 << 16)
            if not chunk:
                return
            if counter is not None:
                counter[0] += len(chunk)
            buffer += chunk
            if len(buffer) > limit:
                del buffer[:len(buffer) - limit // 2]

    threads = [threading.Thread(target=drain, args=(p.stderr, err, 1 << 20))]
    if stdout is None:
        threads.append(threading.Thread(target=drain, args=(p.stdout, out, keep, size)))
    if stdin is None:
        threads.append(threading.Thread(target=feed))
    for t in threads:
        t.daemon = True
        t.start()
    timer = threading.Timer(timeout, p.kill)
    timer.start()
    _, wait_status, usage = os.wait4(p.pid, 0)
    timer.cancel()
    p.returncode = os.waitstatus_to_exitcode(wait_status)
    for t in threads:
        t.join()
    for stream in (p.stdin, p.stdout, p.stderr):
        if stream:
            try:
                stream.close()
            except BrokenPipeError:  # input that a run which stopped early left unread
                pass
    peak = usage.ru_maxrss
    if rss_file:
        with open(rss_file, encoding="ascii") as f:
            peak = int(f.read().split()[-1])
        os.unlink(rss_file)
    return Result(p.returncode, bytes(out), size[0], bytes(err), peak, time.monotonic() - start)


def chunks(piece, total):
    """`total` bytes made of repeated `piece`, in blocks of about 1 MiB."""
    block = piece * max(1, MIB // len(piece))
    while total > 0:
        yield block[:total]
        total -= len(block)


def column_after(text):
    """The column after the last character of `text`: characters since the
    last line end, a tab advancing to the next multiple of 8."""
    column = 0
    for c in text[text.rfind(b"\n") + 1:]:
        column = column + 8 - column % 8 if c == 9 else column + 1
    return column


# A small design in which no blank stands inside a literal, so that its
# blanks can be replaced by other separators.
DESIGN = b"""library ieee; use ieee.std_logic_1164.all;
entity cnt is port (clk , rst : in bit ; q : out integer range 0 to 15 ) ; end cnt ;
architecture rtl of cnt is
  type state is (idle , run , stop) ;
  signal s : state ;
begin
  tick : process (clk)
    variable v : integer := 16#f# ;
    variable w : bit_vector (7 downto 0) := b"1010_0101" ;
  begin
    if clk = '1' and rst = '0' then
      case s is
        when idle => s <= run ;
        when others => v := v + 1 ; q <= v ;
      end case ;
    elsif rst = '1' then
      for i in 0 to 7 loop w (i) := '0' ; end loop ;
    end if ;
    assert v < 100 report "overflow" severity warning ;
  end process tick ;
end rtl ;
"""


class Hostile(unittest.TestCase):
    def assertTranslated(self, r):
        self.assertEqual(r.status, 0, r)
        self.assertEqual(r.err, b"", r)
        self.assertTrue(r.out.endswith(b"\n"), r)
        self.assertNotIn(b"ERROR:", r.out[:4096], r)

    def assertReport(self, r, message=b"parse error"):
        """Status 1, the error report alone on standard output, one line on
        the error stream, on the token's line; returns (token, line, column)."""
        self.assertEqual(r.status, 1, r)
        m = REPORT.match(r.out)
        self.assertIsNotNone(m, r)
        self.assertEqual(m.group(1), message, r)
        line = REJECTED.match(r.err)
        self.assertIsNotNone(line, r)
        self.assertEqual(line.group(3).startswith(b"nesting"), message == b"parser stack overflow", r)
        if m.group(2):
            self.assertEqual(line.group(1), m.group(3), r)
        return m.group(2), int(m.group(3)), int(m.group(4))

    def assertOneLineOnStderr(self, r, rejected=False):
        """A failure of the environment: status 1, one line on the error
        stream after the echo of the arguments (and the line of a rejected
        input), no death by a signal."""
        self.assertEqual(r.status, 1, r)
        lines = [x for x in r.err.split(b"\n") if not re.match(rb"\(\d+\): ", x)]
        if rejected:
            self.assertIsNotNone(REJECTED.match(lines.pop(0) + b"\n"), r)
        self.assertEqual(len(lines), 2, r)
        self.assertTrue(lines[0] and not lines[1], r)


class Empty(Hostile):
    def test_empty_input(self):
        self.assertEqual(self.assertReport(translate(b"")), (b"", 1, 0))

    def test_blanks_and_comments_only(self):
        for text in (b" ", b"\n\n\n", b"\t \t", b"  \t\n-- note\n   -- last line, no line end",
                     b"-- only a comment", b"--\n--\n\n\t\t--x", b" \f\v\r\n\r\n"):
            token, line, column = self.assertReport(translate(text))
            self.assertEqual((token, line, column),
                             (b"", text.count(b"\n") + 1, column_after(text)), text)

    def test_comment_on_last_line_is_a_comment(self):
        plain = translate(DESIGN)
        self.assertTranslated(plain)
        self.assertEqual(translate(DESIGN + b"-- trailing note, no line end").out, plain.out)
        self.assertEqual(translate(DESIGN + b"--").out, plain.out)


class Encoding(Hostile):
    def test_crlf_and_cr_line_ends(self):
        plain = translate(DESIGN)
        self.assertTranslated(plain)
        crlf = translate(DESIGN.replace(b"\n", b"\r\n"))
        self.assertEqual((crlf.status, crlf.out, crlf.err), (0, plain.out, b""))
        # A carriage return alone is a skipped character, not a line end.
        cr = translate(DESIGN.replace(b"\n", b"\r"))
        self.assertEqual((cr.status, cr.out, cr.err), (0, plain.out, b""))

    def test_crlf_error_position(self):
        bad = DESIGN.replace(b"signal s : state ;", b"signal s : state ; ;")
        line = bad[:bad.index(b"; ;") + 3].count(b"\n") + 1
        lf = self.assertReport(translate(bad))
        self.assertEqual(lf[:2], (b";", line))
        self.assertEqual(self.assertReport(translate(bad.replace(b"\n", b"\r\n"))), lf)

    def test_skipped_bytes_between_tokens(self):
        # NUL, control and high bytes (among them the upper-case letters
        # with the top bit set) and the printable characters that begin no
        # token are all skipped: between tokens they change nothing.
        plain = translate(DESIGN)
        for junk in (bytes([0, 1, 27, 127, 128, 0xa0, 0xc1, 0xc3, 0xa9, 0xda, 0xff, 0]),
                     b"# $ ? @ [ \\ ] ^ _ ` { } ~"):
            mixed = translate(DESIGN.replace(b" ", b" " + junk + b" "))
            self.assertEqual((mixed.status, mixed.out, mixed.err), (0, plain.out, b""), junk)

    def test_only_skipped_bytes(self):
        skipped = bytes(b for b in range(256) if b not in b"\t\n " and not 32 < b < 127)
        text = skipped * 1000
        self.assertEqual(self.assertReport(translate(text)), (b"", 1, len(text)))

    def test_nul_inside_a_string_literal(self):
        # The quotation marks begin no literal: "ab" and "cd" are identifiers.
        text = b'signal s : string := "ab\x00cd" ;\n'
        self.assertEqual(self.assertReport(translate(text)),
                         (b"cd", 1, text.index(b"cd") + 2))


class Literals(Hostile):
    def test_10_mib_tokens(self):
        # Each token kind, 10 MiB long, is scanned in one pass: seconds, not
        # minutes (a scanner that rescans a long token at every refill of its
        # input buffer takes time quadratic in the token's length).
        n = scaled(10 * MIB)
        name = b"Q" * n + b"_1"
        string = b'"' + (b'Ab""c%-- ' * (n // 9)) + b'"'
        number = b"1" + b"_0" * (n // 2) + b".5e-3"
        bits = b'X"' + b"f_" * (n // 2) + b'0"'
        cases = [(b"signal " + name + b" : bit ;\n", name.lower()),
                 (b"signal s : string := " + string + b" ;\n", string.lower()),
                 (b"signal s : real := " + number + b" ;\n", number.lower()),
                 (b"signal s : integer := " + bits + b" ;\n", b"-16"),
                 (b"--" + b"x" * n + b"\n" + DESIGN, b" tick (clk")]
        for text, expected in cases:
            with self.subTest(text[:30]):
                r = translate(text, timeout=60)
                self.assertTranslated(r)
                self.assertIn(expected, r.out)
                self.assertLess(r.seconds, 20, r)

    def test_unterminated_string_literal(self):
        # A quotation mark with no partner on its line is skipped.
        closed = translate(b"signal s : string := abc ;\n")
        self.assertTranslated(closed)
        for text in (b'signal s : string := "abc ;\n', b'signal s : string := %abc ;\n',
                     b'signal s : string := "abc ;\r\n', b'signal s : string := abc" ;\n'):
            r = translate(text)
            self.assertEqual((r.status, r.out, r.err), (0, closed.out, b""), text)
        # At the end of input the unit is incomplete.
        self.assertEqual(self.assertReport(translate(b'signal s : string := "abc')), (b"", 1, 25))

    def test_input_ending_inside_every_kind_of_token(self):
        head = b"signal s : integer := "
        partial = [b"a", b"ab_", b"ran", b"rang", b"1", b"1_", b"1.", b"1.5e", b"1e+", b"16#", b"16#f",
                   b"16#f.", b"16#ff#e", b"16:f", b"2:1_0", b"'", b"'a", b'"', b'"ab', b'"a""', b"%",
                   b"%a%%", b'x"', b'x"f', b"b%1_", b"o", b"/", b":", b"<", b">", b"*", b"=", b"-",
                   b"--", b"-- no line end", b"!", b"|", b"&", b"\t", b"\r", b"\x00", b"\xff"]
        for tail in partial:
            token, line, column = self.assertReport(translate(head + tail))
            self.assertEqual(line, 1, tail)
            self.assertLessEqual(column, column_after(head + tail), tail)
        # A complete unit, then the start of a token.
        for tail in (b"-", b"s", b"'", b"16#", b'"x', b"/", b"<"):
            self.assertReport(translate(b"signal s : bit ;\n" + tail))

    def test_bit_string_literal_of_10000_digits(self):
        rng = random.Random(3)
        for base_letter, base, alphabet in ((b"x", 16, "0123456789abcdef"), (b"b", 2, "01"),
                                            (b"o", 8, "01234567")):
            digits = "".join(rng.choice(alphabet) for _ in range(10000))
            # The value in 32-bit two's complement, as the digits wrap it.
            value = int(digits, base) % (1 << 32)
            value = value - (1 << 32) if value >= 1 << 31 else value
            r = translate(b"signal s : integer := " + base_letter + b'"' + digits.encode() + b'" ;\n')
            self.assertTranslated(r)
            self.assertRegex(r.out, rb"(?<![0-9-])%d(?![0-9])" % value)

    def test_range_bounds_of_30_digits(self):
        big = b"123456789012345678901234567890"
        texts = [b"type t is range 0 to " + big + b" ;\n",
                 b"type t is range -" + big + b" to " + big + b" ;\n",
                 b"signal s : bit_vector (" + big + b" downto 0) ;\n",
                 b"signal s : bit_vector (0 to " + big + b") ;\n",
                 b"type a is array (" + big + b" downto -" + big + b") of bit ;\n",
                 b"process begin for i in " + big + b" downto 0 loop null ; end loop ; end process ;\n",
                 b"process begin for i in 0 to " + big + b" loop null ; end loop ; end process ;\n"]
        for text in texts:
            self.assertTranslated(translate(text))

    def test_long_identifier_lists(self):
        n = scaled(200000)
        names = [b"n%d" % i for i in range(n)]
        r = translate(b"signal " + b" , ".join(names) + b" : bit ;\n")
        self.assertTranslated(r)
        self.assertEqual(len(re.findall(rb"\bn\d+\b", r.out)), n)
        # A port list of as many elements reaches every process header.
        ports = b" ; ".join(b"p%d : in bit" % i for i in range(n // 4))
        r = translate(b"entity e is port (" + ports + b") ; end e ;\n"
                      b"architecture a of e is begin process begin null ; end process ; end a ;\n")
        self.assertTranslated(r)
        self.assertEqual(len(set(re.findall(rb"\bp\d+\b", r.out))), n // 4)


class Nesting(Hostile):
    def nested(self, depth):
        return b"signal s : integer := " + b"(" * depth + b"1" + b")" * depth + b" ;\n"

    def test_9000_nested_parentheses_parse(self):
        r = translate(self.nested(9000))
        self.assertTranslated(r)
        self.assertGreaterEqual(r.out.count(b"("), 9000)
        self.assertGreaterEqual(r.out.count(b")"), 9000)

    def test_every_parser_grows_its_stack(self):
        # The explained parsers (--explain, --annotate) and the later ones
        # (--relaxed) go as deep as the plain one.
        plain = translate(self.nested(9000))
        for args in (("--explain",), ("--annotate",), ("--relaxed",), ("--relaxed", "--explain"),
                     ("--relaxed", "--annotate")):
            r = translate(self.nested(9000), args=args)
            self.assertEqual((r.status, r.out), (0, plain.out), args)

    def test_deeper_nesting_overflows_the_parser_stack(self):
        for depth in (11000, 20000):
            token, line, _ = self.assertReport(translate(self.nested(depth)), b"parser stack overflow")
            self.assertEqual(line, 1)
        calls = b"signal s : integer := " + b"f (" * 20000 + b"1" + b")" * 20000 + b" ;\n"
        self.assertReport(translate(calls), b"parser stack overflow")
        ifs = b"process begin " + b"if c then " * 20000 + b"null ;" + b" end if ;" * 20000 + b" end process ;\n"
        self.assertReport(translate(ifs), b"parser stack overflow")


class Streams(Hostile):
    def test_standard_input_closed(self):
        p = subprocess.run(["bash", "-c", 'exec "$0" <&-', BIN], stdout=subprocess.PIPE,
                           stderr=subprocess.PIPE, timeout=60)
        r = Result(p.returncode, p.stdout, len(p.stdout), p.stderr, 0, 0)
        self.assertOneLineOnStderr(r)
        self.assertEqual(r.out, b"", r)

    def test_standard_input_is_a_directory(self):
        fd = os.open("/", os.O_RDONLY)
        try:
            r = translate(stdin=fd)
        finally:
            os.close(fd)
        self.assertOneLineOnStderr(r)
        self.assertEqual(r.out, b"", r)

    def test_standard_output_full(self):
        fd = os.open("/dev/full", os.O_WRONLY)
        try:
            for data, args in ((DESIGN, ()), (b"", ("--help",)), (DESIGN * scaled(2000), ())):
                self.assertOneLineOnStderr(translate(data, args, stdout=fd))
            self.assertOneLineOnStderr(translate(b"", stdout=fd), rejected=True)
        finally:
            os.close(fd)

    def test_standard_output_a_closed_pipe(self):
        # The reader has gone: status 1, quietly, as in any pipeline (a
        # rejection still has its line).
        for data in (DESIGN, b";", DESIGN * scaled(2000)):
            read_end, write_end = os.pipe()
            os.close(read_end)
            try:
                r = translate(data, stdout=write_end)
            finally:
                os.close(write_end)
            self.assertEqual(r.status, 1, r)
            if data == b";":
                self.assertIsNotNone(REJECTED.match(r.err), r)
            else:
                self.assertEqual(r.err, b"", r)


class Large(Hostile):
    def test_50_mib_valid_file(self):
        head = (b"entity e is port (clk : in bit ; q : out integer) ; end e ;\n"
                b"architecture a of e is begin\np : process (clk)\n variable v : integer := 0 ;\nbegin\n")
        body = b"  if v > 10 then v := v + 1 ; else q <= v * 2 after 1 ns ; end if ;\n"
        size = scaled(50 * MIB)
        statements = size // len(body)
        r = translate([head, *chunks(body, statements * len(body)), b"end process ;\nend a ;\n"], keep=MIB,
                      rss=CHECK_RSS)
        self.assertEqual((r.status, r.err), (0, b""), r)
        self.assertGreater(r.out_size, size, r)
        self.assertTrue(r.out.endswith(b"}\n\n") or r.out.endswith(b"\n"), r)
        if CHECK_RSS:
            self.assertLess(r.rss_kb, 3 * size // 1024, r)

    def test_blanks_in_constant_memory(self):
        size = int(os.environ.get("HOSTILE_BLANKS_MB", 200 * SCALE)) * MIB
        r = translate(chunks(b" ", size), rss=CHECK_RSS)
        self.assertEqual(self.assertReport(r), (b"", 1, size))
        if CHECK_RSS:
            self.assertLess(r.rss_kb, 16 * 1024, r)

    def test_five_million_comment_lines(self):
        lines = scaled(5000000)
        comments = list(chunks(b"-- c\n", lines * 5))
        plain = translate(DESIGN)
        r = translate(comments + [DESIGN], rss=CHECK_RSS)
        self.assertEqual((r.status, r.out, r.err), (0, plain.out, b""))
        token, line, column = self.assertReport(translate(comments + [b"signal ;\n"]))
        self.assertEqual((token, line, column), (b";", lines + 1, 8))
        if CHECK_RSS:
            self.assertLess(r.rss_kb, 16 * 1024, r)

    def test_100_mib_string_literal_over_lines(self):
        # The usual way to write a long string: literals joined by "&", one
        # per line.
        line = b'  "' + b"0123456789abcdef" * 6 + b'" &\n'
        size = scaled(100 * MIB)
        n = size // len(line)
        r = translate([b"signal s : string :=\n", *chunks(line, n * len(line)), b'  "end" ;\n'], keep=MIB,
                      rss=CHECK_RSS)
        self.assertEqual((r.status, r.err), (0, b""), r)
        self.assertGreater(r.out_size, n * 96, r)
        if CHECK_RSS:
            self.assertLess(r.rss_kb, 3 * size // 1024, r)


class Relaxed(Hostile):
    """The relaxed reading holds no token back and keeps the nesting limits
    of the default reading: a process list or a guard of any length streams
    through it."""

    def relaxed(self, data, **kw):
        r = translate(data, args=("--relaxed",), **kw)
        self.assertTrue(r.err.startswith(b"(1): --relaxed\n"), r)
        r.err = r.err[len(b"(1): --relaxed\n"):]
        return r

    def test_unclosed_lists_of_100000_parentheses(self):
        # A process list holds names, so the parser stops at the second (;
        # a guard is an expression, and the parser's stack overflows.
        data = b"architecture a of e is begin process (" + b"(" * 100000 + b"\n"
        r = self.relaxed(data, rss=CHECK_RSS)
        self.assertEqual(self.assertReport(r), (b"(", 1, 39))
        if CHECK_RSS:
            self.assertLess(r.rss_kb, 16 * 1024, r)
        data = b"architecture a of e is begin b : block (" + b"(" * 100000 + b"\n"
        r = self.relaxed(data, rss=CHECK_RSS)
        self.assertEqual(r.out, translate(data).out)
        token, line, _ = self.assertReport(r, b"parser stack overflow")
        self.assertEqual((token, line), (b"(", 1))
        if CHECK_RSS:
            self.assertLess(r.rss_kb, 16 * 1024, r)

    def test_closed_nesting_as_without_relaxed(self):
        for depth in (9000, 100000):
            data = (b"architecture a of e is begin b : block (" + b"(" * depth + b"c" + b")" * depth +
                    b") is begin end block; end a;\n")
            r = self.relaxed(data)
            self.assertEqual(r.out, translate(data.replace(b") is begin", b") begin")).out)
        # Only one is is dropped: the parser stops at the second.
        data = b"architecture a of e is begin b : block (" + b"(" * 9000 + b"c" + b")" * 9000 + b") is is"
        self.assertEqual(self.assertReport(self.relaxed(data)), (b"is", 1, len(data)))

    def test_backslash_at_the_end_of_a_read(self):
        # Whether the text after a backslash keeps its case depends on how
        # its line goes on; a pipe that delivers the line in pieces, each
        # ending just after a backslash, gives the translation of the whole.
        design = (b"architecture a of e is\nbegin\n  X <= \\ Y;\n  Z <= \\A\\\\ OR B;\n"
                  b"  W <= \\Wide\\ OR \\tab\tOR No\\;\nend a;\n")

        def pieces(ends):
            start = 0
            for end in ends + [len(design)]:
                yield design[start:end]
                time.sleep(0.02)
                start = end

        whole = self.relaxed(design)
        self.assertEqual(whole.status, 0, whole)
        self.assertIn(b"\\Wide\\", whole.out)
        self.assertNotIn(b"No", whole.out)
        after_backslashes = [i + 1 for i, c in enumerate(design) if c == ord("\\")]
        self.assertEqual(self.relaxed(pieces(after_backslashes)).out, whole.out)
        # and in pieces of three bytes: a reading that waits goes on where it stopped
        self.assertEqual(self.relaxed(pieces(list(range(3, len(design), 3)))).out, whole.out)

    def test_long_process_list(self):
        n = scaled(1000000)
        names = b", ".join(b"s%d" % i for i in range(n))
        head = b"architecture a of e is begin p : process ("
        tail = b") is begin null; end process p; end a;\n"
        r = self.relaxed([head, names, tail], keep=MIB, rss=CHECK_RSS)
        plain = translate([head, names, tail.replace(b") is", b")")], keep=MIB)
        self.assertEqual((r.status, r.err, r.out_size, r.out), (0, b"", plain.out_size, plain.out))
        if CHECK_RSS:
            self.assertLess(r.rss_kb, 3 * (len(head) + len(names)) // 1024 + 16 * 1024, r)

    def test_small_design_as_without_relaxed(self):
        r = self.relaxed(DESIGN)
        self.assertTranslated(r)
        self.assertEqual(r.out, translate(DESIGN).out)


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    BIN = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
