#!/usr/bin/env python3
"""Every rule of the grammar is reduced by some golden input.

Runs the golden inputs through count_reductions (the translator's parser
with its reductions counted) and fails naming each rule that none of them
reduces, with its line in the grammar file.  The rules are bison's own
(scripts/grammar_rules.py), so the count does not depend on the grammar
file's layout.

    every_rule.py --counter BIN --grammar src/parser.y [--bison B] INPUT_OR_DIR...

With --base BASE_GRAMMAR, only the rules that GRAMMAR has beyond those of
BASE_GRAMMAR (the later grammar's own, numbered after the base's) must be
reduced.  With --lines PARSER.cc (the parser bison generated from GRAMMAR)
and --source FILE, a rule never reduced is named with its line in FILE, as
the parser's table of rule lines has it (the joined later grammar's #line
directives make those the lines of later.y).

A directory stands for every .vhd file below it.
"""

import argparse
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
import grammar_rules  # noqa: E402


def inputs(paths):
    files = []
    for path in paths:
        if os.path.isdir(path):
            for top, _, names in os.walk(path):
                files += [os.path.join(top, n) for n in names if n.endswith(".vhd")]
        elif os.path.exists(path):
            files.append(path)
    return sorted(files)


def read_rule_lines(parser):
    """The table yyrline of a generated parser: the line of each rule."""
    text = open(parser).read()
    m = re.search(r"yyrline\[\] =\s*\{([^}]*)\}", text)
    return [int(x) for x in m.group(1).replace(",", " ").split()] if m else []


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--counter", required=True)
    ap.add_argument("--grammar", required=True)
    ap.add_argument("--bison")
    ap.add_argument("--counts", action="store_true", help="print every rule's count")
    ap.add_argument("--base", help="only the rules beyond this grammar's must be reduced")
    ap.add_argument("--lines", help="the generated parser, for its table of rule lines")
    ap.add_argument("--source", help="the file those lines are in")
    ap.add_argument("paths", nargs="+")
    args = ap.parse_args()

    grammar = grammar_rules.read(args.grammar, args.bison)
    files = inputs(args.paths)
    if not files:
        sys.exit("every_rule: no inputs")
    run = subprocess.run([args.counter] + files, stdout=subprocess.PIPE, text=True)
    if run.returncode != 0:
        sys.exit("every_rule: %s failed with status %d" % (args.counter, run.returncode))
    counts, lines = {}, {}
    for line in run.stdout.splitlines():
        rule, count, at = (int(x) for x in line.split())
        counts[rule], lines[rule] = count, at

    numbers = {rule.number for rule in grammar.rules}
    strange = sorted(set(counts) - numbers)
    if strange:
        sys.exit("every_rule: the counting build reduced rules %s, which the grammar has not: "
                 "is it built from another grammar?" % strange)
    first = 0
    if args.base:
        first = max(rule.number for rule in grammar_rules.read(args.base, args.bison).rules) + 1
    required = [rule for rule in grammar.rules if rule.number >= first]
    never = [rule for rule in required if rule.number not in counts]
    if args.counts:
        for rule in grammar.rules:
            print("%6d  %s: %s" % (counts.get(rule.number, 0), rule.lhs, " ".join(rule.rhs) or "%empty"))
    rule_lines = read_rule_lines(args.lines) if args.lines else []
    for rule in never:
        where = os.path.basename(args.grammar)
        # The parser's table numbers rules one above the report.
        if args.source and rule.number + 1 < len(rule_lines):
            where = "%s:%d" % (args.source, rule_lines[rule.number + 1])
        print("%s: rule %d never reduced: %s: %s"
              % (where, rule.number, rule.lhs, " ".join(rule.rhs) or "%empty"))
    print("%d inputs, %d of %d rules reduced" % (len(files), len(required) - len(never), len(required)))
    sys.exit(1 if never else 0)


if __name__ == "__main__":
    main()
