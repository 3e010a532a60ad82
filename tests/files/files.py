#!/usr/bin/env python3
"""File mode (-o OUT FILE...): where the translations go, that each is the
translation of standard input, what a failure leaves behind, the checks made
before anything is written, and the summary.

    files.py VHDL87C TESTS_DIR GROUP     GROUP: Outputs, Same, Failures, Plan"""
import os
import subprocess
import sys
import tempfile
import unittest

BIN = None
TESTS = None

DESIGN = b"""entity e is port (clk : in bit; q : out bit); end e;
architecture rtl of e is
begin
  p : process (clk)
  begin
    if clk = '1' then q <= not q; end if;
  end process;
end rtl;
"""
BROKEN = b"entity x is\nend\n"
HINT = b"; --explain warns where the C text does not carry the VHDL\n"


def run(args, data=None, cwd=None):
    p = subprocess.run([BIN, *args], input=data, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                       cwd=cwd, timeout=120)
    return p.returncode, p.stdout, p.stderr


def echo(*args):
    return b"".join(b"(%d): %s\n" % (i, a.encode()) for i, a in enumerate(args, 1))


def from_stdin(data, args=()):
    """The run of the design on standard input: status, output, and the
    error stream without the echo of the arguments."""
    status, out, err = run(list(args), data)
    return status, out, err[len(echo(*args)):]


def named(err, name):
    """The lines of a run from standard input as file mode writes them for `name`."""
    return err.replace(b"<stdin>:", name.encode() + b":")


class Tree(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)
        self.root = self.dir.name

    def write(self, path, data):
        full = os.path.join(self.root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "wb") as f:
            f.write(data)

    def read(self, path):
        with open(os.path.join(self.root, path), "rb") as f:
            return f.read()

    def exists(self, path):
        return os.path.lexists(os.path.join(self.root, path))

    def files(self):
        found = []
        for folder, _, names in os.walk(self.root):
            found += [os.path.relpath(os.path.join(folder, n), self.root) for n in names]
        return sorted(found)

    def vhdl(self, *args, data=None):
        return run(list(args), data, cwd=self.root)


class Outputs(Tree):
    def test_one_file_to_its_output(self):
        self.write("design.vhd", DESIGN)
        status, out, err = self.vhdl("-o", "design.c", "design.vhd")
        self.assertEqual((status, out, err), (0, b"", echo("-o", "design.c", "design.vhd")))
        self.assertEqual(self.read("design.c"), from_stdin(DESIGN)[1])

    def test_dash_writes_standard_output_as_from_standard_input(self):
        self.write("design.vhd", DESIGN)
        self.write("bad.vhd", BROKEN)
        for name, data in (("design.vhd", DESIGN), ("bad.vhd", BROKEN)):
            for options in ((), ("-DEBUG",), ("--explain",)):
                args = [*options, "-o", "-", name]
                status, out, err = self.vhdl(*args)
                expected = from_stdin(data, options)
                self.assertEqual((status, out), expected[:2], args)
                self.assertEqual(err, echo(*args) + named(expected[2], name), args)
        self.assertEqual(self.files(), ["bad.vhd", "design.vhd"])

    def test_dash_as_input_is_standard_input(self):
        status, out, _ = self.vhdl("-o", "-", "-", data=DESIGN)
        self.assertEqual((status, out), from_stdin(DESIGN)[:2])
        status, _, _ = self.vhdl("-o", "one.c", "-", data=DESIGN)
        self.assertEqual(self.read("one.c"), from_stdin(DESIGN)[1])

    def test_several_files_keep_their_paths_below_the_folder(self):
        self.write("rtl/alu.vhd", DESIGN)
        self.write("rtl/sub/reg.VHDL", DESIGN.replace(b"rtl", b"beh"))
        self.write("top.vhd", DESIGN.replace(b"clk", b"ck"))
        self.write("notes.txt", DESIGN)
        args = ["-o", "out", "rtl/alu.vhd", "./rtl/sub/reg.VHDL", "top.vhd", "notes.txt"]
        status, out, err = self.vhdl(*args)
        self.assertEqual((status, out), (0, b""))
        self.assertEqual(err, echo(*args) + b"vhdl87c: 4 files: 4 translated, 0 not" + HINT)
        for source, output in (("rtl/alu.vhd", "out/rtl/alu.c"), ("rtl/sub/reg.VHDL", "out/rtl/sub/reg.c"),
                               ("top.vhd", "out/top.c"), ("notes.txt", "out/notes.txt.c")):
            self.assertEqual(self.read(output), from_stdin(self.read(source))[1], output)
        self.assertEqual(len(self.files()), 8)  # no temporary file left

    def test_warnings_of_all_files_counted(self):
        wide = b"entity w is end w;\narchitecture a of w is\nbegin\n  process\n    variable n : integer;\n" \
               b"  begin\n    n := x\"123456789\"; n := x\"fedcba987\";\n  end process;\nend a;\n"
        self.write("a.vhd", wide)
        self.write("b.vhd", wide.replace(b"process\n", b"process\n    variable m : bit_vector(3 downto 0);\n", 1))
        status, _, err = self.vhdl("--explain", "-o", "out", "a.vhd", "b.vhd")
        self.assertEqual(status, 0)
        alone = [from_stdin(self.read(name), ["--explain"])[2].count(b": warning: ") for name in ("a.vhd", "b.vhd")]
        self.assertTrue(err.endswith(b"vhdl87c: 2 files: 2 translated, 0 not; %d warnings of 2 kinds\n" % sum(alone)),
                        err)

    def test_one_file_into_a_folder(self):
        self.write("a/design.vhd", DESIGN)
        os.mkdir(os.path.join(self.root, "existing"))
        for out in ("new/", "existing"):
            status, _, _ = self.vhdl("-o", out, "a/design.vhd")
            self.assertEqual(status, 0, out)
            self.assertEqual(self.read(os.path.join(out, "a/design.c")), from_stdin(DESIGN)[1], out)

    def test_absolute_paths_and_dot_dot_inside(self):
        self.write("a/design.vhd", DESIGN)
        absolute = os.path.join(self.root, "a/design.vhd")
        status, _, _ = self.vhdl("-o", "out/", absolute, "a/../a/../a/design.vhd")
        self.assertEqual(status, 1)  # the same file twice
        status, _, _ = self.vhdl("-o", "out/", absolute)
        self.assertEqual(status, 0)
        self.assertEqual(self.read("out" + absolute[:-4] + ".c"), from_stdin(DESIGN)[1])

    def test_output_replaced_whole_and_keeps_the_umask(self):
        self.write("design.vhd", DESIGN)
        self.write("design.c", b"old text")
        old_mask = os.umask(0o027)
        try:
            status, _, _ = self.vhdl("-o", "design.c", "design.vhd")
        finally:
            os.umask(old_mask)
        self.assertEqual(status, 0)
        self.assertEqual(self.read("design.c"), from_stdin(DESIGN)[1])
        self.assertEqual(os.stat(os.path.join(self.root, "design.c")).st_mode & 0o777, 0o640)

    def test_devices_are_written_in_place(self):
        self.write("design.vhd", DESIGN)
        status, out, err = self.vhdl("-o", "/dev/null", "design.vhd")
        self.assertEqual((status, out, err), (0, b"", echo("-o", "/dev/null", "design.vhd")))
        self.assertTrue(os.path.exists("/dev/null") and not os.path.isfile("/dev/null"))


class Failures(Tree):
    def test_a_failing_file_in_the_middle(self):
        self.write("a.vhd", DESIGN)
        self.write("b.vhd", BROKEN)
        self.write("c.vhd", DESIGN)
        self.write("out/b.c", b"stale translation of an earlier run")
        args = ["-o", "out", "a.vhd", "b.vhd", "c.vhd"]
        status, out, err = self.vhdl(*args)
        self.assertEqual((status, out), (1, b""))
        self.assertEqual(err, echo(*args) + named(from_stdin(BROKEN)[2], "b.vhd") +
                         b"vhdl87c: 3 files: 2 translated, 1 not: b.vhd" + HINT)
        self.assertEqual(self.files(), ["a.vhd", "b.vhd", "c.vhd", "out/a.c", "out/c.c"])

    def test_unreadable_inputs(self):
        self.write("a.vhd", DESIGN)
        os.mkdir(os.path.join(self.root, "folder.vhd"))
        args = ["-o", "out", "missing.vhd", "folder.vhd", "a.vhd"]
        status, out, err = self.vhdl(*args)
        self.assertEqual((status, out), (1, b""))
        self.assertEqual(err, echo(*args) +
                         b"vhdl87c: cannot read 'missing.vhd': No such file or directory\n"
                         b"vhdl87c: cannot read 'folder.vhd': Is a directory\n"
                         b"vhdl87c: 3 files: 1 translated, 2 not: missing.vhd, folder.vhd" + HINT)
        self.assertEqual(self.files(), ["a.vhd", "out/a.c"])

    @unittest.skipIf(os.geteuid() == 0, "root reads every file")
    def test_no_permission(self):
        self.write("secret.vhd", DESIGN)
        os.chmod(os.path.join(self.root, "secret.vhd"), 0)
        status, _, err = self.vhdl("-o", "secret.c", "secret.vhd")
        self.assertEqual(status, 1)
        self.assertTrue(err.endswith(b"vhdl87c: cannot read 'secret.vhd': Permission denied\n"), err)

    def test_unwritable_outputs(self):
        self.write("a/x.vhd", DESIGN)
        self.write("b.vhd", DESIGN)
        self.write("out/a", b"a file where a folder should be")
        args = ["-o", "out", "a/x.vhd", "b.vhd"]
        status, out, err = self.vhdl(*args)
        self.assertEqual((status, out), (1, b""))
        self.assertEqual(err, echo(*args) + b"vhdl87c: cannot write 'out/a/x.c': Not a directory\n"
                                            b"vhdl87c: 2 files: 1 translated, 1 not: a/x.vhd" + HINT)
        self.assertEqual(self.files(), ["a/x.vhd", "b.vhd", "out/a", "out/b.c"])

    def test_full_disk(self):
        self.write("design.vhd", DESIGN * 200)
        for design in ("design.vhd", "-"):
            status, out, err = self.vhdl("-o", "/dev/full", design, data=DESIGN)
            self.assertEqual((status, out), (1, b""))
            self.assertTrue(err.endswith(b"vhdl87c: cannot write '/dev/full': No space left on device\n"), err)

    def test_more_than_ten_failures_are_counted(self):
        names = ["f%02d.vhd" % i for i in range(13)]
        for name in names:
            self.write(name, BROKEN)
        status, _, err = self.vhdl("-o", "out", *names)
        self.assertEqual(status, 1)
        self.assertTrue(err.endswith(b"vhdl87c: 13 files: 0 translated, 13 not: " +
                                     ", ".join(names[:10]).encode() + b" and 3 more\n"), err)
        self.assertEqual(self.files(), names)


class Plan(Tree):
    """Each clash is found before anything is written: status 1, no output."""

    def refused(self, args, message):
        status, out, err = self.vhdl(*args)
        self.assertEqual((status, out, err), (1, b"", echo(*args) + message), args)
        return status

    def test_clashes(self):
        self.write("a.vhd", DESIGN)
        self.write("a.vhdl", DESIGN)
        self.write("x/a.vhd", DESIGN)
        self.write("keep.c", b"an input")
        self.write("keep.vhd", DESIGN)
        before = self.files()
        self.refused(["-o", "out", "a.vhd", "x/a.vhd", "a.vhd"], b"vhdl87c: 'a.vhd' given twice\n")
        self.refused(["-o", "out", "a.vhd", "./a.vhd"], b"vhdl87c: './a.vhd' given twice (as 'a.vhd' before)\n")
        self.refused(["-o", "out", "a.vhd", "a.vhdl"],
                     b"vhdl87c: 'a.vhd' and 'a.vhdl' would both be written to 'out/a.c'\n")
        self.refused(["-o", "out", "-", "-"], b"vhdl87c: '-' given twice\n")
        self.refused(["-o", "a.vhd", "a.vhd"], b"vhdl87c: the translation of 'a.vhd' would overwrite the input 'a.vhd'\n")
        self.refused(["-o", ".", "keep.vhd", "keep.c"],
                     b"vhdl87c: the translation of 'keep.vhd' would overwrite the input 'keep.c'\n")
        self.assertEqual(self.files(), before)
        os.link(os.path.join(self.root, "keep.c"), os.path.join(self.root, "x/linked.c"))
        self.refused(["-o", "x/linked.c", "keep.c"],
                     b"vhdl87c: the translation of 'keep.c' would overwrite the input 'keep.c'\n")

    def test_arguments(self):
        self.write("a.vhd", DESIGN)
        before = self.files()
        self.refused(["-o"], b"vhdl87c: -o needs the output: -o OUT FILE...\n")
        self.refused(["a.vhd", "-o"], b"vhdl87c: -o needs the output: -o OUT FILE...\n")
        self.refused(["-o", "x.c", "a.vhd", "-o", "y.c"],
                     b"vhdl87c: -o given twice: one output, or one folder for several files\n")
        self.refused(["-o", "x.c"], b"vhdl87c: -o OUT needs the files to translate (- for standard input)\n")
        self.refused(["-o", "a.vhd/", "a.vhd", "a.vhd"], b"vhdl87c: cannot write into 'a.vhd/': not a folder "
                     b"(several files, or -o FOLDER/, write one file each into a folder)\n")
        self.refused(["-o", "out/", "../a.vhd"],
                     b"vhdl87c: '../a.vhd' lies above the current folder: its translation would not be below 'out/'\n")
        self.assertEqual(self.files(), before)


class Memory(Tree):
    """Nothing of one design survives into the next: a tree of many designs
    takes the memory of its largest one."""

    def peak_kb(self, args, data=None):
        p = subprocess.Popen([BIN, *args], cwd=self.root, stdin=subprocess.PIPE if data else subprocess.DEVNULL,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if data:
            p.stdin.write(data)
            p.stdin.close()
        _, status, usage = os.wait4(p.pid, 0)
        self.assertEqual(os.waitstatus_to_exitcode(status), 0, args)
        return usage.ru_maxrss

    def test_a_tree_takes_the_memory_of_its_largest_design(self):
        sys.path.insert(0, os.path.join(TESTS, "..", "bench"))
        import gen
        import io
        from argparse import Namespace
        big = io.StringIO()
        gen.render("mix", 700, 1, Namespace(depth=None, count=None), big)
        self.write("big.vhd", big.getvalue().encode())
        names = []
        for i in range(400):
            small = io.StringIO()
            gen.render("mix", 20, i + 2, Namespace(depth=None, count=None), small)
            names.append("small/s%03d.vhd" % i)
            self.write(names[-1], small.getvalue().encode())
        alone = self.peak_kb(["-o", "big.c", "big.vhd"])
        smalls = sum(os.path.getsize(os.path.join(self.root, n)) for n in names)
        self.assertGreater(smalls, 2 * os.path.getsize(os.path.join(self.root, "big.vhd")))
        for options in ((), ("--explain",), ("--relaxed",)):
            tree = self.peak_kb([*options, "-o", "out", *names[:200], "big.vhd", *names[200:]])
            self.assertLess(tree, alone * 1.1 + 2048, (options, tree, alone))


if __name__ == "__main__":
    BIN, TESTS, group = sys.argv[1:4]
    BIN = os.path.abspath(BIN)
    result = unittest.main(argv=[sys.argv[0], "-v", group], exit=False).result
    sys.exit(0 if result.wasSuccessful() and result.testsRun else 1)
