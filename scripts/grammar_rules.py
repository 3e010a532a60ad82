#!/usr/bin/env python3
"""The productions of a bison grammar, as bison itself reads them.

Tools that need the grammar's rules (the fuzzer's generator, the parse-only
engine, the grouping probe, the test that every rule is reduced) take them
from bison's XML report instead of reading the grammar file, so the file's
layout (tags, line breaks, comments, how actions are wrapped) is free to
change.

    grammar_rules.py [--bison BISON] GRAMMAR.y       prints NUMBER LHS: RHS...

As a module: read(path) -> Grammar with .rules (Rule: number, lhs, rhs,
prec) in bison's numbering (rule 0, $accept, left out) and .types (symbol
name -> its value's type tag, "" when it has none).
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from collections import namedtuple

Rule = namedtuple("Rule", "number lhs rhs prec")


class Grammar:
    def __init__(self, rules, types, tokens):
        self.rules = rules      # [Rule], in the order of the report
        self.types = types      # symbol -> type tag ("" for none)
        self.tokens = tokens    # terminal -> token number

    def by_lhs(self):
        """{lhs: [rhs, ...]} in the order of the rules."""
        out = {}
        for rule in self.rules:
            out.setdefault(rule.lhs, []).append(list(rule.rhs))
        return out

    def one_value_type(self):
        """Whether every symbol has the same value type (api.value.type
        with no tags): then every $k has a value."""
        return not any(self.types.values())

    def carries_value(self, symbol):
        return self.one_value_type() or bool(self.types.get(symbol))


def report(path, bison=None):
    """Bison's XML report of the grammar at `path`, as an ElementTree root."""
    bison = bison or os.environ.get("BISON") or shutil.which("bison") or "bison"
    tmp = tempfile.mkdtemp(prefix="grammar-rules.")
    try:
        xml = os.path.join(tmp, "grammar.xml")
        run = subprocess.run([bison, "-Wnone", "--xml=" + xml, "-o", os.path.join(tmp, "grammar.cc"),
                              os.path.abspath(path)], cwd=tmp, stderr=subprocess.PIPE, text=True)
        if run.returncode != 0 or not os.path.exists(xml):
            raise SystemExit("grammar_rules: bison cannot read %s:\n%s" % (path, run.stderr))
        return ET.parse(xml).getroot()
    finally:
        shutil.rmtree(tmp, ignore_errors=True)


def read(path, bison=None):
    root = report(path, bison)
    rules = []
    for node in root.find("grammar").find("rules"):
        number = int(node.get("number"))
        lhs = node.findtext("lhs")
        if number == 0 or lhs == "$accept":
            continue
        rhs = tuple(s.text for s in node.find("rhs") if s.tag == "symbol")
        rules.append(Rule(number, lhs, rhs, node.get("percent_prec")))
    types, tokens = {}, {}
    for kind in ("terminals", "nonterminals"):
        for node in root.find("grammar").find(kind):
            types[node.get("name")] = node.get("type") or ""
            if node.get("token-number") is not None:
                tokens[node.get("name")] = int(node.get("token-number"))
    return Grammar(rules, types, tokens)


def main():
    ap = argparse.ArgumentParser(description="Prints the rules of a bison grammar, numbered as bison numbers them.")
    ap.add_argument("--bison", help="the bison program (default: $BISON or bison)")
    ap.add_argument("grammar")
    args = ap.parse_args()
    for rule in read(args.grammar, args.bison).rules:
        print("%d %s: %s" % (rule.number, rule.lhs, " ".join(rule.rhs) or "%empty"))


if __name__ == "__main__":
    main()
