#!/usr/bin/env bash
# Checks a built Debian package as a school's administrator gets it: lintian
# without errors or warnings, the AppStream metainfo and the desktop entry
# valid, both pointing at files the package holds, and the installed program
# (unpacked into a temporary root) showing its start window, with its icon in
# every size from 16 to 128 px, under a virtual X server.
#
#   tests/e2e_package.sh livenor_VERSION_ARCH.deb
set -u

# Under the virtual X server (the script calls itself so): starts the program
# given and checks that its start window comes up carrying the icon set.
if [ "${1:-}" = "--start-window" ]; then
    for _ in $(seq 1 50); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
    unset QT_QPA_PLATFORM
    "$2" &
    pid=$!
    . "$(dirname "$0")/e2e_window.sh"
    window=$(start_window)
    status=0
    if [ -z "$window" ]; then
        echo "FAIL: the installed program showed no start window within 10 s"
        status=1
    else
        sizes=$(xprop -id "$window" -notype _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
        if [ "$sizes" != "Icon (16 x 16) Icon (32 x 32) Icon (48 x 48) Icon (64 x 64) Icon (128 x 128) " ]; then
            echo "FAIL: the start window's icon sizes are: $sizes"
            status=1
        fi
    fi
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    exit $status
fi

deb="$(realpath "$1")"
here="$(cd "$(dirname "$0")" && pwd)"
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

lintian --info --fail-on error,warning "$deb" 2>&1 | grep -v "running with root privileges"
[ "${PIPESTATUS[0]}" -eq 0 ] || fail "lintian reports errors or warnings"

root="$(mktemp -d)"
export XDG_RUNTIME_DIR="$(mktemp -d)"
trap 'rm -rf "$root" "$XDG_RUNTIME_DIR"' EXIT
dpkg -x "$deb" "$root"
share="$root/usr/share"

metainfo=("$share"/metainfo/*.metainfo.xml)
# Strict: even a hint of info level (a missing content rating, say) fails.
appstreamcli validate --strict --pedantic --no-net "${metainfo[0]}" || fail "the metainfo is not valid"
id="$(basename "${metainfo[0]}" .metainfo.xml)"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "${metainfo[0]}" \
    || fail "the metainfo does not launch $id.desktop"
# Its screenshots are the README's.
shots=$(grep -o '/[a-z]*\.png</image>' "${metainfo[0]}" | sed 's|^/||; s|</image>$||')
[ -n "$shots" ] || fail "no screenshots in the metainfo"
for shot in $shots; do
    grep -q "(docs/$shot)" "$here/../README.md" || fail "screenshot $shot is not one of the README's"
done

desktop="$share/applications/$id.desktop"
hints="$(desktop-file-validate "$desktop" 2>&1)" || fail "the desktop entry is not valid"
[ -z "$hints" ] || fail "desktop-file-validate: $hints"
program="$(sed -n 's/^Exec=//p' "$desktop")"
[ -x "$root/usr/bin/$program" ] || fail "Exec=$program is not in the package"
icon="$(sed -n 's/^Icon=//p' "$desktop")"
for side in 16 32 48 64 128 256; do
    [ -f "$share/icons/hicolor/${side}x$side/apps/$icon.png" ] || fail "no $side px icon $icon"
done
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon"

xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --start-window "$root/usr/bin/$program" \
    || failures=$((failures + 1))

if [ "$failures" -ne 0 ]; then
    echo "$failures package check(s) failed"
    exit 1
fi
echo "package checks: PASS"
