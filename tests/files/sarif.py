#!/usr/bin/env python3
"""--sarif=FILE: the log validates against the official SARIF 2.1.0 schema
(read in place from the shared schemas folder beside the checkout), names
the tool, its version and a rule for every kind of message, and holds one
result for every error and warning line on standard error, no more and no
less: level, text, file and place, with the end the caret line marks.

    sarif.py VHDL87C TESTS_DIR VERSION

Exit status 77 when the schema is missing (a checkout without the shared
folder beside it); a missing validator fails: make test-deps installs it."""
import json
import os
import re
import subprocess
import sys
import tempfile
import unittest
import urllib.parse

BIN = TESTS = VERSION = SCHEMA = None

DESIGN = b"""entity e is port (clk : in bit; q : out bit); end e;
architecture rtl of e is
begin
  process (clk)
    variable v : integer;
  begin
    v := 16#ff#; q <= clk;
  end process;
  process begin wait for 10 ns; end process;
end rtl;
"""
WARNED = b"""entity w is port (d : in bit_vector(7 downto 0)); end w;
architecture a of w is
  signal s : bit_vector(3 downto 0);
begin
  process (d)
    variable n : integer;
  begin
    n := x"123456789";
  end process;
  process begin end process;
end a;
"""
BROKEN = b"entity x is\n  port (a : in bit;\n        b : out bit\nend x;\n"
SKIPPED = b"entity y is ` end y;\n"


def validate(log):
    """Errors of `log` against the schema, with Debian's python3-jsonschema
    (the interpreter running the test, or the system's)."""
    code = ("import json, sys, jsonschema\n"
            "schema = json.load(open(sys.argv[1]))\n"
            "v = jsonschema.Draft4Validator(schema)\n"
            "print('\\n'.join(sorted(e.message for e in v.iter_errors(json.load(sys.stdin)))))\n")
    for python in (sys.executable, "/usr/bin/python3"):
        p = subprocess.run([python, "-c", code, SCHEMA], input=json.dumps(log).encode(),
                           capture_output=True, timeout=120)
        if p.returncode == 0:
            return p.stdout.decode().strip()
    return None


def text_lines(err):
    """The results the error stream says: (file, level, line, column, end, text)."""
    results = []
    lines = err.decode("utf-8", "replace").split("\n")
    i = 0
    while i < len(lines):
        line = lines[i]
        m = re.match(r"^(.+?):(\d+):(\d+): (error|warning): (.*)$", line)
        n = re.match(r"^(.+?): (error|warning): (.*)$", line)
        d = re.match(r"^vhdl87c: (cannot (?:read|write) '([^']*)'.*)$", line)
        if m:
            end = None
            if i + 2 < len(lines) and re.match(r"^ *\^~*$", lines[i + 2]):
                end = int(m.group(3)) + len(lines[i + 2].strip())
                i += 2
            results.append([m.group(1), m.group(4), int(m.group(2)), int(m.group(3)), end, m.group(5)])
        elif d:
            results.append([d.group(2), "error", None, None, None, d.group(1)])
        elif n and n.group(1) == "vhdl87c":
            results.append([None, n.group(2), None, None, None, n.group(3)])
        elif n:
            results.append([n.group(1), n.group(2), None, None, None, n.group(3)])
        elif line.startswith("  note: "):
            results[-1][5] += "\n" + line[2:]
        i += 1
    return [tuple(r) for r in results]


def logged(log):
    """The same read from the log's results."""
    found = []
    for r in log["runs"][0]["results"]:
        file = line = column = end = None
        if r.get("locations"):
            where = r["locations"][0]["physicalLocation"]
            uri = where["artifactLocation"]["uri"]
            uri = urllib.parse.unquote(uri)
            file = "<stdin>" if uri == "stdin" else uri[len("file://"):] if uri.startswith("file://") else uri
            region = where.get("region", {})
            line, column, end = region.get("startLine"), region.get("startColumn"), region.get("endColumn")
        found.append((file, r["level"], line, column, end, r["message"]["text"]))
    return found


class Sarif(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)
        self.root = self.dir.name
        for name, data in (("rtl/design.vhd", DESIGN), ("rtl/warned.vhd", WARNED), ("bad one.vhd", BROKEN),
                           ("skipped.vhd", SKIPPED)):
            os.makedirs(os.path.join(self.root, os.path.dirname(name)), exist_ok=True)
            with open(os.path.join(self.root, name), "wb") as f:
                f.write(data)

    def vhdl(self, args, data=None):
        p = subprocess.run([BIN, *args], input=data, capture_output=True, cwd=self.root, timeout=120)
        return p.returncode, p.stdout, p.stderr

    def log(self, name="log.sarif"):
        with open(os.path.join(self.root, name), "rb") as f:
            return json.load(f)

    def checked(self, args, data=None, want_status=None):
        """Runs with --sarif=log.sarif; the log validated and compared with
        the text lines.  Returns the log."""
        status, _, err = self.vhdl(["--sarif=log.sarif", *args], data)
        if want_status is not None:
            self.assertEqual(status, want_status, err)
        log = self.log()
        self.assertEqual(validate(log), "", args)
        self.assertEqual(logged(log), text_lines(err), args)
        run = log["runs"][0]
        driver = run["tool"]["driver"]
        self.assertEqual((driver["name"], driver["version"]), ("vhdl87c", VERSION))
        ids = [rule["id"] for rule in driver["rules"]]
        self.assertEqual(len(ids), len(set(ids)))
        for result in run["results"]:
            self.assertEqual(ids[result["ruleIndex"]], result["ruleId"])
        self.assertEqual(run["invocations"][0]["exitCode"], status)
        return log

    def test_two_files_with_errors_and_warnings(self):
        log = self.checked(["--explain", "-o", "out", "rtl/design.vhd", "rtl/warned.vhd", "bad one.vhd",
                            "skipped.vhd", "missing.vhd"], want_status=1)
        results = log["runs"][0]["results"]
        rules = {r["ruleId"] for r in results}
        self.assertTrue({"syntax-error", "wide-bit-string", "width-dropped", "process-name", "skipped-character",
                         "unreadable-input"} <= rules, rules)
        uris = {r["locations"][0]["physicalLocation"]["artifactLocation"]["uri"] for r in results}
        self.assertIn("bad%20one.vhd", uris)
        self.assertEqual(log["runs"][0]["originalUriBaseIds"]["SRCROOT"]["uri"],
                         "file://" + os.path.realpath(self.root) + "/")

    def test_standard_input_and_the_plain_run(self):
        for args, data in (([], BROKEN), (["--explain"], WARNED), (["--explain", "-x", "name.vhd"], DESIGN),
                           (["-o", "-", "-"], BROKEN)):
            log = self.checked(args, data)
            for result in log["runs"][0]["results"]:
                for where in result.get("locations", []):
                    self.assertEqual(where["physicalLocation"]["artifactLocation"]["uri"], "stdin")

    def test_no_message_no_result(self):
        log = self.checked(["-o", "out.c", "rtl/design.vhd"], want_status=0)
        self.assertEqual(log["runs"][0]["results"], [])

    def test_every_kind_has_a_rule(self):
        log = self.checked([], DESIGN)
        ids = [rule["id"] for rule in log["runs"][0]["tool"]["driver"]["rules"]]
        with open(os.path.join(TESTS, "..", "src", "warning_kinds.def")) as f:
            warnings = re.findall(r'^WARNING_KIND\(\w+, "([a-z-]+)"', f.read(), re.M)
        self.assertTrue(warnings)
        self.assertEqual([w for w in warnings if w not in ids], [])
        for rule in log["runs"][0]["tool"]["driver"]["rules"]:
            self.assertTrue(rule["shortDescription"]["text"].endswith("."), rule)

    def test_log_written_whole_or_not_at_all(self):
        status, _, err = self.vhdl(["--sarif=/dev/full", "-o", "out.c", "rtl/design.vhd"])
        self.assertEqual(status, 1)
        self.assertTrue(err.endswith(b"vhdl87c: cannot write '/dev/full': No space left on device\n"), err)
        status, _, err = self.vhdl(["--sarif=no/such/folder/log.sarif"], DESIGN)
        self.assertEqual(status, 1)
        self.assertIn(b"vhdl87c: cannot write 'no/such/folder/log.sarif': No such file or directory\n", err)
        self.assertEqual(sorted(os.listdir(self.root)), ["bad one.vhd", "out.c", "rtl", "skipped.vhd"])
        status, _, err = self.vhdl(["--sarif="], DESIGN)
        self.assertEqual(status, 1)


if __name__ == "__main__":
    BIN, TESTS, VERSION = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]), sys.argv[3]
    SCHEMA = os.path.join(TESTS, "..", "..", "shared", "schemas", "sarif-schema-2.1.0.json")
    if not os.path.exists(SCHEMA):
        print("no schema at", SCHEMA)
        sys.exit(77)
    if validate({}) is None:
        sys.exit("no jsonschema module: make test-deps installs it (python3-jsonschema)")
    result = unittest.main(argv=[sys.argv[0], "-v"], exit=False).result
    sys.exit(0 if result.wasSuccessful() and result.testsRun else 1)
