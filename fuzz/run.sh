#!/bin/bash
# Builds the libFuzzer target, replays the regression corpus, then fuzzes for
# a while.
#
#   fuzz/run.sh [SECONDS]        default 60; 0 replays only
#
# The time goes in rounds of FUZZ_ROUND seconds.  Every FUZZ_LONG_EVERY-th
# round is a long round: inputs up to FUZZ_LONG_MAX_LEN bytes, seeded also
# with long hostile inputs (hostile_seeds.py --long), so that an input whose
# cost grows faster than its length shows as a timeout (timeout-*).  Long
# rounds keep their own corpus, fuzz/corpus-work/corpus-long.  An hour is
# six rounds of ten minutes, the third and the sixth long.
#
# Environment:
#   FUZZ_BUILD   build directory (default build-fuzz in the checkout)
#   FUZZ_WORK    corpus and crash artifacts (default fuzz/corpus-work, not
#                tracked); the corpus found so far is kept and reused
#   FUZZ_JOBS    build jobs (default 2)
#   FUZZ_ARGS    further libFuzzer options, e.g. "-max_len=65536"
#   FUZZ_SEEDS   further seed directories, separated by blanks
#   FUZZ_ROUND   seconds per round (default 600)
#   FUZZ_LONG_EVERY    every this many rounds one is long (default 3; 0 never,
#                1 every round)
#   FUZZ_LONG_MAX_LEN  -max_len of long rounds (default 1048576)
#   FUZZ_LONG_TIMEOUT  -timeout of long rounds in seconds (default 20)
#
# Needs clang++ with libFuzzer and the sanitizer runtimes (Debian packages
# clang and libclang-rt-14-dev, or libclang-rt-dev); installs them with
# apt-get when they are missing and this runs as root.  Exits non-zero when
# a regression input or a new input breaks the harness's checks; the input
# is then in FUZZ_WORK as crash-*, timeout-*, leak-* or oom-*.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-60}
build=${FUZZ_BUILD:-$root/build-fuzz}
work=${FUZZ_WORK:-$root/fuzz/corpus-work}
jobs=${FUZZ_JOBS:-2}

have_libfuzzer() {
  command -v clang++ >/dev/null 2>&1 || return 1
  echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' |
    clang++ -x c++ -fsanitize=fuzzer,address,undefined - -o "$work/probe" >/dev/null 2>&1
}

mkdir -p "$work"
if ! have_libfuzzer; then
  if [ "$(id -u)" != 0 ]; then
    echo "fuzz: clang++ with libFuzzer is missing: install clang and libclang-rt-14-dev" >&2
    exit 1
  fi
  echo "fuzz: installing clang and libclang-rt-14-dev"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq clang libclang-rt-14-dev >/dev/null
  have_libfuzzer || { echo "fuzz: libFuzzer still unusable" >&2; exit 1; }
fi
rm -f "$work/probe"

echo "fuzz: building in $build"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVHDL87C_FUZZ=ON >/dev/null
cmake --build "$build" -j "$jobs" --target vhdl87c_fuzz > "$work/build.log" 2>&1 || {
  tail -40 "$work/build.log"; echo "fuzz: the build failed" >&2; exit 1; }
fuzzer=$build/tests/fuzz/vhdl87c_fuzz

# Known inputs first: every one must pass.
shopt -s nullglob
regressions=("$root"/fuzz/regressions/*)
if [ ${#regressions[@]} -gt 0 ]; then
  echo "fuzz: replaying ${#regressions[@]} regression inputs"
  "$fuzzer" -runs=1 "${regressions[@]}" > "$work/replay.log" 2>&1 || {
    tail -40 "$work/replay.log"; echo "fuzz: a regression input fails" >&2; exit 1; }
  echo "fuzz: regression inputs pass"
fi
[ "$seconds" -gt 0 ] || exit 0

# Seeds: the golden-test inputs, the regression inputs, generated design
# files (fixed seed, so the same every run) and every byte in every context
# a byte can stand in; long rounds add long hostile inputs.
seeds=$work/seeds
long_seeds=$work/seeds-long
rm -rf "$seeds" "$long_seeds"; mkdir -p "$seeds" "$work/corpus" "$work/corpus-long"
n=0
while IFS= read -r -d '' f; do
  n=$((n + 1)); cp "$f" "$seeds/golden-$n.vhd"
done < <(find "$root/tests/cases" "$root/tests/errors" "$root/tests/driver/cases" -name '*.vhd' -print0 2>/dev/null | sort -z)
cp "$root"/fuzz/regressions/* "$seeds"/ 2>/dev/null || true
python3 "$root/fuzz/gen_vhdl.py" --seed 1 --count 500 --max-tokens 400 --out "$seeds"
python3 "$root/fuzz/hostile_seeds.py" --byte-classes "$seeds" --long "$long_seeds"
round_length=${FUZZ_ROUND:-600}
long_every=${FUZZ_LONG_EVERY:-3}
echo "fuzz: $n golden inputs and $(ls "$seeds" | wc -l) seeds in all, $(ls "$long_seeds" | wc -l) long seeds;" \
  "fuzzing for $seconds s in rounds of $round_length s"

# One job: the machine has two cores and the build may share them.
left=$seconds
round=0
: > "$work/fuzz.log"
while [ "$left" -gt 0 ]; do
  round=$((round + 1))
  length=$((left < round_length ? left : round_length))
  left=$((left - length))
  if [ "$long_every" -gt 0 ] && [ $((round % long_every)) = 0 ]; then
    kind=long
    options=(-max_len="${FUZZ_LONG_MAX_LEN:-1048576}" -timeout="${FUZZ_LONG_TIMEOUT:-20}")
    dirs=("$work/corpus-long" "$long_seeds" "$work/corpus" "$seeds")
  else
    kind=short
    options=(-max_len=8192 -timeout=10)
    dirs=("$work/corpus" "$seeds")
  fi
  echo "fuzz: round $round, $kind inputs, $length s"
  status=0
  # shellcheck disable=SC2086
  "$fuzzer" -max_total_time="$length" -dict="$build/tests/fuzz/vhdl.dict" "${options[@]}" \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/" ${FUZZ_ARGS:-} \
    "${dirs[@]}" ${FUZZ_SEEDS:-} > /dev/null 2> "$work/fuzz-round.log" || status=$?
  cat "$work/fuzz-round.log" >> "$work/fuzz.log"
  grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)' "$work/fuzz-round.log" | tail -2 || true
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' \
    "$work/fuzz-round.log" || true
  if [ "$status" != 0 ]; then
    tail -60 "$work/fuzz-round.log"
    echo "fuzz: finding in round $round (status $status); the input is in $work" \
      "(crash-*, timeout-*, leak-*, oom-*)" >&2
    exit 1
  fi
done
echo "fuzz: no finding in $round rounds"
