#!/bin/bash
# A format and its arguments are checked when building: each snippet below
# that gets a count or a kind wrong, or a format that is not a string
# literal, must fail to compile with its message; the right ones compile.
#
#   compose_formats.sh CXX SOURCE_DIR
set -u
cxx=$1 src=$2
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
failures=0

# try EXPECT BODY [MESSAGE]: EXPECT is ok or fails.
try() {
  local expect=$1 body=$2 message=${3:-}
  printf '#include "compose.h"\nFragment* f(Fragment* a, Fragment* b, const char* text, int n) {\n  (void)a; (void)b; (void)text; (void)n;\n  %s\n}\n' "$body" > "$tmp/t.cc"
  if "$cxx" -std=c++17 -fsyntax-only -I"$src" "$tmp/t.cc" 2> "$tmp/err"; then
    [ "$expect" = ok ] && return
    echo "compiled, but should not: $body"
  else
    if [ "$expect" = fails ] && grep -q -F -- "$message" "$tmp/err"; then return; fi
    echo "failed to compile ($expect expected, message '$message'): $body"
    sed 's/^/    /' "$tmp/err" | head -20
  fi
  failures=$((failures + 1))
}

try ok    'return Compose("%s %s;\n", a, b);'
try ok    'return Compose("%s[%d] %s", a, n, text);'
try ok    'return Compose("(%s) 100%% %s", Borrow(a), b);'
try fails 'return Compose("%s %s;\n", a);'               'the format has not one %s or %d per argument'
try fails 'return Compose("%s;\n", a, b);'               'the format has not one %s or %d per argument'
try fails 'return Compose("[%d]", a);'                   '%d takes a number, %s a text'
try fails 'return Compose("%s=%s", a, n);'               '%d takes a number, %s a text'
try fails 'const char* format = "%s"; return Compose(format, a);' 'error'
try fails 'return Compose(n ? "[%s]" : "(%s)", a);'      'error'

[ "$failures" = 0 ] || { echo "$failures snippet(s) wrong"; exit 1; }
echo "all snippets as expected"
