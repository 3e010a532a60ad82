#!/usr/bin/env python3
"""The one list of reserved words and token spellings (src/tokens.def), as
Python reads it: the fuzzer's generator takes its reserved words and the
spellings of its fixed tokens from here.

    token_list.py [TOKENS.def]      prints KIND SPELLING TOKEN, one a line

As a module: read(path=None) -> [Entry(kind, spelling, token)] in the
list's order; reserved_words(entries) and spellings(entries) (token name ->
spelling, for the reserved words and delimiters named t_...).
"""

import ast
import os
import re
import sys
from collections import namedtuple

Entry = namedtuple("Entry", "kind spelling token")

DEFAULT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "tokens.def")
LINE = re.compile(r'^(RESERVED_WORD|LATER_WORD|DELIMITER|OTHER_SPELLING|TOKEN_CLASS)\(("(?:\\.|[^"\\])*"),\s*([A-Za-z_]+|\'[^\']+\')\)$')


def read(path=None):
    entries = []
    with open(path or DEFAULT) as f:
        for line in f:
            line = line.strip()
            if not re.match(r'^[A-Z_]+\("', line):
                continue
            m = LINE.match(line)
            if not m:
                raise SystemExit("token_list: cannot read the line: " + line)
            entries.append(Entry(m.group(1), ast.literal_eval(m.group(2)), m.group(3)))
    return entries


def reserved_words(entries):
    return [e.spelling for e in entries if e.kind == "RESERVED_WORD"]


def spellings(entries):
    return {e.token: e.spelling for e in entries
            if e.kind in ("RESERVED_WORD", "DELIMITER") and e.token.startswith("t_")}


if __name__ == "__main__":
    for e in read(sys.argv[1] if len(sys.argv) > 1 else None):
        print(e.kind, e.spelling, e.token)
