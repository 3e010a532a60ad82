#!/usr/bin/env python3
"""Writes the same grammar in another layout, for the test that the tools
take the productions from bison's report, not from the grammar's text.

    relayout.py GRAMMAR.y > OTHER.y

- Every action moves to a line of its own under its alternative.
- A rule's name and its first alternative share a line.
- Comments with braces and "%%" in them stand between the rules.
The productions, their order and so the parser's tables stay the same.
"""
import re
import sys

text = open(sys.argv[1], encoding="utf-8").read()
marks = list(re.finditer(r"^%%[ \t]*$", text, flags=re.M))
declarations, rules = text[:marks[0].start()], text[marks[0].end():marks[1].start()]
epilogue = text[marks[1].end():]

out, pending = [], None
for n, line in enumerate(rules.split("\n")):
    if re.match(r"^[a-z_][a-z_0-9]*\s*$", line):
        pending = line.strip()          # joined with its first alternative
        if n % 7 == 0:
            out.append("/* a comment with { braces } and %% in it, before " + pending + " */")
        continue
    alternative = re.match(r"^\s*([:|])(.*?)(\{.*\})\s*$", line)
    if alternative:
        head = (pending + ":" if pending and alternative.group(1) == ":" else "  " + alternative.group(1))
        pending = None
        out.append(head + " " + " ".join(alternative.group(2).split()))
        out.append("\t\t" + alternative.group(3))
        continue
    if pending and re.match(r"^\s*:", line):
        out.append(pending + line.strip())
        pending = None
        continue
    out.append(line)
sys.stdout.write(declarations + "%%" + "\n".join(out) + "%%" + epilogue)
