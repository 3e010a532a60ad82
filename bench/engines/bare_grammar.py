#!/usr/bin/env python3
"""Writes the grammar with every action replaced by one that releases the
fragments of its right-hand side and yields none: same productions, same
tables, no composition.

    bare_grammar.py GRAMMAR.y > BARE.y
"""
import re
import sys

RELEASE = "{ for (int k = 1 - yylen; k <= 0; ++k) Release(yyvsp[k].frag); $$ = nullptr; }"

text = open(sys.argv[1]).read()
declarations, rules, code = text.split("\n%%\n")
bare = []
for line in rules.split("\n"):
    # An action stands alone at the end of its line, after the symbols.
    match = re.search(r"\{.*\}\s*$", line)
    if match and not line.lstrip().startswith("/*"):
        line = line[:match.start()] + RELEASE
    bare.append(line)
sys.stdout.write("\n%%\n".join([declarations, "\n".join(bare), code]))
