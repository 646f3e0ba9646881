#!/usr/bin/env bash
# Checks the Debian packages of one build as a distribution and a school's
# administrator get them: lintian on the .changes (source, program and debug
# symbols) without errors or warnings; the program hardened and without
# carried fonts; one version everywhere; the AppStream metainfo and the
# desktop entry valid and pointing at files the package holds; the software
# centre finding the program by every keyword of its desktop entry; and the
# installed program (unpacked into a temporary root) showing its start
# window, with its icon in every size from 16 to 128 px, under a virtual X
# server.
#
#   tests/e2e_package.sh livenor_VERSION_ARCH.changes
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

# In a mount namespace of its own (the script calls itself so): the metainfo
# directory given stands in for the system's, so that the search sees this
# package and nothing is installed. Prints the search words, one a line,
# that do not find the component; the first argument is its id, then the
# locale's name, then the words.
if [ "${1:-}" = "--search" ]; then
    mount --bind "$2" /usr/share/metainfo || exit 1
    id="$3" locale="$4"
    shift 4
    cache="$(mktemp -d)"
    for word in "$@"; do
        LC_ALL="$locale" LANG="$locale" appstreamcli search --no-cache --cachepath "$cache" "$word" 2>/dev/null \
            | grep -qF " $id " || echo "$word"
    done
    rm -rf "$cache"
    exit 0
fi

changes="$(realpath "$1")"
here="$(cd "$(dirname "$0")" && pwd)"
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

version="$(sed -n 's/^Version: //p' "$changes")"
# The source package, the build's record, the program and its debug symbols.
for file in "livenor_$version.dsc" "livenor_${version}_[a-z0-9]*.buildinfo" "livenor_${version}_[a-z0-9]*.deb" \
    "livenor-dbgsym_${version}_[a-z0-9]*.deb"; do
    grep -q " $file$" "$changes" || fail "the .changes lists no $file"
done
deb="$(dirname "$changes")/$(grep -o "livenor_${version}_[a-z0-9]*\.deb$" "$changes" | head -n 1)"

# Info tags may remain (-I shows them); errors and warnings fail.
lintian -I --pedantic --fail-on error,warning "$changes" 2>&1 | grep -v "running with root privileges"
[ "${PIPESTATUS[0]}" -eq 0 ] || fail "lintian reports errors or warnings"

root="$(mktemp -d)"
work="$(mktemp -d)"
export XDG_RUNTIME_DIR="$(mktemp -d)"
trap 'rm -rf "$root" "$work" "$XDG_RUNTIME_DIR"' EXIT
dpkg -x "$deb" "$root"
share="$root/usr/share"

# The distribution's protections. hardening-check looks for control flow
# protection in the program's property note, which the linker writes only
# where every object linked carries it; this release's C start files
# (crt1.o, crti.o) do not, so no program here gets the note. Instead, and
# for the stack clash probes, which appear only in functions with frames of
# several pages: every unit of the program was compiled with both options
# (the debug symbols record the compiler's options), and its code has the
# marks at the targets of indirect branches.
hardening-check --nocfprotection "$root/usr/bin/livenor" || fail "hardening-check: not every protection"
dbgsym="$(dirname "$changes")/$(grep -o "livenor-dbgsym_${version}_[a-z0-9]*\.deb$" "$changes" | head -n 1)"
dpkg -x "$dbgsym" "$work/dbgsym"
producers="$(find "$work/dbgsym" -name '*.debug' -exec readelf --debug-dump=info {} + 2>/dev/null | grep 'DW_AT_producer')"
[ -n "$producers" ] || fail "the debug symbols record no compiler options"
options=(-fstack-protector-strong)
case "$(dpkg-deb -f "$deb" Architecture)" in
amd64 | i386)
    options+=(-fstack-clash-protection -fcf-protection)
    marks=$(objdump -d "$root/usr/bin/livenor" | grep -c endbr64)
    [ "$marks" -gt 100 ] || fail "only $marks indirect branch targets marked"
    ;;
esac
for option in "${options[@]}"; do
    unguarded=$(grep -vc -- "$option" <<<"$producers")
    [ "$unguarded" -eq 0 ] || fail "$unguarded unit(s) of the program compiled without $option"
done
# The fonts come from the system: the program carries no copy (the resource
# system stores the names of the files it holds in UTF-16).
LC_ALL=C grep -qaP '\x00L\x00i\x00b\x00e\x00r\x00a\x00t\x00i\x00o\x00n\x00S\x00a\x00n\x00s\x00-' "$root/usr/bin/livenor" \
    && fail "the program carries copies of the fonts"
dpkg-deb -f "$deb" Depends | grep -q "fonts-liberation2" || fail "the package does not depend on fonts-liberation2"

metainfo=("$share"/metainfo/*.metainfo.xml)
# Strict: even a hint of info level (a missing content rating, say) fails.
appstreamcli validate --strict --pedantic --no-net "${metainfo[0]}" || fail "the metainfo is not valid"
id="$(basename "${metainfo[0]}" .metainfo.xml)"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "${metainfo[0]}" \
    || fail "the metainfo does not launch $id.desktop"
# It names no address but the homepage, the package's, which exists.
homepage="$(dpkg-deb -f "$deb" Homepage)"
addresses="$(grep -o 'https\?://[^<"]*' "${metainfo[0]}" | sort -u)"
[ "$addresses" = "$homepage" ] || fail "the metainfo names addresses other than the homepage $homepage: $addresses"

# One version: the package's, the metainfo's release and the manual pages'.
grep -q "<release version=\"$version\" " "${metainfo[0]}" || fail "the metainfo's release is not $version"
for page in man1/livenor.1.gz ru/man1/livenor.1.gz; do
    zcat "$share/man/$page" | head -n 1 | grep -q "\"livenor $version\"" || fail "manual page $page is not of $version"
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

# Every keyword of the desktop entry is one of the metainfo's, in its
# language, and the software centre finds the program by it: the English
# words in an English session, the Russian ones in a Russian session.
keywords() { sed -n "s/^Keywords$1=//p" "$desktop" | tr ';' '\n' | sed '/^$/d'; }
for word in $(keywords ""); do
    grep -q "<keyword>$word</keyword>" "${metainfo[0]}" || fail "keyword $word is not in the metainfo"
done
for word in $(keywords "\[ru\]"); do
    grep -q "<keyword xml:lang=\"ru\">$word</keyword>" "${metainfo[0]}" || fail "keyword $word (ru) is not in the metainfo"
done
unshare=(unshare --mount)
[ "$(id -u)" -eq 0 ] || unshare=(unshare --map-root-user --mount)
if localedef -i ru_RU -f UTF-8 "$work/ru_RU.UTF-8" 2>/dev/null; then
    missed_en="$("${unshare[@]}" "$0" --search "$share/metainfo" "$id" C.UTF-8 $(keywords ""))" \
        || fail "could not search in a namespace of its own"
    missed_ru="$(LOCPATH="$work" "${unshare[@]}" "$0" --search "$share/metainfo" "$id" ru_RU.UTF-8 \
        $(keywords "\[ru\]"))" || fail "could not search in a namespace of its own"
    missed="$(echo $missed_en $missed_ru)"
    [ -z "$missed" ] || fail "the software centre does not find the program by: $missed"
else
    fail "no definition of the Russian locale to search in (Debian package locales)"
fi

xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --start-window "$root/usr/bin/$program" \
    || failures=$((failures + 1))

if [ "$failures" -ne 0 ]; then
    echo "$failures package check(s) failed"
    exit 1
fi
echo "package checks: PASS"
