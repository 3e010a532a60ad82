#!/usr/bin/env bash
# Byte-for-byte comparison of two translator binaries: runs BASE and NEW on
# every *.vhd / *.vhdl file under the given directories (or the files given),
# once plain and once with -DEBUG, and compares standard output, standard
# error and exit status.  Prints the counts and lists the files that differ;
# exits 1 when any differs.
#
#   scripts/compare_with.sh [--jobs N] BASE NEW DIR_OR_FILE...
set -u
jobs=2
if [ "${1:-}" = --jobs ]; then jobs=$2; shift 2; fi
[ $# -ge 3 ] || { sed -n '2,8p' "$0" | sed 's/^# \{0,1\}//'; exit 2; }
base=$1 new=$2
shift 2
for bin in "$base" "$new"; do
  [ -x "$bin" ] || { echo "compare_with.sh: no program at $bin" >&2; exit 2; }
done

tmp=$(mktemp -d "${TMPDIR:-/tmp}/vhdl87c-compare.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
find "$@" -type f \( -name '*.vhd' -o -name '*.vhdl' \) -print0 | sort -z > "$tmp/files"

# One input, both binaries, both modes; prints "same" or "differs MODE FILE".
compare_one() {
  local base=$1 new=$2 tmp=$3 file=$4 mode
  local work
  work=$(mktemp -d "$tmp/one.XXXXXX")
  for mode in plain debug; do
    local args=()
    [ "$mode" = debug ] && args=(-DEBUG)
    "$base" "${args[@]}" < "$file" > "$work/base.out" 2> "$work/base.err"; echo $? > "$work/base.status"
    "$new" "${args[@]}" < "$file" > "$work/new.out" 2> "$work/new.err"; echo $? > "$work/new.status"
    if cmp -s "$work/base.out" "$work/new.out" && cmp -s "$work/base.err" "$work/new.err" &&
       cmp -s "$work/base.status" "$work/new.status"; then
      echo "same $mode"
    else
      echo "differs $mode $file"
    fi
  done
  rm -rf "$work"
}
export -f compare_one

xargs -0 -P "$jobs" -n 1 bash -c 'compare_one "$0" "$1" "$2" "$3"' "$base" "$new" "$tmp" < "$tmp/files" > "$tmp/results"

files=$(tr -cd '\0' < "$tmp/files" | wc -c)
for mode in plain debug; do
  same=$(grep -c "^same $mode\$" "$tmp/results")
  differ=$(grep -c "^differs $mode " "$tmp/results")
  echo "$mode: $files files, $same identical, $differ differ"
done
grep '^differs ' "$tmp/results" | sed 's/^differs /  differs: /'
! grep -q '^differs ' "$tmp/results"
