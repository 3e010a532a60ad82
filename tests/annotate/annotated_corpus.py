#!/usr/bin/env python3
"""--annotate on every file of the corpora that translates: deleting every
annotation " /* vhdl87c[KIND]: MESSAGE */" from the annotated translation
gives the plain translation byte for byte (with standard error and the exit
status unchanged), and every warning of --explain about the C text has its
annotation: per kind, the annotations number the warnings shown plus those
counted past 20 ("N more ..."), and each warning shown is the message of an
annotation of its kind.

    annotated_corpus.py VHDL87C DIR...

Each file is read as it is and with --relaxed; a reading that rejects the
file is skipped.  Exits 77 when no directory is there."""
import collections
import concurrent.futures
import os
import re
import subprocess
import sys

# An annotation: its end is " */", or " * /" inside a comment that the
# translation writes around text of the design (an assertion, an after
# clause), which no "*/" may end early.
ANNOTATION = re.compile(rb" /\* vhdl87c\[([a-z0-9-]+)\]: (.*?) \* ?/")
WARNING = re.compile(rb"^<stdin>:\d+:\d+: warning: (.*)$", re.M)
MORE = re.compile(rb"^<stdin>: warning: (\d+) more (.*)$", re.M)
# Warnings about characters the scanner skips: they leave no C text.
SKIPPED = re.compile(rb"skipped(:|$)| more characters skipped$")
SHOWN = 20


# Standard input is the file itself, as a user runs it: the source lines
# that --explain shows come from what each read returns.
def run(args, path):
    with open(path, "rb") as f:
        p = subprocess.run([BIN, *args], stdin=f, capture_output=True, timeout=120)
    return p.returncode, p.stdout, p.stderr


def echo(args):
    return b"".join(b"(%d): %s\n" % (i, a.encode()) for i, a in enumerate(args, 1))


def Strip(text):
    return ANNOTATION.sub(b"", text)


def check(path, reading):
    """None when the reading rejects the file, else (problem or "", counts)."""
    status, plain, plain_err = run(reading, path)
    if status != 0:
        return None
    problems = []
    counts = collections.Counter()
    for extra in (["--annotate"], ["--explain", "--annotate"]):
        args = reading + extra
        s, out, err = run(args, path)
        if s != status or Strip(out) != plain:
            problems.append("%s: the output stripped of its annotations differs" % " ".join(args))
        if "--explain" not in extra and err[len(echo(args)):] != plain_err[len(echo(reading)):]:
            problems.append("%s: standard error differs" % " ".join(args))
    s, out, explained = run(reading + ["--explain", "--annotate"], path)
    s2, out2, explained_alone = run(reading + ["--explain"], path)
    if explained[len(echo(reading + ["--explain", "--annotate"])):] != explained_alone[len(echo(reading + ["--explain"])):]:
        problems.append("--explain: standard error differs with --annotate")
    annotations = collections.defaultdict(collections.Counter)
    for kind, message in ANNOTATION.findall(out):
        annotations[kind][message] += 1
    shown = collections.Counter()
    for message in WARNING.findall(explained):
        if SKIPPED.search(message):
            continue
        kinds = [k for k in annotations if annotations[k][message] > shown[(k, message)]]
        if not kinds:
            problems.append("a warning without its annotation: %s" % message.decode(errors="replace"))
            continue
        shown[(kinds[0], message)] += 1
    shown_per_kind = collections.Counter()
    for (kind, _), n in shown.items():
        shown_per_kind[kind] += n
    more = sorted(int(n) for n, what in MORE.findall(explained) if not SKIPPED.search(b"more " + what))
    past = []
    for kind, messages in annotations.items():
        total = sum(messages.values())
        counts[kind.decode()] += total
        if total > SHOWN:
            past.append(total - SHOWN)
            if shown_per_kind[kind] != SHOWN:
                problems.append("%s: %d annotations, %d warnings shown" % (kind.decode(), total, shown_per_kind[kind]))
        elif shown_per_kind[kind] != total:
            problems.append("%s: %d annotations, %d warnings" % (kind.decode(), total, shown_per_kind[kind]))
    if sorted(past) != more:
        problems.append("the counts past %d: annotations %s, warnings %s" % (SHOWN, sorted(past), more))
    said = collections.Counter(problems)
    return "; ".join(p if n == 1 else "%s (%d times)" % (p, n) for p, n in said.items()), counts


def main():
    global BIN
    BIN = sys.argv[1]
    dirs = [d for d in sys.argv[2:] if os.path.isdir(d)]
    if not dirs:
        print("annotated_corpus: no corpus here, skipped")
        return 77
    files = sorted(os.path.join(root, name) for d in dirs for root, _, names in os.walk(d)
                   for name in names if name.endswith((".vhd", ".vhdl")))
    jobs = [(f, reading) for f in files for reading in ([], ["--relaxed"])]
    translated = failed = 0
    counts = collections.Counter()
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        for (f, reading), result in zip(jobs, pool.map(lambda job: check(*job), jobs)):
            if result is None:
                continue
            translated += 1
            problem, file_counts = result
            counts.update(file_counts)
            if problem:
                failed += 1
                print("FAIL %s %s: %s" % (" ".join(reading) or "(default)", f, problem))
    print("%d files, %d readings translated, %d failed" % (len(files), translated, failed))
    print("annotations per kind: " + ", ".join("%s %d" % kv for kv in sorted(counts.items())))
    return 1 if failed or not translated else 0


if __name__ == "__main__":
    sys.exit(main())
