#!/bin/bash
# The installed user service's command line as systemd builds it (the defaults of its
# Environment= lines, overridden by a check.env, substituted into ExecStart word by word) runs
# the installed program against the installed simulated portal: by default it warns at 80%
# of the limit and on a projected overrun, and every setting of check.env takes effect.
# usage: scheduled-check.sh PREFIX
set -euo pipefail
prefix=$1
unit=$prefix/lib/systemd/user/veltrix-check.service
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

work=$(mktemp -d)
sim_pid=
cleanup() {
    [ -z "$sim_pid" ] || kill "$sim_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The simulated portal's month: 95 rows by noon on 15 March 2007.
"$prefix/libexec/veltrix/veltrix-portal-sim" --port 0 --seed 11 --rows 95 --page-size 20 \
    --today 2007-03-15 --user alice --password secret >"$work/sim.txt" &
sim_pid=$!
for _ in $(seq 50); do
    grep -q '^Simulated portal at ' "$work/sim.txt" 2>/dev/null && break
    sleep 0.1
done
portal=$(sed -n 's/^Simulated portal at \([^ ]*\).*/\1/p' "$work/sim.txt")
[ -n "$portal" ] || { echo "FAIL: the simulated portal did not start" >&2; exit 1; }

# Runs the service's command with these lines as check.env; prints its exit status, its
# standard error in $work/err. The keyring is the one thing replaced: the password comes on
# standard input instead.
run_unit() {
    (
        while IFS= read -r line; do
            export "${line#Environment=}"
        done < <(grep '^Environment=' "$unit")
        while IFS= read -r line; do
            [ -n "$line" ] && export "$line"
        done <<<"$1"
        read -ra words < <(sed -n 's/^ExecStart=//p' "$unit")
        command=()
        for word in "${words[@]}"; do
            while [[ $word =~ \$\{([A-Z_]+)\} ]]; do
                name=${BASH_REMATCH[1]}
                word=${word//"\${$name}"/"${!name-}"}
            done
            case $word in
            veltrix) word=$prefix/bin/veltrix ;;
            --password-from-keyring) word=--password-stdin ;;
            esac
            command+=("$word")
        done
        # no session bus: a notification is one line on standard error
        export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus XDG_DATA_HOME=$work/data
        echo secret | "${command[@]}" >/dev/null 2>"$work/err" && echo 0 || echo $?
    )
}

settings="VELTRIX_PORTAL=$portal
VELTRIX_USER=alice"
# The month's usage, to set limits around it.
"$prefix/bin/veltrix" check --portal "$portal" --user alice --password-stdin --quiet \
    --today 2007-03-15 --json - --data-dir "$work/probe" <<<secret >"$work/month.json"
used_mb=$(sed -n 's/.*"bandwidth_kb": \([0-9]*\).*/\1/p' "$work/month.json" | head -1)
used_mb=$((used_mb / 1024))
near=$((used_mb * 100 / 90)) # 90% used: past the 80% default
far=$((used_mb * 2))         # half used, but 15 of 31 days project more than twice that

# Each case: more lines of check.env (";" between them), the exit status, a text on stderr.
while IFS='|' read -r extra expected said; do
    got=$(run_unit "$settings"$'\n'"${extra//;/$'\n'}")
    [ "$got" = "$expected" ] || fail "with \"$extra\" the check ends with $got: $(cat "$work/err")"
    [ -z "$said" ] || grep -qF -- "$said" "$work/err" ||
        fail "with \"$extra\" it does not say \"$said\": $(cat "$work/err")"
done <<CASES
VELTRIX_CUSTOM_PLAN=100,$near,0.5|10|(alert at 80%)
VELTRIX_CUSTOM_PLAN=100,$far,0.5|11|notification not shown: no desktop session bus
VELTRIX_CUSTOM_PLAN=100,$far,0.5;VELTRIX_ALERT_PROJECTED=no|0|
VELTRIX_CUSTOM_PLAN=100,$near,0.5;VELTRIX_ALERT_AT=95|11|at the current pace the month ends
VELTRIX_CUSTOM_PLAN=100,$near,0.5;VELTRIX_ALERT_AT=off;VELTRIX_NOTIFY=no|11|
VELTRIX_PLAN=BBG Combo ULD 1000|0|
|2|need a plan
VELTRIX_PLAN=BBG 250;VELTRIX_PORTAL=http://127.0.0.1:1/|1|notification not shown
CASES
[ -n "$(ls "$work/data/veltrix/"*.cache 2>/dev/null)" ] || fail "the check kept no month"
[ "$status" = 0 ] && echo "the service's defaults and settings work as documented"
exit "$status"
