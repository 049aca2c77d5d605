#!/bin/sh
# Start-up of the desktop program: from starting the process to the main window's first paint
# (VELTRIX_QUIT_WHEN_SHOWN ends the process there), over RUNS runs, with a fresh settings
# folder and month folder. Uses the display in $DISPLAY when there is one, else offscreen.
#   bench/desktop/startup.sh [path/to/veltrix] [RUNS]
set -eu
binary=${1:-build/release/src/veltrix}
runs=${2:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    export QT_QPA_PLATFORM=offscreen
    where=offscreen
else
    where="display ${DISPLAY:-$WAYLAND_DISPLAY}"
fi
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" VELTRIX_QUIT_WHEN_SHOWN=1

i=0
while [ "$i" -lt "$runs" ]; do
    start=$(date +%s%N)
    "$binary" --data-dir "$work/data" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
    i=$((i + 1))
done | sort -n | awk -v runs="$runs" -v where="$where" '
    { t[NR] = $1 }
    END {
        printf "start-up to first paint (%s), %d runs: median %.1f ms, min %.1f ms, max %.1f ms\n",
               where, runs, t[int((NR + 1) / 2)] / 1000, t[1] / 1000, t[NR] / 1000
    }'
