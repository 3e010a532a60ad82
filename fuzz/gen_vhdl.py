#!/usr/bin/env python3
"""Random VHDL-87 design files that the translator's grammar accepts.

The productions are bison's own reading of src/parser.y (its report, through
scripts/grammar_rules.py; bison must be installed), so every production of
the grammar can be chosen, the generator follows the grammar as it changes,
and the grammar file's layout does not matter.
A derivation is random but bounded: alternatives are drawn uniformly among
those that can still finish within the remaining depth, and once a file has
grown past its token budget only the shortest alternatives are taken.

The two-operand relations are the one place where a derivation can be valid
for the grammar but not for the parser, which settles them by precedence
(relational operators do not chain, "**" joins two primaries only, a sign
stands only at the start of an operand).  `relation` is therefore written
level by level: relational, adding, multiplying, then a factor.

Token texts are drawn from pools that include the type names with a C
meaning, every literal form of the scanner (based, colon-based, exponents,
doubled quotes, "%" delimiters) and operator-symbol designators.  Letter case
is mixed at random, and the tokens are separated by blanks, tabs, line ends
(some CR LF) and comments.  Everything is drawn from one seeded generator:
the same seed gives the same files.

    gen_vhdl.py --seed 7 --count 50 --out DIR    writes DIR/gen-7-0001.vhd ...
    gen_vhdl.py --seed 7                         writes one file to stdout
"""

import argparse
import os
import random
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "scripts"))
import grammar_rules  # noqa: E402
import token_list  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_GRAMMAR = os.path.join(HERE, "..", "src", "parser.y")

# The reserved words and the spellings of the fixed tokens come from the
# token list (src/tokens.def); a bar is drawn as "|" or "!" below.
TOKENS = token_list.read()
RESERVED = set(token_list.reserved_words(TOKENS))
SPELLINGS = {token: text for token, text in token_list.spellings(TOKENS).items() if token != "t_Bar"}

# Names with a meaning of their own to the translator (type-name mapping,
# boolean literals) come up often; the rest are made up.
KNOWN_NAMES = """bit bit_vector integer natural positive boolean true false real character
string time severity_level std_logic std_logic_vector std_ulogic std_ulogic_vector
signed unsigned ieee std_logic_1164 work rising_edge event high low left right length
ns ps us ms sec fs clk reset q d en a b c x y""".split()

ABSTRACT_LITERALS = """0 1 2 7 15 42 255 1000 1_000 3.14 0.5 1.5e-3 2e+6 1e5 6E3 16#ff#
2#1010_0101# 16#f.8#e2 8#777# 16:ff: 2:1_0: 99999999999999999999999999999
2147483647 2147483648 4294967296""".split()

CHARACTER_LITERALS = ["'0'", "'1'", "'a'", "'Z'", "'x'", "'''", "' '", "'\"'", "'-'", "'%'", "'('"]

STRING_LITERALS = ['""', '"abc"', '"Hello World"', '"say ""hi"""', '"--not a comment"',
                   '"+"', '"and"', '"="', '"0101"', '%abc%', '%a%%b%', '%say "hi"%',
                   '"tab\there"', '"x\'y"']

BIT_STRING_LITERALS = ['b"0101"', 'B"1111_0000"', 'o"17"', 'x"ff"', 'X"9A"', 'b"012"',
                       'x"ffffffff"', 'x"100000000"', 'b%1_0%', 'x"deadbeef"',
                       'b"' + "1" * 40 + '"', 'o%7_7%']


# How deep a symbol may nest in itself before the generator closes it.
NESTING = {"primary": 2, "seq_stat": 3, "concurrent_stat": 2, "block_config": 2,
           "subprog_body": 2, "gen_association_list": 2, "aggregate": 2, "name": 2,
           "name2": 2, "mark": 2}


def read_grammar(path, bison=None):
    """Productions of the grammar, as bison reads them:
    {lhs: [[symbol, ...], ...]}, alternatives in the grammar's order."""
    return grammar_rules.read(path, bison).by_lhs()


def min_heights(rules):
    """Height of the lowest derivation tree of each symbol (terminals 0)."""
    inf = float("inf")
    height = {lhs: inf for lhs in rules}

    def h(symbol):
        return height.get(symbol, 0) if symbol in rules else 0

    changed = True
    while changed:
        changed = False
        for lhs, alts in rules.items():
            best = min(1 + max([h(s) for s in alt], default=0) for alt in alts)
            if best < height[lhs]:
                height[lhs], changed = best, True
    return height


class Generator:
    def __init__(self, rules, rng, max_depth=45, max_tokens=1500):
        self.rules = rules
        self.rng = rng
        self.height = min_heights(rules)
        self.max_depth = max_depth
        self.max_tokens = max_tokens
        self.tokens = []
        self.open = {}      # symbol -> how often it is being derived now
        self.expr_end = 0   # token count that closes the current expression
        self.used = set()   # (lhs, alternative index) chosen so far

    # ---- tokens ---------------------------------------------------------

    def identifier(self):
        r = self.rng
        if r.random() < 0.45:
            return r.choice(KNOWN_NAMES)
        while True:
            n = r.choice([1, 1, 2, 3, 5, 8, 12, 30])
            text = r.choice("abcdefghijklmnopqrstuvwxyz")
            for _ in range(n - 1):
                if r.random() < 0.12 and text[-1] != "_":
                    text += "_"
                text += r.choice("abcdefghijklmnopqrstuvwxyz0123456789")
            if text[-1] == "_":
                text += "z"
            if text not in RESERVED:
                return text

    def terminal(self, symbol):
        r = self.rng
        if symbol.startswith("'"):
            return symbol[1]
        if symbol in SPELLINGS:
            return SPELLINGS[symbol]
        if symbol == "t_Bar":
            return r.choice("|||!")
        if symbol == "t_Identifier":
            return self.identifier()
        if symbol == "t_AbstractLit":
            if r.random() < 0.3:
                return str(r.randrange(0, 10 ** r.randrange(1, 12)))
            return r.choice(ABSTRACT_LITERALS)
        if symbol == "t_CharacterLit":
            return r.choice(CHARACTER_LITERALS)
        if symbol == "t_StringLit":
            return r.choice(STRING_LITERALS)
        if symbol == "t_BitStringLit":
            return r.choice(BIT_STRING_LITERALS)
        raise SystemExit("gen_vhdl: no text for terminal " + symbol)

    def emit(self, text):
        self.tokens.append(text)

    # ---- derivation -----------------------------------------------------

    def budget_spent(self):
        return len(self.tokens) >= self.max_tokens

    def closing(self):
        """Whether to take the shortest ways only: past the budget, or
        inside an expression nested in two others."""
        return (self.budget_spent() or self.open.get("expr", 0) >= 3 or
                (self.open.get("expr", 0) > 0 and len(self.tokens) > self.expr_end))

    def alt_height(self, alt):
        return 1 + max([self.height.get(s, 0) for s in alt], default=0)

    def derive(self, symbol, depth):
        if symbol not in self.rules:
            self.emit(self.terminal(symbol))
            return
        if symbol == "relation":
            self.relation(depth)
            return
        alts = list(enumerate(self.rules[symbol]))
        # A symbol nested in itself more than a few times, or a file past
        # its budget, takes the shortest way out.
        if self.closing() or self.open.get(symbol, 0) >= NESTING.get(symbol, 3):
            fitting = [min(alts, key=lambda a: (self.alt_height(a[1]), len(a[1])))]
        else:
            fitting = [a for a in alts if self.alt_height(a[1]) <= depth] or \
                [min(alts, key=lambda a: self.alt_height(a[1]))]
        if symbol == "expr" and not self.open.get("expr"):
            # An outermost expression gets a token budget of its own.
            self.expr_end = len(self.tokens) + self.rng.choice([2, 5, 10, 20, 40])
        index, alt = self.rng.choice(fitting)
        self.used.add((symbol, index))
        self.open[symbol] = self.open.get(symbol, 0) + 1
        for s in alt:
            self.derive(s, depth - 1)
        self.open[symbol] -= 1

    # relation, level by level, so that the parser's precedence accepts it
    def relation(self, depth):
        self.simple(depth)
        if self.rng.random() < 0.3 and not self.closing():
            self.emit(self.rng.choice(["=", "/=", "<", "<=", ">", ">="]))
            self.simple(depth)

    def simple(self, depth):
        self.term(depth)
        while self.rng.random() < 0.3 and not self.closing():
            self.emit(self.rng.choice(["+", "-", "&"]))
            self.term(depth)

    def term(self, depth):
        self.factor(depth)
        while self.rng.random() < 0.25 and not self.closing():
            self.emit(self.rng.choice(["*", "/", "mod", "rem"]))
            self.factor(depth)

    def factor(self, depth):
        r = self.rng.random()
        if r < 0.06:
            self.emit(self.rng.choice(["+", "-", "abs", "not"]))
        elif r < 0.08:
            self.emit("-")
            self.emit("abs")
        self.derive("primary", depth - 1)
        if 0.08 <= r < 0.12:
            self.emit("**")
            self.derive("primary", depth - 1)

    # ---- text -------------------------------------------------------------

    def mixed_case(self, text):
        r = self.rng.random()
        if r < 0.6:
            return text
        if r < 0.75:
            return text.upper()
        if r < 0.85:
            return text.capitalize()
        return "".join(c.upper() if self.rng.random() < 0.5 else c for c in text)

    def separator(self):
        r = self.rng.random()
        if r < 0.80:
            return " "
        if r < 0.88:
            return "\n" + " " * self.rng.randrange(0, 9)
        if r < 0.93:
            return "\t"
        if r < 0.96:
            return "\r\n  "
        return " -- " + self.rng.choice(["note", "A comment; end;", "x := 1", ""]) + "\n"

    def design_file(self, units=None):
        self.tokens = []
        if units is None:
            self.derive("start", self.max_depth)
        else:
            for _ in range(units):
                self.derive("design_unit", self.max_depth)
        out = []
        for i, token in enumerate(self.tokens):
            if i:
                out.append(self.separator())
            out.append(self.mixed_case(token))
        out.append("\n")
        return "".join(out)


def main():
    ap = argparse.ArgumentParser(description="Random VHDL-87 design files within the translator's grammar.")
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--count", type=int, default=1, help="number of files")
    ap.add_argument("--out", help="directory for the files (default: one file on standard output)")
    ap.add_argument("--grammar", default=DEFAULT_GRAMMAR, help="the bison grammar (default: src/parser.y)")
    ap.add_argument("--bison", help="the bison program (default: $BISON or bison)")
    ap.add_argument("--max-tokens", type=int, default=1500, help="soft limit of tokens per file")
    ap.add_argument("--max-depth", type=int, default=45, help="depth limit of a derivation")
    ap.add_argument("--units", type=int, help="design units per file (default: drawn by the grammar)")
    ap.add_argument("--stats", action="store_true", help="print the grammar's size on the error stream")
    args = ap.parse_args()

    rules = read_grammar(args.grammar, args.bison)
    rng = random.Random(args.seed)
    gen = Generator(rules, rng, args.max_depth, args.max_tokens)
    if not args.out:
        sys.stdout.write(gen.design_file(args.units))
    else:
        os.makedirs(args.out, exist_ok=True)
        for i in range(1, args.count + 1):
            path = os.path.join(args.out, "gen-%d-%04d.vhd" % (args.seed, i))
            with open(path, "w", encoding="ascii", newline="") as f:
                f.write(gen.design_file(args.units))
    if args.stats:
        total = sum(len(a) for a in rules.values())
        print("%d nonterminals, %d productions, %d used (relation's own not counted)"
              % (len(rules), total, len(gen.used)), file=sys.stderr)
        missing = sorted({lhs for lhs, alts in rules.items() for i in range(len(alts))
                          if (lhs, i) not in gen.used and lhs != "relation"})
        if missing:
            print("not used: " + " ".join(missing), file=sys.stderr)


if __name__ == "__main__":
    main()
