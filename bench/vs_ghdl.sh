#!/bin/bash
# vhdl87c against GHDL's parser on the same input in the same run: each
# round translates the input with vhdl87c and imports it with
# `ghdl -i --std=87 --workdir=TMP FILE` (parse only, into a fresh library
# folder made before the clock starts), the two in turn, the one that goes
# first alternating from round to round.  Reports the best and the median
# wall time, the best CPU time, the throughputs and their ratio.
#
#   vs_ghdl.sh [--bin PATH] [--base PATH] [--ghdl PATH] [--rounds R]
#              [--shape SHAPE[,SHAPE...]] [--size SIZE[,SIZE...]] [--seed S]
#              [--workdir DIR] [--no-gen] [--file FILE]... [--corpus [DIR]]
#
# Inputs: a generated design (gen.py SHAPE --bytes SIZE, by default a 10 MiB
# mix) for every shape and size given, unless --no-gen (--workdir keeps the
# generated files there and reuses them); every --file; and with --corpus
# the concatenation
# of all .vhd/.vhdl files of the corpus (default: the shared/corpus folder
# beside the checkout), read in place and written to a temporary folder.
# GHDL 2.0 stops with an internal error when one import holds two units of
# the same name (the corpus has many test benches called `repro`, `tb`...),
# so the concatenation is cut into parts in which no unit name repeats and
# both tools run once per part; the throughputs less one start-up per part
# are printed too, and vhdl87c is also timed on the whole file.
# --base PATH times a second translator (an earlier build) in the same
# rounds, in turn with the others.  At the end a table sums up every input:
# throughputs by the best wall time and the ratios to GHDL.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
bin=${VHDL87C:-$here/../build/vhdl87c}
base=
workdir=
ghdl=ghdl
rounds=5
shape=mix
size=10M
seed=1
gen=1
corpus=
files=()

usage() { awk 'NR > 1 && !/^#/ { exit } NR > 1 { sub(/^# ?/, ""); print }' "$0"; exit "${1:-0}"; }
while [ $# -gt 0 ]; do
  case $1 in
    --bin) bin=$2; shift 2 ;;
    --base) base=$2; shift 2 ;;
    --workdir) workdir=$2; shift 2 ;;
    --ghdl) ghdl=$2; shift 2 ;;
    --rounds) rounds=$2; shift 2 ;;
    --shape) shape=$2; shift 2 ;;
    --size) size=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    --no-gen) gen=0; shift ;;
    --file) files+=("$2"); shift 2 ;;
    --corpus)
      if [ $# -gt 1 ] && [ "${2#--}" = "$2" ]; then corpus=$2; shift 2
      else corpus=$here/../../shared/corpus; shift; fi ;;
    -h|--help) usage 0 ;;
    *) echo "vs_ghdl.sh: unknown option $1" >&2; usage 2 ;;
  esac
done
[ -x "$bin" ] || { echo "vs_ghdl.sh: no translator at $bin (use --bin)" >&2; exit 2; }
[ -z "$base" ] || [ -x "$base" ] || { echo "vs_ghdl.sh: no translator at $base" >&2; exit 2; }
command -v "$ghdl" >/dev/null || { echo "vs_ghdl.sh: no $ghdl (apt-get install ghdl)" >&2; exit 2; }
[ -z "$corpus" ] || [ -d "$corpus" ] || { echo "vs_ghdl.sh: no corpus at $corpus" >&2; exit 2; }

tmp=$(mktemp -d "${TMPDIR:-/tmp}/vhdl87c-vs-ghdl.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
"${CC:-cc}" -O2 -o "$tmp/runstat" "$here/runstat.c"

# Cuts the corpus into parts without a repeated unit name (first fit, in
# the sorted order of the paths) and writes them as DIR/partNNN.vhd; each
# file is followed by a line end.  Their concatenation is DIR/all.vhd.
split_corpus() {
  python3 - "$1" "$2" <<'EOF'
import os, re, sys
corpus, outdir = sys.argv[1], sys.argv[2]
paths = sorted((os.path.join(root, name) for root, _, names in os.walk(corpus)
                for name in names if name.endswith((".vhd", ".vhdl"))),
               key=os.fsencode)
units = [(re.compile(rb"\bpackage\s+body\s+(\w+)\s+is\b"), b"body "),
         (re.compile(rb"\bpackage\s+(\w+)\s+is\b"), b""),
         (re.compile(rb"\bentity\s+(\w+)\s+is\b"), b""),
         (re.compile(rb"\bconfiguration\s+(\w+)\s+of\b"), b""),
         (re.compile(rb"\barchitecture\s+(\w+\s+of\s+\w+)\s+is\b"), b"arch ")]
parts, names_of = [], []
for path in paths:
    data = open(path, "rb").read()
    text = re.sub(rb"--[^\n]*", b"", data.lower())
    names = {prefix + b" ".join(m.group(1).split())
             for pattern, prefix in units for m in pattern.finditer(text)}
    names.discard(b"body")  # "package body x is" also matches the plain form
    for part, taken in zip(parts, names_of):
        if not names & taken:
            break
    else:
        parts.append([]); names_of.append(set())
        part, taken = parts[-1], names_of[-1]
    part.append(data)
    taken |= names
with open(os.path.join(outdir, "all.vhd"), "wb") as whole:
    for i, part in enumerate(parts):
        with open(os.path.join(outdir, "part%03d.vhd" % i), "wb") as out:
            for data in part:
                out.write(data + b"\n")
                whole.write(data + b"\n")
print(len(paths), len(parts))
EOF
}

# Runs one tool over all parts of an input; prints "wall cpu maxrss_kb".
run_tool() {
  local tool=$1; shift
  local wall=0 cpu=0 rss=0 w c r code part
  for part in "$@"; do
    if [ "$tool" = ghdl ]; then
      rm -rf "${tmp:?}/lib" && mkdir "$tmp/lib"
      read -r w c r code < <("$tmp/runstat" "$part" "$tmp/out" "$ghdl" -i --std=87 \
                               --workdir="$tmp/lib" "$part")
    elif [ "$tool" = base ]; then
      read -r w c r code < <("$tmp/runstat" "$part" "$tmp/out" "$base")
    else
      read -r w c r code < <("$tmp/runstat" "$part" "$tmp/out" "$bin")
    fi
    if [ "$code" != 0 ]; then
      echo "vs_ghdl.sh: $tool exited with status $code on $part" >&2
      return 1
    fi
    wall=$(awk -v a="$wall" -v b="$w" 'BEGIN { print a + b }')
    cpu=$(awk -v a="$cpu" -v b="$c" 'BEGIN { print a + b }')
    [ "$r" -gt "$rss" ] && rss=$r
  done
  echo "$wall $cpu $rss"
}

# Compares the tools on one input made of the given parts.
compare() {
  local label=$1; shift
  local bytes=0 part i tool first second w c r
  for part in "$@"; do bytes=$(( bytes + $(stat -c %s "$part") )); done
  local tools=(vhdl87c ghdl)
  [ -z "$base" ] || tools+=(base)
  for tool in "${tools[@]}"; do : > "$tmp/times.$tool"; done
  for (( i = 0; i < rounds; i++ )); do
    local order=("${tools[@]}")
    if (( i % 2 == 1 )); then order=(); for tool in "${tools[@]}"; do order=("$tool" "${order[@]}"); done; fi
    for tool in "${order[@]}"; do
      read -r w c r < <(run_tool "$tool" "$@") || return 1
      echo "$w $c $r" >> "$tmp/times.$tool"
    done
  done
  for tool in "${tools[@]}"; do
    sort -n "$tmp/times.$tool" | awk -v t=$tool -v l="$label" -v b=$bytes -v p=$# '
      { w[NR] = $1; c = (NR == 1 || $2 < c) ? $2 : c; r = ($3 > r) ? $3 : r }
      END { med = (NR % 2) ? w[(NR + 1) / 2] : (w[NR / 2] + w[NR / 2 + 1]) / 2
            printf "%-16s %11d %5d %-8s %8.3f %8.3f %8.3f %8.1f %8.1f %8.1f\n",
                   l, b, p, t, w[1], med, c, b / 1048576 / w[1], b / 1048576 / c, r / 1024 }'
  done | tee "$tmp/rows"
  awk 'NR == 1 { w1 = $5; c1 = $7 } NR == 2 { w2 = $5; c2 = $7 }
       NR == 3 { w3 = $5; c3 = $7 }
       END { rw = w2 / w1; rc = c2 / c1
             printf "  vhdl87c throughput / ghdl throughput: %.2f (best wall), %.2f (best CPU); target >= 2: %s\n",
                    rw, rc, (rw >= 2 && rc >= 2) ? "met" : "NOT met" }' "$tmp/rows"
  awk -v l="$label" -v b=$bytes 'NR == 1 { w1 = $5; r1 = $10 } NR == 2 { w2 = $5 } NR == 3 { w3 = $5; r3 = $10 }
       END { if (w3) printf "| %s | %.1f | %.1f | %.1f | %.2f | %.1f | %.2f | %.1f | %.1f |\n", l, b / 1e6,
                            b / 1e6 / w3, b / 1e6 / w1, w3 / w1, b / 1e6 / w2, w2 / w1, r3, r1
             else printf "| %s | %.1f | %.1f | %.1f | %.2f | %.1f |\n", l, b / 1e6, b / 1e6 / w1,
                         b / 1e6 / w2, w2 / w1, r1 }' "$tmp/rows" >> "$tmp/summary"
  if [ $# -gt 1 ]; then
    # Each part pays one start-up of the tool; without it:
    awk -v p=$# -v b=$bytes -v s1="$startup_vhdl87c" -v s2="$startup_ghdl" '
      NR == 1 { c1 = $7 - p * s1 } NR == 2 { c2 = $7 - p * s2 }
      END { if (c1 > 0 && c2 > 0)
              printf "  less %d start-ups (CPU): vhdl87c %.1f MiB/s, ghdl %.1f MiB/s, ratio %.2f\n",
                     p, b / 1048576 / c1, b / 1048576 / c2, c2 / c1 }' "$tmp/rows"
  fi
}

# The best CPU time of one process of a tool on a one-line input.
startup_cost() {
  local i w c r best=''
  echo 'entity e is end e;' > "$tmp/tiny.vhd"
  for (( i = 0; i < rounds; i++ )); do
    read -r w c r < <(run_tool "$1" "$tmp/tiny.vhd")
    best=$(awk -v a="$c" -v b="${best:-1e99}" 'BEGIN { print (a < b ? a : b) }')
  done
  echo "$best"
}

header() {
  printf '%-16s %11s %5s %-8s %8s %8s %8s %8s %8s %8s\n' \
    input bytes parts tool wall_best wall_med cpu_best MiB/s_w MiB/s_c rss_MiB
}

echo "rounds: $rounds; $("$ghdl" --version | head -1)"
startup_vhdl87c=$(startup_cost vhdl87c)
startup_ghdl=$(startup_cost ghdl)
echo "start-up of one process (best CPU on a one-line input): vhdl87c $startup_vhdl87c s, ghdl $startup_ghdl s"
header
status=0
: > "$tmp/summary"
if [ $gen = 1 ]; then
  [ -n "$workdir" ] || workdir=$tmp
  mkdir -p "$workdir"
  for one_size in ${size//,/ }; do
    for one_shape in ${shape//,/ }; do
      input=$workdir/vs-$one_shape-$one_size-s$seed.vhd
      [ -s "$input" ] || python3 "$here/gen.py" "$one_shape" --bytes "$one_size" --seed "$seed" -o "$input"
      compare "$one_shape-$one_size" "$input" || status=1
    done
  done
fi
for f in "${files[@]}"; do
  compare "$(basename "$f")" "$f" || status=1
done
if [ -n "$corpus" ]; then
  mkdir "$tmp/corpus"
  read -r nfiles nparts < <(split_corpus "$corpus" "$tmp/corpus")
  echo "corpus: $nfiles files, $(stat -c %s "$tmp/corpus/all.vhd") bytes, cut into $nparts parts"
  compare corpus-parts "$tmp"/corpus/part*.vhd || status=1
  best=
  for (( i = 0; i < rounds; i++ )); do
    read -r w c r < <(run_tool vhdl87c "$tmp/corpus/all.vhd")
    best=$(awk -v a="$w" -v b="${best:-1e99}" 'BEGIN { print (a < b ? a : b) }')
  done
  awk -v w="$best" -v b="$(stat -c %s "$tmp/corpus/all.vhd")" \
    'BEGIN { printf "  vhdl87c on the whole concatenation in one process: best wall %.3f s, %.1f MiB/s\n",
             w, b / 1048576 / w }'
fi
echo
echo "Summary (MB = 10^6 bytes, throughput by the best wall time, peak RSS in MiB):"
if [ -n "$base" ]; then
  echo "| input | MB | base MB/s | vhdl87c MB/s | speed-up | ghdl MB/s | vhdl87c / ghdl | base RSS | vhdl87c RSS |"
  echo "|---|---|---|---|---|---|---|---|---|"
else
  echo "| input | MB | vhdl87c MB/s | ghdl MB/s | vhdl87c / ghdl | vhdl87c RSS |"
  echo "|---|---|---|---|---|---|"
fi
cat "$tmp/summary"
exit $status
