#!/bin/sh
# Builds the Debian package with CPack, checks that it holds exactly the files of an install
# (under /usr) with dependencies computed from the binaries, and runs lintian on it: no
# errors; warnings are printed. Exits 77 (a skip, with the reason) when a tool is missing.
# usage: build-deb.sh BUILD_DIR OUT_DIR INSTALLED_PREFIX   (VELTRIX_VERSION set by CTest)
set -eu
build=$1
out=$2
installed=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
need() {
    command -v "$1" >/dev/null ||
        { echo "SKIP: $1 is not installed (scripts/setup installs $2)"; exit 77; }
}
need dpkg-shlibdeps dpkg-dev
need lintian lintian

rm -rf "$out"
mkdir -p "$out"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$out/cpack.log")"
deb=$(find "$out" -maxdepth 1 -name "veltrix_${VELTRIX_VERSION}_*.deb")
[ -n "$deb" ] || fail "cpack made no veltrix_${VELTRIX_VERSION}_*.deb in $out"

dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $NF }' | sed 's|^\./usr/||' | sort >"$out/packaged"
(cd "$installed" && find . -type f | sed 's|^\./||' | sort) >"$out/installed"
diff "$out/installed" "$out/packaged" >&2 || fail "the package holds other files than an install"

depends=$(dpkg-deb -f "$deb" Depends)
case $depends in
*libqt6core6*libqt6widgets6*) ;;
*) fail "the dependencies were not computed from the binaries: $depends" ;;
esac

# lintian names each finding with its level: E error, W warning, I info, P pedantic
lintian_status=0
findings=$(lintian --fail-on error --display-info "$deb" 2>&1) || lintian_status=$?
printf '%s\n' "$findings" | grep -v '^running with root' || true
[ "$lintian_status" = 0 ] || fail "lintian reports errors (status $lintian_status)"
echo "$(basename "$deb"): $(wc -l <"$out/packaged") files; Depends: $depends"
