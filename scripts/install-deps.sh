#!/bin/sh
# Installs the build tools that are missing (with --tests, the test tools
# too), with apt-get (as root, or through sudo).  Does nothing when
# everything is there.
set -e
missing=""
command -v cmake >/dev/null 2>&1 || missing="$missing cmake"
command -v make >/dev/null 2>&1 || missing="$missing make"
command -v g++ >/dev/null 2>&1 || missing="$missing g++"
command -v bison >/dev/null 2>&1 || missing="$missing bison"
command -v flex >/dev/null 2>&1 || missing="$missing flex"
if [ "${1:-}" = --tests ]; then
  [ -f /usr/include/gtest/gtest.h ] || missing="$missing libgtest-dev"
  command -v python3 >/dev/null 2>&1 || missing="$missing python3"
  [ -x /usr/bin/time ] || missing="$missing time"
  # The SARIF log is validated against its schema (tests/files/sarif.py).
  { python3 -c 'import jsonschema' || /usr/bin/python3 -c 'import jsonschema'; } >/dev/null 2>&1 ||
    missing="$missing python3-jsonschema"
fi
[ -z "$missing" ] && exit 0

echo "vhdl87c: installing the missing build tools:$missing"
if [ "$(id -u)" = 0 ]; then
  sudo=""
elif command -v sudo >/dev/null 2>&1; then
  sudo="sudo"
else
  echo "vhdl87c: please install$missing (apt-get needs root)" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq $missing >/dev/null
echo "vhdl87c: installed$missing"
