#!/bin/bash
# The manual page must format without a single warning, and hold ASCII
# only.  Skipped (77) where neither man nor groff is installed.
set -u
page=$1
if LC_ALL=C grep -n '[^[:print:][:space:]]' "$page"; then
  echo "non-ASCII bytes in $page"; exit 1
fi
if command -v man > /dev/null 2>&1; then
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 > /dev/null)
elif command -v groff > /dev/null 2>&1; then
  warnings=$(LC_ALL=C.UTF-8 groff -t -man -ww -z "$page" 2>&1)
else
  echo "neither man nor groff installed"; exit 77
fi
if [ -n "$warnings" ]; then
  echo "$warnings"; exit 1
fi
echo "$page formats without warnings"
