#!/bin/sh
# Checks one kind of installed file with the tool the desktop or the distribution itself
# uses on it. Exits 77 (a skip, with the reason) when that tool is missing.
# usage: check-installed.sh desktop|appstream|systemd|man PREFIX
#        (VELTRIX_VERSION and VELTRIX_APP_ID set by CTest)
set -eu
mode=$1
prefix=$2
id=$VELTRIX_APP_ID
fail() { echo "FAIL: $*" >&2; exit 1; }
need() {
    command -v "$1" >/dev/null ||
        { echo "SKIP: $1 is not installed (scripts/setup installs $2)"; exit 77; }
}

case $mode in
desktop)
    need desktop-file-validate desktop-file-utils
    entry=$prefix/share/applications/$id.desktop
    desktop-file-validate "$entry"
    # the menu shows the icon of that name: it must be the one installed
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon named $icon"
    # the autostart entry is a template the window copies: it starts the status icon alone
    # and is no menu entry of its own
    tray=$prefix/share/veltrix/autostart/veltrix-tray.desktop
    desktop-file-validate "$tray"
    grep -qx 'Exec=veltrix --tray' "$tray" || fail "the autostart entry does not start the icon"
    grep -qx 'NoDisplay=true' "$tray" || fail "the autostart entry shows in the menu"
    grep -qx "Icon=$icon" "$tray" || fail "the autostart entry has another icon"
    ;;
appstream)
    need appstreamcli appstream
    metainfo=$prefix/share/metainfo/$id.metainfo.xml
    appstreamcli validate --no-net --strict "$metainfo"
    # the whole tree: the desktop entry it launches must be installed beside it
    appstreamcli validate-tree --no-net --strict "$prefix"
    newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -1)
    [ "$newest" = "$VELTRIX_VERSION" ] || fail "the newest release is $newest"
    ;;
systemd)
    need systemd-analyze systemd
    # The service runs `veltrix` from the system's path; point it at the installed one so
    # that the check also finds the program.
    units=$(mktemp -d)
    trap 'rm -rf "$units"' EXIT
    sed "s|^ExecStart=veltrix |ExecStart=$prefix/bin/veltrix |" \
        "$prefix/lib/systemd/user/veltrix-check.service" >"$units/veltrix-check.service"
    cp "$prefix/lib/systemd/user/veltrix-check.timer" "$units/"
    grep -q "^ExecStart=$prefix/bin/veltrix check " "$units/veltrix-check.service" ||
        fail "the service does not run veltrix check"
    # a oneshot service has no start time-out of its own: a check that hangs would hang for ever
    grep -q '^TimeoutStartSec=[1-9]' "$units/veltrix-check.service" ||
        fail "the service has no start time-out"
    mkdir -m 700 "$units/runtime"
    XDG_RUNTIME_DIR=$units/runtime systemd-analyze --user verify --man=no \
        "$units/veltrix-check.timer" "$units/veltrix-check.service"
    ;;
man)
    need man man-db
    page=$prefix/share/man/man1/veltrix.1.gz
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man reports: $warnings"
    header=$(gzip -dc "$page" | grep '^\.TH ')
    case $header in
    *"\"Veltrix $VELTRIX_VERSION\""*) ;;
    *) fail "the page's header names another version: $header" ;;
    esac
    ;;
*) fail "unknown check $mode" ;;
esac
echo "$mode: passed"
