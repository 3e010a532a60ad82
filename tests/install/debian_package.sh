#!/bin/bash
# Builds the Debian package from the build tree into a scratch folder, then
#   contents   checks its name, fields and files: the version is the
#              project's, the copyright file is machine-readable and holds
#              LICENSE's text, the changelog names the package's version
#   lintian    runs lintian on it: no error, no warning
# Skipped (77) without dpkg-deb, or without lintian for the second.
set -u
mode=$1 cpack=$2 build=$3 source=$4 version=$5
command -v dpkg-deb > /dev/null 2>&1 || { echo "dpkg-deb not installed"; exit 77; }
if [ "$mode" = lintian ] && ! command -v lintian > /dev/null 2>&1; then
  echo "lintian not installed"; exit 77
fi
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
if ! "$cpack" -G DEB -B "$work" --config "$build/CPackConfig.cmake" > "$work/log" 2>&1; then
  echo "cpack failed:"; cat "$work/log"; exit 1
fi
shopt -s nullglob
debs=("$work"/*.deb)
[ ${#debs[@]} = 1 ] || { echo "cpack wrote ${#debs[@]} packages:"; ls "$work"; exit 1; }
deb=${debs[0]}

if [ "$mode" = lintian ]; then
  lintian --version
  # Root is warned about on the error stream; lintian's findings come on
  # standard output, one per line, E: for errors and W: for warnings.
  lintian --info --display-level ">=warning" "$deb" > "$work/lintian" 2> "$work/lintian.err"
  status=$?
  cat "$work/lintian"
  grep -v "running with root privileges" "$work/lintian.err"
  if [ $status != 0 ] || grep -q '^[EW]: ' "$work/lintian"; then
    echo "lintian: $(basename "$deb") has errors or warnings (status $status)"; exit 1
  fi
  echo "lintian: $(basename "$deb") clean"
  exit 0
fi

ok=1
fail() { echo "$*"; ok=0; }
name=$(basename "$deb")
[[ $name == vhdl87c_${version}-1_*.deb ]] || fail "package file $name does not carry version $version-1"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Version)" = "$version-1" ] || fail "Version: $(field Version), not $version-1"
[ "$(field Section)" = electronics ] || fail "Section: $(field Section), not electronics"
[[ $(field Homepage) == https://* ]] || fail "Homepage: '$(field Homepage)'"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@]+@[^@.]+(\.[^@.]+)+\>$ ]] || fail "Maintainer: '$(field Maintainer)'"
[[ $(field Maintainer) == *@localhost* ]] && fail "Maintainer at localhost"
dpkg-deb -x "$deb" "$work/root"
doc=$work/root/usr/share/doc/vhdl87c
for f in usr/bin/vhdl87c usr/share/man/man1/vhdl87c.1.gz usr/share/doc/vhdl87c/copyright \
         usr/share/doc/vhdl87c/changelog.Debian.gz; do
  [ -f "$work/root/$f" ] || fail "not in the package: /$f"
done
if [ -f "$doc/copyright" ]; then
  head -1 "$doc/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "copyright: not in the machine-readable format"
  grep -qx 'Copyright: 2026 the vhdl87c authors' "$doc/copyright" || fail "copyright: no copyright line"
  # The licence paragraph (after the last "License: Expat"), unindented, is
  # LICENSE from its permission text on.
  awk '{ line[NR] = $0 } /^License: Expat$/ { last = NR }
       END { for (i = last + 1; i <= NR; i++) print line[i] }' "$doc/copyright" |
    sed 's/^ //; s/^\.$//' > "$work/licence"
  sed -n '/^Permission/,$p' "$source/LICENSE" | cmp -s - "$work/licence" ||
    fail "copyright: the licence text differs from LICENSE"
fi
if [ -f "$doc/changelog.Debian.gz" ]; then
  gzip -dc "$doc/changelog.Debian.gz" | head -1 | grep -q "^vhdl87c ($version-1) " ||
    fail "changelog: first entry is not $version-1"
fi
if [ -x "$work/root/usr/bin/vhdl87c" ]; then
  got=$("$work/root/usr/bin/vhdl87c" --version 2> /dev/null | head -1)
  [ "$got" = "vhdl87c $version" ] || fail "packaged vhdl87c --version says '$got'"
fi
[ $ok = 1 ] && echo "$name: version $version-1, section electronics, copyright, changelog and manual page in place"
[ $ok = 1 ]
