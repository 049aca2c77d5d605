#!/bin/sh
# Installs the build into a fresh prefix, checks that exactly the expected files are there
# and runs the installed program: its version, the demo, which must find the simulator in
# the prefix's libexec/veltrix/ from the installed binary alone, and where it keeps months.
# usage: install-runs.sh BUILD_DIR PREFIX   (VELTRIX_VERSION and VELTRIX_APP_ID set by CTest)
set -eu
build=$1
prefix=$2
id=$VELTRIX_APP_ID
fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

sort >"$work/expected" <<LIST
bin/veltrix
lib/systemd/user/veltrix-check.service
lib/systemd/user/veltrix-check.timer
libexec/veltrix/veltrix-portal-sim
share/applications/$id.desktop
share/bash-completion/completions/veltrix
share/doc/veltrix/changelog.gz
share/doc/veltrix/copyright
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/veltrix.1.gz
share/metainfo/$id.metainfo.xml
share/veltrix/autostart/veltrix-tray.desktop
LIST
(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) >"$work/installed"
diff "$work/expected" "$work/installed" >&2 || fail "the installed files differ from the list"
gzip -t "$prefix/share/man/man1/veltrix.1.gz" "$prefix/share/doc/veltrix/changelog.gz"

version=$("$prefix/bin/veltrix" --version)
[ "$version" = "veltrix $VELTRIX_VERSION" ] || fail "--version says \"$version\""

# Run from an unrelated folder, so nothing can be found through the working directory.
cd "$work"
"$prefix/bin/veltrix" demo --quiet --out "$work/demo" >"$work/demo.txt" ||
    fail "the installed veltrix demo failed: $(cat "$work/demo.txt")"
grep -q '^Demo portal http://127\.0\.0\.1:[0-9]*/\{0,1\}: [1-9][0-9]* record pages' "$work/demo.txt" ||
    fail "the demo did not walk the simulated portal: $(head -3 "$work/demo.txt")"
for file in report.html report.csv summary.json chart.png; do
    [ -s "$work/demo/$file" ] || fail "the demo wrote no $file"
done
# An installed bin/ is no place for month files, even in a writable prefix.
XDG_DATA_HOME=$work/data "$prefix/bin/veltrix" report --cache-entry 2007-03-nobody \
    2>"$work/report.txt" && fail "a month that was never stored was reported"
grep -q " in $work/data/veltrix\$" "$work/report.txt" ||
    fail "the installed program looks for stored months elsewhere: $(cat "$work/report.txt")"
echo "installed into $prefix; $(head -1 "$work/demo.txt")"
