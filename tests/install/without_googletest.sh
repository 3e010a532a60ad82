#!/bin/bash
# The program builds and installs with the compiler, CMake, bison and flex
# alone: configured with -DBUILD_TESTING=OFF in a scratch folder, GoogleTest
# hidden from CMake, it builds, translates the bundled example, and
# installs.  The same hiding makes a configure with the tests fail, so the
# framework was really out of reach.
set -u
cmake=$1 source=$2 generator=$3
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
hide=(-DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DGTest_DIR="$work/none" -DGTEST_ROOT="$work/none")
ok=1
fail() { echo "$*"; ok=0; }

if "$cmake" -S "$source" -B "$work/with-tests" -G "$generator" -DBUILD_TESTING=ON "${hide[@]}" \
     > "$work/with-tests.log" 2>&1; then
  fail "configure with the tests succeeded although GoogleTest was hidden"
fi
if ! "$cmake" -S "$source" -B "$work/build" -G "$generator" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
       -DBUILD_TESTING=OFF "${hide[@]}" > "$work/configure.log" 2>&1; then
  echo "configure with -DBUILD_TESTING=OFF failed:"; cat "$work/configure.log"; exit 1
fi
# Only the hiding entries given above, nothing found or searched for.
found=$(grep -i '^GTEST' "$work/build/CMakeCache.txt" | grep -v ':UNINITIALIZED=')
[ -n "$found" ] && fail "the cache holds GoogleTest entries: $found"
if ! "$cmake" --build "$work/build" -j 2 > "$work/build.log" 2>&1; then
  echo "build failed:"; tail -30 "$work/build.log"; exit 1
fi
[ -e "$work/build/tests" ] && fail "the tests' folder was configured"
bin=$work/build/vhdl87c
"$bin" < "$source/examples/counter.vhd" 2> /dev/null | cmp -s - "$source/examples/counter.c" ||
  fail "the program's translation of examples/counter.vhd differs from examples/counter.c"
"$bin" --version 2> /dev/null | head -1 | grep -q '^vhdl87c [0-9]' || fail "--version does not answer"
if ! "$cmake" --install "$work/build" --prefix "$work/prefix" > "$work/install.log" 2>&1; then
  fail "install failed:"; cat "$work/install.log"
fi
[ -x "$work/prefix/bin/vhdl87c" ] || fail "not installed: bin/vhdl87c"
[ $ok = 1 ] && echo "built, run and installed without GoogleTest"
[ $ok = 1 ]
