#!/usr/bin/env python3
"""A whole tree in one run: vhdl87c with every file as an argument
(-o OUT FILE...) against one vhdl87c process per file and against
`ghdl -i` importing the same files in one call, side by side.

    tree.py [--bin PATH] [--rounds R] [--outdir DIR] [--ghdl PATH] [--corpus DIR]...

Each corpus (by default ../shared/corpus-later with --relaxed, and
../shared/corpus with the default reading, beside the checkout) is run in
rounds; in every round each way runs once, in an order that turns from
round to round:

  files      vhdl87c [--relaxed] -o OUT/ FILE...    (one process)
  each       vhdl87c [--relaxed] < FILE > OUT/FILE.c, one process per file
  concat     vhdl87c [--relaxed] < ALL              (the files that translate, joined: the floor)
  ghdl       ghdl -i --std=08 --workdir=W FILE...   (corpus-later only)
  files-g, files-g-j2   the files row on GHDL's files, and with -j 2

GHDL 2.0 gives up an import when a file does not parse or repeats a unit
name, so the GHDL row (and the files row beside it, "files-g") takes the
files of the corpus that GHDL imports together: found first by dropping,
one at a time, each file GHDL names in its error.  The outputs and GHDL's
library go to DIR (by default /dev/shm, a memory-backed folder, so that the
figures measure the programs and not the disk: creating a file costs
milliseconds on some virtual disks).  For each way the median wall time and
its spread (least and most) are printed, with the CPU time (user + system
of the children), and for each pair the ratio of the medians with the
least and most of the per-round ratios."""
import argparse
import os
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def vhdl_files(folder):
    found = []
    for root, _, names in os.walk(folder):
        found += [os.path.join(root, n) for n in names if n.endswith((".vhd", ".vhdl"))]
    return sorted(found, key=os.fsencode)


def timed(run):
    """Wall and CPU seconds of `run` (a function that starts and waits for
    its processes)."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    run()
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return wall, cpu


def ghdl_set(ghdl, files, scratch, corpus):
    """The files GHDL imports in one call: each file it names in an error dropped."""
    files = list(files)
    for _ in range(len(files)):
        work = tempfile.mkdtemp(dir=scratch)
        p = subprocess.run([ghdl, "-i", "--std=08", "--workdir=" + work, *files], cwd=corpus,
                           stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, errors="replace")
        shutil.rmtree(work)
        if p.returncode == 0:
            return files
        named = [f for f in files if (f + ":") in p.stdout]
        if not named:
            sys.exit("tree.py: ghdl fails without naming a file:\n" + p.stdout[-2000:])
        files.remove(named[0])
    return files


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--bin", default=os.path.join(HERE, "..", "build", "vhdl87c"))
    ap.add_argument("--rounds", type=int, default=5)
    ap.add_argument("--outdir", default="/dev/shm" if os.path.isdir("/dev/shm") else None)
    ap.add_argument("--ghdl", default="ghdl")
    ap.add_argument("--corpus", action="append", help="a folder of .vhd/.vhdl files (default: both shared corpora)")
    opts = ap.parse_args()
    binary = os.path.abspath(opts.bin)
    shared = os.path.join(HERE, "..", "..", "shared")
    corpora = opts.corpus or [os.path.join(shared, "corpus-later"), os.path.join(shared, "corpus")]
    have_ghdl = shutil.which(opts.ghdl) is not None
    if not have_ghdl:
        print("tree.py: no %s: the GHDL rows are left out (apt-get install ghdl)" % opts.ghdl, file=sys.stderr)
    scratch = tempfile.mkdtemp(prefix="vhdl87c-tree.", dir=opts.outdir)
    try:
        for corpus in corpora:
            corpus = os.path.abspath(corpus)
            later = os.path.basename(corpus.rstrip("/")) == "corpus-later"
            options = ["--relaxed"] if later else []
            files = [os.path.relpath(f, corpus) for f in vhdl_files(corpus)]
            joined = os.path.join(scratch, "all.vhd")
            with open(joined, "wb") as out:
                for f in files:
                    with open(os.path.join(corpus, f), "rb") as src:
                        out.write(src.read())
                        out.write(b"\n")
            size = os.path.getsize(joined)
            ways = {}

            def out_folder():
                folder = os.path.join(scratch, "out")
                shutil.rmtree(folder, ignore_errors=True)
                return folder

            def files_way(names, extra=()):
                def run():
                    subprocess.run([binary, *options, *extra, "-o", out_folder() + "/", *names], cwd=corpus,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                return run

            def each_way():
                folder = out_folder()
                for f in files:
                    os.makedirs(os.path.join(folder, os.path.dirname(f)), exist_ok=True)
                null = os.open(os.devnull, os.O_WRONLY)
                for f in files:
                    fd_in = os.open(os.path.join(corpus, f), os.O_RDONLY)
                    fd_out = os.open(os.path.join(folder, os.path.splitext(f)[0] + ".c"),
                                     os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o644)
                    pid = os.posix_spawn(binary, [binary, *options], os.environ,
                                         file_actions=[(os.POSIX_SPAWN_DUP2, fd_in, 0),
                                                       (os.POSIX_SPAWN_DUP2, fd_out, 1),
                                                       (os.POSIX_SPAWN_DUP2, null, 2)])
                    os.waitpid(pid, 0)
                    os.close(fd_in)
                    os.close(fd_out)
                os.close(null)

            # The floor: the designs that translate, joined in one input.
            files_way(files)()
            translated = [f for f in files
                          if os.path.exists(os.path.join(scratch, "out", os.path.splitext(f)[0] + ".c"))]
            with open(joined, "wb") as out:
                for f in translated:
                    with open(os.path.join(corpus, f), "rb") as src:
                        out.write(src.read())
                        out.write(b"\n")

            def concat_way():
                with open(joined, "rb") as src:
                    subprocess.run([binary, *options], stdin=src, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)

            ways["files"] = files_way(files)
            ways["each"] = each_way
            ways["concat"] = concat_way
            ghdl_files = []
            if later and have_ghdl:
                ghdl_files = ghdl_set(opts.ghdl, files, scratch, corpus)

                def ghdl_way():
                    work = os.path.join(scratch, "ghdl")
                    shutil.rmtree(work, ignore_errors=True)
                    os.mkdir(work)
                    subprocess.run([opts.ghdl, "-i", "--std=08", "--workdir=" + work, *ghdl_files], cwd=corpus,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                ways["files-g"] = files_way(ghdl_files)
                ways["files-g-j2"] = files_way(ghdl_files, ("-j", "2"))
                ways["ghdl"] = ghdl_way
            names = list(ways)
            walls = {n: [] for n in names}
            cpus = {n: [] for n in names}
            for r in range(opts.rounds):
                order = names[r % len(names):] + names[:r % len(names)]
                for n in order:
                    wall, cpu = timed(ways[n])
                    walls[n].append(wall)
                    cpus[n].append(cpu)
            print("%s: %d files, %.1f MB, %d translated (%.1f MB, joined: concat)%s; %s; %d rounds, outputs in %s" % (
                os.path.relpath(corpus), len(files), size / 1e6, len(translated), os.path.getsize(joined) / 1e6,
                " (%d of them imported together by GHDL)" % len(ghdl_files) if ghdl_files else "",
                " ".join(["vhdl87c", *options]), opts.rounds, opts.outdir or tempfile.gettempdir()))
            print("  %-10s %9s %17s %9s" % ("way", "wall_s", "(least..most)", "cpu_s"))
            for n in names:
                print("  %-10s %9.3f   (%.3f..%.3f) %9.3f" % (n, statistics.median(walls[n]), min(walls[n]),
                                                            max(walls[n]), statistics.median(cpus[n])))
            pairs = [("each", "files"), ("files", "concat")]
            if "ghdl" in ways:
                pairs += [("ghdl", "files-g"), ("ghdl", "files-g-j2")]
            for slow, fast in pairs:
                per_round = [a / b for a, b in zip(walls[slow], walls[fast])]
                print("  %s / %s: %.2f (rounds %.2f..%.2f); CPU %.2f" % (
                    slow, fast, statistics.median(walls[slow]) / statistics.median(walls[fast]),
                    min(per_round), max(per_round), statistics.median(cpus[slow]) / statistics.median(cpus[fast])))
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    main()
