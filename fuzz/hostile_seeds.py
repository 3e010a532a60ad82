#!/usr/bin/env python3
"""Seeds of hostile byte patterns for the fuzzer.

    fuzz/hostile_seeds.py --byte-classes DIR   # short: every byte in every context
    fuzz/hostile_seeds.py --long DIR           # long inputs, for long rounds

--byte-classes writes, for every byte value 0 to 255 and every context a
byte can stand in (top level, inside a comment, after an opening quotation
mark, inside an identifier-like run, after an apostrophe), one input of 64
copies of the byte in that context, followed by a line end and a small
design: the mutator starts from every byte class the scanner knows.

--long writes inputs of 64 KiB to 1 MiB of the shapes that cost the most per
byte when something is not linear: long comments of NUL and other skipped
bytes, long identifiers, unterminated literals, deep nesting, long lists and
large generated designs.  They are for rounds with a large -max_len, whose
-timeout then finds a slow input as well as a crash.
"""

import argparse
import os
import subprocess
import sys

CONTEXTS = [
    ("top", b"", b""),
    ("comment", b"--", b""),
    ("quote", b'"', b""),
    ("identifier", b"", b"a"),
    ("apostrophe", b"'", b""),
]

DESIGN = b"entity e is port (a : in bit); end e;\narchitecture r of e is begin b <= a; end r;\n"


def write(directory, name, data):
    with open(os.path.join(directory, name), "wb") as f:
        f.write(data)


def byte_classes(directory):
    for name, prefix, before in CONTEXTS:
        for byte in range(256):
            data = prefix + (before + bytes([byte])) * 64 + b"\n" + DESIGN
            write(directory, "byte-%s-%02x.vhd" % (name, byte), data)


def long_inputs(directory):
    kib = 1024
    write(directory, "long-comment-nul.vhd", b"signal s : bit; --" + b"\0" * (256 * kib) + b"\n")
    write(directory, "long-comment-mixed.vhd", b"--" + bytes(range(256)).replace(b"\n", b"") * 1024 + b"\n" + DESIGN)
    write(directory, "long-skipped-bytes.vhd", bytes([0, 1, 0x7f, 0x80, 0xff, ord("?")]) * (40 * kib))
    write(directory, "long-identifier.vhd", b"signal " + b"a_b" * (80 * kib) + b" : bit;\n")
    write(directory, "long-unterminated-string.vhd", b'signal s : string := "' + b"x\0" * (100 * kib))
    write(directory, "long-unterminated-character.vhd", b"'" * (128 * kib) + b"'a" * (64 * kib))
    write(directory, "long-based-literal.vhd", b"constant c : integer := 16#" + b"f_" * (100 * kib) + b"\n")
    write(directory, "long-nesting.vhd", b"signal s : integer := " + b"(" * 9000 + b"a" + b")" * 9000 + b";\n")
    write(directory, "long-sum.vhd", b"signal s : integer := a" + b" + a" * (40 * kib) + b";\n")
    ports = b"entity e is port (" + b"p : in bit; " * (10 * kib) + b"q : in bit); end e;\n"
    write(directory, "long-port-list.vhd", ports)
    generator = os.path.join(os.path.dirname(os.path.abspath(__file__)), "gen_vhdl.py")
    for seed in (1, 2, 3):
        command = [sys.executable, generator, "--seed", str(seed), "--units", "600", "--max-tokens", "30000"]
        design = subprocess.run(command, stdout=subprocess.PIPE, check=True).stdout
        write(directory, "long-generated-%d.vhd" % seed, design)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--byte-classes", metavar="DIR", help="write the byte-class seeds to DIR")
    parser.add_argument("--long", metavar="DIR", help="write the long seeds to DIR")
    args = parser.parse_args()
    if not args.byte_classes and not args.long:
        parser.error("say --byte-classes DIR, --long DIR or both")
    for directory, make in ((args.byte_classes, byte_classes), (args.long, long_inputs)):
        if directory:
            os.makedirs(directory, exist_ok=True)
            make(directory)


if __name__ == "__main__":
    main()
