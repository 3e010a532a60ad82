#!/bin/bash
# Every translation that README.md shows must be the program's real output.
#
#   ```vhdl file=NAME        the block is the input NAME (a path under the
#                            checkout must match that file byte for byte)
#   ```c output=NAME         the block is exactly the standard output of
#   ```text output=NAME status=N   vhdl87c < NAME (exit status N, default 0)
#   ```c output=NAME args=OPTION   vhdl87c OPTION < NAME
#   ```text stderr=NAME [args=OPTION]   the block is exactly the standard
#                            error of vhdl87c [OPTION] < NAME
#
# Rows "| `VHDL` | `C` |" between <!-- constructs --> and <!-- /constructs -->:
# the VHDL is translated alone, else inside a process's statements, a
# process's declarations or an architecture's statements (the first that
# translates); the C must occur in the output, blanks and line ends
# counting as one space.
set -u
bin=$1 readme=$2
root=$(dirname "$readme")
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
failures=0 checked=0

fail() { echo "$(basename "$readme"):$1: $2"; failures=$((failures + 1)); }
squeeze() { tr -s ' \t\n' '   ' | sed 's/^ //; s/ $//'; }

input_of() {  # the file a name refers to: a block of the README, else the checkout's
  if [ -f "$tmp/in/$1" ]; then echo "$tmp/in/$1"; else echo "$root/$1"; fi
}

check_block() {  # line attributes content-file
  local line=$1 attrs=$2 body=$3 name="" output="" stream=out status=0 a args=()
  for a in $attrs; do
    case $a in
      file=*) name=${a#file=} ;;
      output=*) output=${a#output=} ;;
      stderr=*) output=${a#stderr=} stream=err ;;
      status=*) status=${a#status=} ;;
      args=*) args+=("${a#args=}") ;;
    esac
  done
  if [ -n "$name" ]; then
    checked=$((checked + 1))
    if [ -f "$root/$name" ] && [[ $name == */* ]]; then
      cmp -s "$root/$name" "$body" || fail "$line" "block differs from $name"
    else
      mkdir -p "$tmp/in/$(dirname "$name")" && cp "$body" "$tmp/in/$name"
    fi
  fi
  if [ -n "$output" ]; then
    checked=$((checked + 1))
    local input; input=$(input_of "$output")
    [ -f "$input" ] || { fail "$line" "no input $output"; return; }
    "$bin" ${args[@]+"${args[@]}"} < "$input" > "$tmp/out" 2> "$tmp/err"
    local got=$?
    [ $stream = err ] || [ "$got" = "$status" ] ||
      fail "$line" "vhdl87c ${args[*]} < $output exits with $got, not $status"
    if ! cmp -s "$body" "$tmp/$stream"; then
      fail "$line" "block is not the std$stream of vhdl87c < $output:"
      diff -u "$body" "$tmp/$stream" | cat -A | head -30
    fi
  fi
}

check_row() {  # line vhdl c
  local line=$1 vhdl=$2 c=$3 wrapped translated=""
  checked=$((checked + 1))
  for wrapped in "$vhdl" "process begin $vhdl end process;" \
                 "process $vhdl begin end process;" "architecture a of e is begin $vhdl end a;"; do
    if translated=$(printf '%s\n' "$wrapped" | "$bin" 2> /dev/null); then
      local want got
      want=$(printf '%s' "$c" | squeeze)
      got=$(printf '%s' "$translated" | squeeze)
      [[ $got == *"$want"* ]] || fail "$line" "\`$vhdl\` gives \"$got\", without \"$want\""
      return
    fi
  done
  fail "$line" "\`$vhdl\` does not translate"
}

n=0 in_block=0 in_table=0 attrs="" start=0
while IFS= read -r text || [ -n "$text" ]; do
  n=$((n + 1))
  if [ $in_block = 1 ]; then
    if [[ $text =~ ^\`\`\`[[:space:]]*$ ]]; then
      in_block=0
      [ -n "$attrs" ] && check_block "$start" "$attrs" "$tmp/block"
    else
      printf '%s\n' "$text" >> "$tmp/block"
    fi
    continue
  fi
  if [[ $text =~ ^\`\`\`[A-Za-z0-9_+-]*(.*)$ ]]; then
    in_block=1 start=$n attrs=${BASH_REMATCH[1]}
    : > "$tmp/block"
    continue
  fi
  case $text in
    '<!-- constructs -->') in_table=1; continue ;;
    '<!-- /constructs -->') in_table=0; continue ;;
  esac
  # A table row: | `VHDL` | `C` |, with \| standing for | inside a cell.
  if [ $in_table = 1 ] && [[ $text =~ ^\|[[:space:]]*\`(.*)\`[[:space:]]*\|[[:space:]]*\`(.*)\`[[:space:]]*\|[[:space:]]*$ ]]; then
    check_row "$n" "${BASH_REMATCH[1]//\\|/|}" "${BASH_REMATCH[2]//\\|/|}"
  fi
done < "$readme"
[ $in_block = 1 ] && fail "$start" "code block not closed"
echo "$checked examples checked, $failures wrong"
[ "$checked" -gt 0 ] && [ "$failures" = 0 ]
