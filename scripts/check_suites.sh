#!/bin/bash
# Runs the whole test suite in each build folder given, one after the
# other, the next one even when one fails; then prints each folder's
# summary and a total line, and fails when any suite failed.  `make check`
# runs it on the sanitizer build and then the plain build.
#
#   scripts/check_suites.sh JOBS BUILD_DIR...
set -u
jobs=$1
shift
status=0 passed=0 failed=0 summaries=()
for dir in "$@"; do
  log=$dir/check_suites.log
  (cd "$dir" && ctest --output-on-failure -j "$jobs") 2>&1 | tee "$log"
  [ "${PIPESTATUS[0]}" = 0 ] || status=1
  summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
  if [ -z "$summary" ]; then
    summary="no summary (ctest did not run the suite)"
    status=1
  else
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<< "$summary")
    bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<< "$summary")
    passed=$((passed + total - bad)) failed=$((failed + bad))
  fi
  summaries+=("$dir: $summary")
done
echo
printf '%s\n' "${summaries[@]}"
echo "$passed passed, $failed failed"
exit $status
