#!/bin/bash
# The manual page and the bash completion cover what the installed program offers: every
# subcommand and every option that `--help` lists, and the completion offers no option the
# manual does not describe. The scheduled check's options are in the manual too, and the
# completion's values (plans, stored months) come from the installed program.
# usage: docs-cover-options.sh PREFIX   (VELTRIX_TEST_DATA set by CTest)
set -euo pipefail
prefix=$1
veltrix=$prefix/bin/veltrix
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

options_in() { grep -o -- '--[a-z][a-z-]*' | sort -u; }
manual=$(gzip -dc "$prefix/share/man/man1/veltrix.1.gz" | sed 's/\\-/-/g')
manual_options=$(options_in <<<"$manual")

# What the completion offers for the words typed so far (the last one being completed).
# shellcheck source=/dev/null # the installed completion
source "$prefix/share/bash-completion/completions/veltrix"
offered() {
    COMP_WORDS=("$veltrix" "$@")
    COMP_CWORD=$#
    _veltrix
    printf '%s\n' "${COMPREPLY[@]}" | sort -u
}

subcommands=$("$veltrix" --help | sed -n '/^Subcommands:/,$p' | awk 'NR > 1 && NF { print $1 }')
for command in $subcommands; do
    grep -q "^\.SS \"veltrix $command" <<<"$manual" || fail "the manual has no section on $command"
    offered "" | grep -qx "$command" || fail "the completion does not offer $command"
done

# Lines of the first list missing from the second (both sorted, one option a line).
missing() { comm -23 <(printf '%s\n' "$1") <(printf '%s\n' "$2") | grep . | tr '\n' ' '; }

for command in "" check report demo plans "cache list" history status; do
    # shellcheck disable=SC2086 # "cache list" is two words
    help=$("$veltrix" $command --help | options_in)
    # shellcheck disable=SC2086
    completion=$(offered $command -- | options_in)
    gap=$(missing "$help" "$manual_options") && fail "the manual lacks $command: $gap"
    gap=$(missing "$help" "$completion") && fail "the completion lacks $command: $gap"
    gap=$(missing "$completion" "$manual_options") &&
        fail "the completion offers $command $gap, which the manual does not describe"
done

service=$(grep '^ExecStart=' "$prefix/lib/systemd/user/veltrix-check.service" | options_in)
gap=$(missing "$service" "$manual_options") && fail "the manual lacks the service's $gap"

# Values the completion asks the installed program for, and those it knows itself: each case
# is the words typed before, the word being completed (as bash hands it over: an opened quote
# stays on it, escapes too) and one reply expected among the offers. Inside an opened quote a
# plan name goes in as it is (readline closes the quote); without one its blanks are escaped.
data=$VELTRIX_TEST_DATA
while IFS='|' read -r before current expected; do
    # shellcheck disable=SC2086 # the words typed before are separate words
    offered $before "$current" | grep -qxF -- "$expected" ||
        fail "completing \"$before $current\" does not offer $expected"
done <<CASES
check --plan|BBG 25|BBG\\ 250
check --plan|BBG\\ FN\\ Combo\\ 59|BBG\\ FN\\ Combo\\ 599
check --plan|"BBG FN|BBG FN Combo 599
check --plan|'BBG FN Combo 5|BBG FN Combo 599
check --plan|sl|slot:29
report --data-dir $data/cache --cache-entry|2007|2007-03-alice
report --exclude|free,n|free,nonfree
check --month||5
check --attach||9222
status --alert-at|o|off
CASES

[ "$status" = 0 ] && echo "every subcommand and option is in the manual and the completion"
exit "$status"
