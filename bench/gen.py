#!/usr/bin/env python3
"""Generates VHDL-87 designs of a chosen shape and size for benchmarking vhdl87c.

Every design stays inside the grammar that vhdl87c accepts: expressions never
mix logical operators without parentheses, parenthesised suffixes hold
expressions or ranges only (named associations appear in port and generic
maps alone), every process ends with `end process`, and so on.  The output is
a pure function of the shape, the size and the seed.

Shapes (N is the number of items):
  units      N design units: packages, package bodies, entities,
             architectures and configurations, in turn
  statements one process holding N sequential statements
  netlist    one architecture holding N component instantiations and
             concurrent signal assignments (and the signals they use)
  ports      one entity with N ports (and one process that reads them)
  nesting    if statements nested N levels deep (at most 2400); --count C
             repeats such a nest in C processes
  mix        N modules, each a realistic mixture of all of the above

--bytes SIZE picks N so that the file reaches about SIZE bytes; for
`nesting` it picks the count of nests of --depth levels (1000 by default).
"""

import argparse
import random
import sys

# Nested ifs take four parser-stack entries a level and the stack holds
# 10000 entries, less what the process and the design unit around it take.
MAX_DEPTH = 2400


# ---------------------------------------------------------------------------
# Expressions

def bit_lit(rng):
    return rng.choice(("'0'", "'1'"))


def int_expr(rng, names, depth=0):
    """An integer expression over `names` (integer objects)."""
    a = rng.choice(names)
    b = rng.choice(names)
    k = rng.randint(1, 9)
    form = rng.randint(0, 11 if depth == 0 else 5)
    if form == 0:
        return f"{a} + {k}"
    if form == 1:
        return f"{a} - {b}"
    if form == 2:
        return f"{a} * {k} + {b}"
    if form == 3:
        return f"({a} + {b}) mod {k + 1}"
    if form == 4:
        return str(rng.randint(0, 255))
    if form == 5:
        return a
    if form == 6:
        return f"abs {a} - {k}"
    if form == 7:
        return f"{a} rem {k + 1} * 2"
    if form == 8:
        return f"({int_expr(rng, names, 1)}) / {k + 1}"
    if form == 9:
        return f"{a} + (- {b})"
    if form == 10:
        return f"2 ** ({b})"
    return f"{a} * ({int_expr(rng, names, 1)})"


def condition(rng, bits, ints):
    """A boolean expression; logical operators of one kind per level."""
    form = rng.randint(0, 8)
    a, b = rng.choice(bits), rng.choice(bits)
    i, j = rng.choice(ints), rng.choice(ints)
    if form == 0:
        return f"{a} = '1'"
    if form == 1:
        return f"{a} = '1' and {b} = '0'"
    if form == 2:
        return f"{i} < {rng.randint(1, 200)}"
    if form == 3:
        return f"{i} >= {j} or {a} /= {b}"
    if form == 4:
        return f"({a} = '1' and {i} > 3) or {b} = '1'"
    if form == 5:
        return f"{i} = {j} xor {a} = '0'"
    if form == 6:
        return f"not ({i} <= {j})"
    if form == 7:
        return f"{a} = '1' nand {b} = '1'"
    return f"{i} + 1 /= {j} * 2 and {i} > 0 and {a} = '0'"


def bit_expr(rng, bits):
    a, b, c = rng.choice(bits), rng.choice(bits), rng.choice(bits)
    form = rng.randint(0, 6)
    if form == 0:
        return a
    if form == 1:
        return f"{a} and {b}"
    if form == 2:
        return f"{a} or {b} or {c}"
    if form == 3:
        return f"{a} xor {b}"
    if form == 4:
        return f"not {a}"
    if form == 5:
        return f"({a} and {b}) or (not {c})"
    return bit_lit(rng)


# ---------------------------------------------------------------------------
# Sequential statements

class Seq:
    """Generates sequential statements over a fixed set of objects."""

    def __init__(self, rng, bits, ints, vecs, sigs, procs=()):
        self.rng = rng
        self.bits = bits      # bit variables and signals, readable
        self.ints = ints      # integer variables (assignable)
        self.vecs = vecs      # bit_vector variables (assignable)
        self.sigs = sigs      # bit signals (assignable with <=)
        self.procs = procs    # procedures taking (integer, integer)

    def simple(self, ind):
        r = self.rng
        form = r.randint(0, 9)
        if form <= 2:
            return f"{ind}{r.choice(self.ints)} := {int_expr(r, self.ints)};\n"
        if form == 3:
            return f"{ind}{r.choice(self.sigs)} <= {bit_expr(r, self.bits)};\n"
        if form == 4:
            return (f"{ind}{r.choice(self.sigs)} <= {bit_lit(r)} after "
                    f"{r.randint(1, 20)} ns;\n")
        if form == 5:
            v = r.choice(self.vecs)
            return f"{ind}{v}({r.randint(0, 7)}) := {bit_expr(r, self.bits)};\n"
        if form == 6:
            v = r.choice(self.vecs)
            return f"{ind}{v} := (others => {bit_lit(r)});\n"
        if form == 7 and self.procs:
            return (f"{ind}{r.choice(self.procs)}({r.choice(self.ints)}, "
                    f"{int_expr(r, self.ints, 1)});\n")
        if form == 8:
            return (f"{ind}assert {condition(r, self.bits, self.ints)} report "
                    f"\"check {r.randint(0, 999)} failed\" severity warning;\n")
        return f"{ind}{r.choice(self.ints)} := {r.choice(self.vecs)}'length;\n"

    def stmt(self, ind):
        """One statement, possibly compound, but never deeply nested."""
        r = self.rng
        form = r.randint(0, 13)
        if form <= 5:
            return self.simple(ind)
        i2 = ind + "  "
        if form == 6:
            return (f"{ind}if {condition(r, self.bits, self.ints)} then\n"
                    f"{self.simple(i2)}{ind}end if;\n")
        if form == 7:
            return (f"{ind}if {condition(r, self.bits, self.ints)} then\n"
                    f"{self.simple(i2)}{self.simple(i2)}"
                    f"{ind}elsif {condition(r, self.bits, self.ints)} then\n"
                    f"{self.simple(i2)}"
                    f"{ind}else\n{self.simple(i2)}{ind}end if;\n")
        if form == 8:
            sel = r.choice(self.ints)
            return (f"{ind}case {sel} is\n"
                    f"{ind}  when 0 =>\n{self.simple(i2 + '  ')}"
                    f"{ind}  when 1 | 2 =>\n{self.simple(i2 + '  ')}"
                    f"{self.simple(i2 + '  ')}"
                    f"{ind}  when 3 to 7 =>\n{self.simple(i2 + '  ')}"
                    f"{ind}  when others =>\n{i2}  null;\n"
                    f"{ind}end case;\n")
        if form == 9:
            k = r.choice(self.ints)
            return (f"{ind}for k in 0 to {r.randint(1, 15)} loop\n"
                    f"{i2}{k} := {k} + k;\n"
                    f"{i2}exit when {k} > {r.randint(100, 999)};\n"
                    f"{self.simple(i2)}{ind}end loop;\n")
        if form == 10:
            k = r.choice(self.ints)
            return (f"{ind}lp : while {k} < {r.randint(10, 99)} loop\n"
                    f"{i2}{k} := {k} + 1;\n"
                    f"{i2}next lp when {k} = 3;\n"
                    f"{self.simple(i2)}{ind}end loop lp;\n")
        if form == 11:
            return (f"{ind}for j in {r.choice(self.vecs)}'range loop\n"
                    f"{self.simple(i2)}{ind}end loop;\n")
        if form == 12:
            return f"{ind}null;\n"
        return f"{ind}wait for {r.randint(1, 100)} ns;\n"

    def nest(self, depth, ind="    "):
        """`depth` if statements, each inside the one before, each level with
        a statement before the inner if and an elsif/else after it."""
        r = self.rng
        out = []
        pad = ind
        for level in range(depth):
            out.append(f"{pad}if {condition(r, self.bits, self.ints)} then\n")
            out.append(self.simple(pad + " "))
            pad += " " if level < 40 else ""
        out.append(self.simple(pad + " "))
        for level in reversed(range(depth)):
            pad = ind + " " * min(level, 40)
            if level % 3 == 1:
                out.append(f"{pad}elsif {condition(r, self.bits, self.ints)} then\n")
                out.append(self.simple(pad + " "))
            elif level % 3 == 2:
                out.append(f"{pad}else\n")
                out.append(self.simple(pad + " "))
            out.append(f"{pad}end if;\n")
        return "".join(out)


PROCESS_VARS = (
    "    variable cnt, acc, idx, tmp : integer;\n"
    "    variable lim : integer := 10;\n"
    "    variable flag, done : bit;\n"
    "    variable buf, mask : bit_vector(7 downto 0);\n"
    "    variable st : state_t;\n"
)
PROCESS_INTS = ("cnt", "acc", "idx", "tmp", "lim")
PROCESS_VECS = ("buf", "mask")


def process_seq(rng, in_bits, out_bits, procs=()):
    return Seq(rng, bits=tuple(in_bits) + ("flag", "done"), ints=PROCESS_INTS,
               vecs=PROCESS_VECS, sigs=tuple(out_bits), procs=procs)


# ---------------------------------------------------------------------------
# Design units

def package_decl(rng, i):
    return (f"package pkg{i} is\n"
            f"  constant width{i} : integer := {rng.randint(4, 64)};\n"
            f"  constant depth{i} : integer := width{i} * 2 + 1;\n"
            f"  type state_t is (s_idle, s_load, s_run, s_wait, s_done);\n"
            f"  type word{i} is array (15 downto 0) of bit;\n"
            f"  type table{i} is array (0 to 255) of integer;\n"
            f"  type bits{i} is array (natural range <>) of bit;\n"
            f"  subtype small{i} is integer range 0 to {rng.randint(10, 999)};\n"
            f"  type pair{i} is record\n"
            f"    lo, hi : integer;\n"
            f"    ok : bit;\n"
            f"  end record;\n"
            f"  signal tick{i} : bit;\n"
            f"  component cell{i}\n"
            f"    generic (n : integer := 4);\n"
            f"    port (a, b : in bit; y : out bit);\n"
            f"  end component;\n"
            f"  function inc{i} (x : integer; step : integer) return integer;\n"
            f"  procedure clear{i} (signal s : out bit; n : in integer);\n"
            f"end pkg{i};\n\n")


def package_body(rng, i):
    return (f"package body pkg{i} is\n"
            f"  function inc{i} (x : integer; step : integer) return integer is\n"
            f"    variable t : integer;\n"
            f"  begin\n"
            f"    t := x + step;\n"
            f"    if t > {rng.randint(100, 9999)} then\n"
            f"      return t - {rng.randint(1, 99)};\n"
            f"    end if;\n"
            f"    return t;\n"
            f"  end inc{i};\n"
            f"  procedure clear{i} (signal s : out bit; n : in integer) is\n"
            f"  begin\n"
            f"    for k in 1 to n loop\n"
            f"      s <= '0';\n"
            f"    end loop;\n"
            f"  end clear{i};\n"
            f"end pkg{i};\n\n")


def entity(rng, i, nports):
    lines = [f"library ieee;\nuse ieee.std_logic_1164.all;\nuse work.pkg{i}.all;\n\n",
             f"entity ent{i} is\n  generic (width : integer := 8; delay : time := 2 ns);\n",
             f"  port (clk, rst : in bit;\n"]
    for k in range(nports):
        kind = k % 4
        if kind == 0:
            lines.append(f"        a{k}, b{k} : in bit;\n")
        elif kind == 1:
            lines.append(f"        q{k} : out bit;\n")
        elif kind == 2:
            lines.append(f"        d{k} : in bit_vector(7 downto 0);\n")
        else:
            lines.append(f"        n{k} : inout integer;\n")
    lines.append(f"        y{i} : out bit);\nend ent{i};\n\n")
    return "".join(lines)


def entity_ports(i, nports):
    ins = ["clk", "rst"] + [f"a{k}" for k in range(0, nports, 4)]
    outs = [f"q{k}" for k in range(1, nports, 4)] + [f"y{i}"]
    return ins, outs


def architecture(rng, i, nports, nprocs, nstats, depth):
    ins, outs = entity_ports(i, nports)
    sigs = [f"s{i}_{k}" for k in range(6)]
    out = [f"architecture rtl of ent{i} is\n",
           f"  signal {', '.join(sigs)} : bit;\n",
           f"  signal cnt{i} : integer := 0;\n",
           f"  signal st{i} : state_t;\n",
           f"  component gate{i}\n    port (a, b : in bit; y : out bit);\n  end component;\n",
           "begin\n"]
    bits = ins + sigs
    for k in range(rng.randint(2, 5)):
        out.append(f"  g{k} : gate{i} port map (a => {rng.choice(bits)}, "
                   f"b => {rng.choice(bits)}, y => {sigs[k % len(sigs)]});\n")
    out.append(f"  c{i} : cell{i} generic map (n => 3) port map ({rng.choice(bits)}, "
               f"{rng.choice(bits)}, {sigs[5]});\n")
    for k in range(rng.randint(3, 7)):
        out.append(concurrent_assign(rng, f"{rng.choice(outs)}", bits))
    out.append(f"  gen{i} : for k in 0 to 3 generate\n"
               f"    {sigs[0]} <= {rng.choice(bits)} xor {rng.choice(bits)};\n"
               f"  end generate gen{i};\n")
    out.append(f"  blk{i} : block\n  begin\n    {sigs[1]} <= {bit_expr(rng, bits)};\n"
               f"  end block blk{i};\n")
    for p in range(nprocs):
        seq = process_seq(rng, bits, outs + sigs[2:4], procs=(f"clear_a{i}",))
        clocked = p % 2 == 0
        out.append(f"  p{p} : process{' (clk, rst)' if clocked else ''}\n{PROCESS_VARS}"
                   f"    procedure clear_a{i} (a, b : integer) is\n"
                   f"    begin\n      null;\n    end clear_a{i};\n"
                   f"  begin\n")
        if clocked:
            out.append("    if rst = '1' then\n      cnt := 0;\n"
                       "    elsif clk'event and clk = '1' then\n")
            for _ in range(nstats):
                out.append(seq.stmt("      "))
            out.append("    end if;\n")
        else:
            for _ in range(nstats):
                out.append(seq.stmt("    "))
            out.append(seq.nest(depth))
            out.append("    wait until clk = '1';\n")
        out.append(f"  end process p{p};\n")
    out.append(f"end rtl;\n\n")
    return "".join(out)


def concurrent_assign(rng, target, bits):
    form = rng.randint(0, 3)
    if form == 0:
        return f"  {target} <= {bit_expr(rng, bits)};\n"
    if form == 1:
        return f"  {target} <= {bit_expr(rng, bits)} after 1 ns;\n"
    if form == 2:
        return (f"  {target} <= {rng.choice(bits)} when {rng.choice(bits)} = '1' else\n"
                f"    {rng.choice(bits)} when {rng.choice(bits)} = '0' else\n"
                f"    {bit_lit(rng)};\n")
    return (f"  with {rng.choice(bits)} select\n"
            f"    {target} <= {rng.choice(bits)} when '0',\n"
            f"      {rng.choice(bits)} when others;\n")


def configuration(rng, i):
    return (f"configuration cfg{i} of ent{i} is\n"
            f"  for rtl\n"
            f"    for all : gate{i}\n"
            f"      use entity work.gate_e(rtl);\n"
            f"    end for;\n"
            f"  end for;\n"
            f"end cfg{i};\n\n")


# ---------------------------------------------------------------------------
# Shapes: each returns (header, item function, footer function)

def shape_units(rng, opts):
    def item(i):
        g, kind = divmod(i, 5)
        if kind == 0:
            return package_decl(rng, g)
        if kind == 1:
            return package_body(rng, g)
        if kind == 2:
            return entity(rng, g, rng.randint(4, 16))
        if kind == 3:
            return architecture(rng, g, 8, 1, rng.randint(3, 8), rng.randint(1, 4))
        return configuration(rng, g)

    def footer(n):
        # Complete the last group so that every architecture has its entity.
        return "".join(item(i) for i in range(n, -(-n // 5) * 5))
    return package_decl(rng, "_units"), item, footer


def shape_statements(rng, opts):
    ins, outs = ["clk", "rst", "a", "b", "c"], ["y", "z"]
    header = (package_decl(rng, "") +
              "entity stmts is\n  port (clk, rst, a, b, c : in bit; y, z : out bit);\n"
              "end stmts;\n\narchitecture seq of stmts is\nbegin\n"
              f"  main : process\n{PROCESS_VARS}"
              "    procedure work (a, b : integer) is\n    begin\n      null;\n    end work;\n"
              "  begin\n")
    seq = process_seq(rng, ins, outs, procs=("work",))

    def item(i):
        return seq.stmt("    ")
    return header, item, lambda n: "  end process main;\nend seq;\n"


def shape_netlist(rng, opts):
    comps = ("and2", "or2", "xor2")
    header_parts = [package_decl(rng, ""),
                    "entity net is\n  port (clk, sel, i0, i1 : in bit; o : out bit);\nend net;\n\n"
                    "architecture flat of net is\n"]
    for c in comps:
        header_parts.append(f"  component {c}\n    port (a, b : in bit; y : out bit);\n"
                            "  end component;\n")

    def decls(n):
        # One signal per item, declared in groups of 16.
        out = []
        for g in range(0, n + 1, 16):
            names = ", ".join(f"w{k}" for k in range(g, min(g + 16, n + 1)))
            out.append(f"  signal {names} : bit;\n")
        return "".join(out) + "begin\n"

    def wire(i):
        return f"w{rng.randint(0, i)}" if i else "i0"

    def item(i):
        form = i % 5
        if form <= 1:
            return (f"  u{i} : {comps[i % 3]} port map (a => {wire(i)}, b => {wire(i)}, "
                    f"y => w{i + 1});\n")
        if form == 2:
            return f"  w{i + 1} <= {wire(i)} xor {wire(i)};\n"
        if form == 3:
            return f"  w{i + 1} <= {wire(i)} when sel = '1' else {wire(i)};\n"
        return (f"  with sel select\n    w{i + 1} <= {wire(i)} when '0',\n"
                f"      {wire(i)} when others;\n")

    # The declarations depend on N, so the header is a function of N too.
    return ("".join(header_parts), decls), item, lambda n: f"  o <= w{n};\nend flat;\n"


def shape_ports(rng, opts):
    header = "entity wide is\n  generic (width : integer := 8);\n  port (clk : in bit;\n"

    def item(i):
        kind = i % 5
        if kind == 0:
            return f"        i{i} : in bit;\n"
        if kind == 1:
            return f"        o{i} : out bit;\n"
        if kind == 2:
            return f"        v{i} : in bit_vector(7 downto 0);\n"
        if kind == 3:
            return f"        x{i}, x{i}b, x{i}c : inout integer;\n"
        return f"        l{i} : in std_logic := '0';\n"

    def footer(n):
        ins = [f"i{k}" for k in range(0, n, 5)][:8] or ["clk"]
        outs = [f"o{k}" for k in range(1, n, 5)][:8] or ["last"]
        body = "".join(f"    {o} <= {ins[k % len(ins)]};\n" for k, o in enumerate(outs))
        return ("        last : out bit);\nend wide;\n\n"
                "architecture rtl of wide is\nbegin\n"
                f"  drive : process (clk)\n  begin\n{body}  end process drive;\nend rtl;\n")
    return header, item, footer


def shape_nesting(rng, opts):
    depth = opts.depth
    header = (package_decl(rng, "") +
              "entity nest is\n  port (clk, a, b, c : in bit; y, z : out bit);\nend nest;\n\n"
              "architecture deep of nest is\nbegin\n")
    seq = process_seq(rng, ["clk", "a", "b", "c"], ["y", "z"])

    def item(i):
        return (f"  p{i} : process (clk)\n{PROCESS_VARS}  begin\n"
                f"{seq.nest(depth)}  end process p{i};\n")
    return header, item, lambda n: "end deep;\n"


def shape_mix(rng, opts):
    def item(i):
        nports = rng.randint(8, 30)
        parts = [package_decl(rng, i), package_body(rng, i), entity(rng, i, nports),
                 architecture(rng, i, nports, rng.randint(1, 3), rng.randint(5, 20),
                              rng.randint(2, 6))]
        if i % 3 == 0:
            parts.append(configuration(rng, i))
        return "".join(parts)
    return "-- generated design: a mix of units\n", item, lambda n: ""


SHAPES = {
    "units": shape_units,
    "statements": shape_statements,
    "netlist": shape_netlist,
    "ports": shape_ports,
    "nesting": shape_nesting,
    "mix": shape_mix,
}


# ---------------------------------------------------------------------------
# Driver

class Counter:
    """A sink that only counts bytes."""

    def __init__(self):
        self.size = 0

    def write(self, text):
        self.size += len(text)


def render(shape, n, seed, opts, out):
    rng = random.Random(f"{shape}/{seed}")
    header, item, footer = SHAPES[shape](rng, opts)
    if isinstance(header, tuple):
        out.write(header[0])
        out.write(header[1](n))
    else:
        out.write(header)
    chunk = []
    for i in range(n):
        chunk.append(item(i))
        if len(chunk) == 256:
            out.write("".join(chunk))
            chunk.clear()
    out.write("".join(chunk))
    out.write(footer(n))


def size_of(shape, n, seed, opts):
    counter = Counter()
    render(shape, n, seed, opts, counter)
    return counter.size


def items_for_bytes(shape, target, seed, opts):
    """The N whose file comes within about 1% of `target` bytes: the size
    of one item is taken from a sample of a few megabytes at most, and the
    answer is refined on the real size while that is cheap to compute."""
    s1 = size_of(shape, 1, seed, opts)
    k, sk = 1, s1
    while sk < min(target / 4, 2 << 20):
        k *= 2
        sk = size_of(shape, k, seed, opts)
    per_item = (sk - s1) / (k - 1) if k > 1 else float(max(s1, 1))
    n = max(1, int(round((target - s1) / per_item)) + 1)
    for _ in range(3):
        if n * per_item > (8 << 20):
            break
        s = size_of(shape, n, seed, opts)
        if abs(s - target) <= target / 200:
            break
        if n > 1:
            per_item = max(1.0, (s - s1) / (n - 1))
        better = max(1, int(round((target - s1) / per_item)) + 1)
        if better == n:
            break
        n = better
    return n


def parse_size(text):
    units = {"k": 1 << 10, "m": 1 << 20, "g": 1 << 30}
    text = text.strip().lower()
    if text and text[-1] in units:
        return int(float(text[:-1]) * units[text[-1]])
    return int(text)


def main():
    ap = argparse.ArgumentParser(
        description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("shape", choices=sorted(SHAPES))
    size = ap.add_mutually_exclusive_group(required=True)
    size.add_argument("-n", type=int, metavar="N",
                      help="number of items (for nesting: the depth of one nest)")
    size.add_argument("--bytes", type=parse_size, metavar="SIZE",
                      help="target file size, e.g. 100M, 512K, 2000000")
    ap.add_argument("--depth", type=int, default=None,
                    help=f"nesting with --bytes: levels of each nest (at most {MAX_DEPTH}; "
                         "default 1000)")
    ap.add_argument("--count", type=int, default=None,
                    help="nesting with -n: number of nests, one per process (default 1)")
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("-o", "--output", help="output file (default: standard output)")
    ap.add_argument("--stats", action="store_true",
                    help="print the shape, N and the size on standard error")
    opts = ap.parse_args()

    if opts.shape == "nesting":
        # -n N gives the depth (and --count the count); --bytes gives the
        # count (and --depth the depth).
        if opts.n is not None:
            if opts.depth is not None:
                ap.error("with -n, N is the depth: --depth goes with --bytes")
            opts.depth, opts.n = opts.n, opts.count if opts.count is not None else 1
        else:
            if opts.count is not None:
                ap.error("--count goes with -n: --bytes picks the count")
            opts.depth = opts.depth if opts.depth is not None else 1000
        if not 1 <= opts.depth <= MAX_DEPTH:
            ap.error(f"nesting depth must be 1..{MAX_DEPTH} (the parser stack holds 10000 entries)")
    elif opts.depth is not None or opts.count is not None:
        ap.error("--depth and --count apply to the nesting shape only")
    if opts.n is not None and opts.n < 1:
        ap.error("N must be at least 1")

    n = opts.n if opts.n is not None else items_for_bytes(opts.shape, opts.bytes, opts.seed, opts)
    out = open(opts.output, "w", encoding="ascii", newline="\n") if opts.output else sys.stdout
    counter = Counter()

    class Tee:
        def write(self, text):
            counter.write(text)
            out.write(text)
    try:
        render(opts.shape, n, opts.seed, opts, Tee())
        out.flush()
    except BrokenPipeError:
        sys.stderr.close()
        sys.exit(1)
    if opts.output:
        out.close()
    if opts.stats:
        extra = f" depth={opts.depth}" if opts.shape == "nesting" else ""
        print(f"shape={opts.shape} n={n}{extra} bytes={counter.size}", file=sys.stderr)


if __name__ == "__main__":
    main()
