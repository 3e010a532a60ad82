#!/usr/bin/env python3
"""Writes the grammar with every action replaced by one that releases the
fragments of its right-hand side and yields none: same productions, same
tables, no composition.

    bare_grammar.py [--bison BISON] GRAMMAR.y > BARE.y

The productions come from bison's own report of GRAMMAR.y
(scripts/grammar_rules.py), not from its text, so the grammar file's layout
does not matter.  The declarations (value type, tokens and their numbers,
precedence, destructors, code blocks) are copied as they stand: everything
before the first line that is only "%%".  So is the epilogue, after a
second such line.
"""
import argparse
import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
import grammar_rules  # noqa: E402


def sections(text):
    """(declarations, epilogue) of a grammar file."""
    marks = [m for m in re.finditer(r"^%%[ \t]*$", text, flags=re.M)]
    if not marks:
        raise SystemExit("bare_grammar: no %% line ends the declarations")
    declarations = text[:marks[0].start()]
    epilogue = text[marks[-1].end():] if len(marks) > 1 else ""
    return declarations, epilogue


def bare_action(grammar, rule):
    """Releases every value of the right-hand side, then $$ = nullptr."""
    steps = ["Release($%d);" % k for k, symbol in enumerate(rule.rhs, 1)
             if not symbol.startswith(("$@", "@")) and grammar.carries_value(symbol)]
    if grammar.carries_value(rule.lhs):
        steps.append("$$ = nullptr;")
    return "{ " + " ".join(steps) + " }"


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--bison")
    ap.add_argument("grammar")
    args = ap.parse_args()
    with open(args.grammar, encoding="utf-8") as f:
        declarations, epilogue = sections(f.read())
    grammar = grammar_rules.read(args.grammar, args.bison)

    out = [declarations, "%%\n"]
    for rule in grammar.rules:
        if rule.lhs.startswith(("$@", "@")):
            continue        # a mid-rule action: written in place below
        rhs = ["{ }" if s.startswith(("$@", "@")) else s for s in rule.rhs] or ["%empty"]
        prec = " %prec " + rule.prec if rule.prec else ""
        out.append("%s : %s%s %s ;\n" % (rule.lhs, " ".join(rhs), prec, bare_action(grammar, rule)))
    if epilogue:
        out += ["%%", epilogue]
    sys.stdout.write("".join(out))


if __name__ == "__main__":
    main()
