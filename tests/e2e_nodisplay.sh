#!/usr/bin/env bash
# Started where there is no display (DISPLAY unset, or naming a display where
# no X server listens), the program ends with status 1 and one plain line
# that names the problem: no abort, no core dump, no advice from the toolkit.
set -u
program="$1"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY XDG_SESSION_TYPE
ulimit -c 0

# A display number that no server holds.
n=90
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done

failed=0
# expect DESCRIPTION TEXT-THE-LINE-MUST-HOLD COMMAND...
expect() {
    local what="$1" wanted="$2"
    shift 2
    local out status
    out=$(timeout 30 "$@" 2>&1 </dev/null)
    status=$?
    if [ "$status" -ne 1 ] || [ "$(printf '%s\n' "$out" | wc -l)" -ne 1 ] ||
        ! printf '%s' "$out" | grep -qF -- "$wanted"; then
        echo "FAIL: $what: status $status, output:"
        printf '%s\n' "$out" | sed 's/^/    /'
        failed=1
    else
        echo "$what: $out"
    fi
}
expect "DISPLAY unset" "DISPLAY is not set" env -u DISPLAY "$program"
expect "DISPLAY=:$n, no server" "\":$n\"" env DISPLAY=":$n" "$program"
[ "$failed" -eq 0 ] && echo "PASS"
exit "$failed"
