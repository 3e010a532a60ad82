#!/usr/bin/env python3
"""The test suite's contract: every registered test carries exactly one of
the labels quick, slow and timing, and a timeout of its own, so that
`ctest -L quick` runs what the edit loop promises and no test can hang a run.

    labels.py CTEST BUILD_DIR"""
import json
import subprocess
import sys

KINDS = {"quick", "slow", "timing"}


def main():
    ctest, build = sys.argv[1:3]
    listing = subprocess.run([ctest, "--show-only=json-v1"], cwd=build, capture_output=True,
                             timeout=100, check=True)
    tests = json.loads(listing.stdout)["tests"]
    faults = []
    for test in tests:
        props = {p["name"]: p["value"] for p in test.get("properties", [])}
        kinds = sorted(KINDS & set(props.get("LABELS", [])))
        if len(kinds) != 1:
            faults.append("%s: labels %s, expected exactly one of quick, slow, timing" %
                          (test["name"], kinds or "none"))
        if not props.get("TIMEOUT"):
            faults.append("%s: no timeout of its own" % test["name"])
    for fault in faults:
        print(fault)
    print("%d tests, %d faults" % (len(tests), len(faults)))
    sys.exit(0 if tests and not faults else 1)


if __name__ == "__main__":
    main()
