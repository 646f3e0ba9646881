#!/usr/bin/env bash
# End to end: the real program under a virtual X server with a window
# manager, launched as a user would. Waits for the start window and checks
# that its frame is centred, presses the start button with the keyboard,
# checks that the main window comes up maximised with the menu, restores it
# and drags its lower edge far up (it never gets smaller than the content
# box), closes it and checks that the program ends. The program runs under
# the plain C locale, and each window's legacy title (WM_NAME), which window
# lists and `xdotool search --name` read, must still give its title.
# Exits 77 (skipped) where no X server can be had.
set -u
program="$1"
here="$(cd "$(dirname "$0")" && pwd)"

for tool in xvfb-run Xvfb openbox xdotool xwd xprop xwininfo python3; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed; the end-to-end run needs a virtual X server and X tools"
        exit 77
    fi
done

if [ -z "${LIVENOR_E2E_INSIDE:-}" ]; then
    export LIVENOR_E2E_INSIDE=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

unset QT_QPA_PLATFORM
# The X tools read and match the Cyrillic titles in a UTF-8 locale; the
# program gets none.
export LC_ALL=C.UTF-8
fail() {
    echo "FAIL: $*"
    [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
    exit 1
}

openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5

LC_ALL=C LANG=C "$program" &
pid=$!
started=$(date +%s%N)

# The start window: 400 x 265, titled "... - Ливенор 2.0".
. "$here/e2e_window.sh"
start=$(start_window)
[ -n "$start" ] || fail "no start window within 10 s"
echo "start window shown after $(( ($(date +%s%N) - started) / 1000000 )) ms"
geometry=$(xdotool getwindowgeometry "$start" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "400x265" ] || fail "start window is $geometry, expected 400x265"

# The legacy title holds the same text as the UTF-8 one.
legacy_title_right() {
    local legacy modern
    legacy=$(xprop -id "$1" WM_NAME | sed -n 's/^WM_NAME([A-Z_]*) = //p')
    modern=$(xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = //p')
    [ -n "$modern" ] && [ "$legacy" = "$modern" ] ||
        fail "$2's WM_NAME is $(xprop -id "$1" WM_NAME), its _NET_WM_NAME $modern"
}
legacy_title_right "$start" "the start window"

# Where a window's client area lies on the screen, and its frame's widths.
client() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
                                     /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}'; }
frame() { xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ','; }

# The start window's frame, title bar included, is centred on the screen
# (1280 x 1024): the window may move there once the frame is known.
centred=""
for _ in $(seq 1 20); do
    read -r x y w h <<< "$(client "$start")"
    read -r left right top bottom <<< "$(frame "$start")"
    dx=$(( 2 * (x - ${left:-0}) + w + ${left:-0} + ${right:-0} - 1280 ))
    dy=$(( 2 * (y - ${top:-0}) + h + ${top:-0} + ${bottom:-0} - 1024 ))
    if [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] && [ -n "$top" ]; then
        centred=yes
        break
    fi
    sleep 0.1
done
[ -n "$centred" ] || fail "start window's frame is off the screen's centre by ($dx, $dy)/2"

# Press Enter until the start button, which comes once the strip is full,
# takes it; before that Enter does nothing.
main=""
for _ in $(seq 1 100); do
    xdotool windowactivate --sync "$start" key --clearmodifiers Return 2>/dev/null
    sleep 0.2
    for w in $(xdotool search --onlyvisible --name " - Ливенор 2.0" 2>/dev/null); do
        [ "$w" != "$start" ] && main="$w"
    done
    [ -n "$main" ] && break
done
[ -n "$main" ] || fail "the start button never opened the main window"
legacy_title_right "$main" "the main window"
sleep 0.5

state=$(xprop -id "$main" _NET_WM_STATE)
echo "$state" | grep -q _NET_WM_STATE_MAXIMIZED_VERT || fail "main window not maximised: $state"
echo "$state" | grep -q _NET_WM_STATE_MAXIMIZED_HORZ || fail "main window not maximised: $state"
if xdotool search --onlyvisible --name " - Ливенор 2.0" | grep -qx "$start"; then
    fail "the start window is still shown"
fi

# The menu: its five green section headings are on the screen.
xwd -root -silent > "${TMPDIR:-/tmp}/livenor-e2e.xwd" || fail "no screenshot"
python3 "$here/e2e_green.py" "${TMPDIR:-/tmp}/livenor-e2e.xwd" || fail "no menu on the screen"

# A whole test with the keyboard alone: Enter starts the focused first title;
# each question is answered with a digit (main row or keypad) and stepped
# with Enter or keypad Enter; after the fifteenth the focused "Выбрать другой
# тест" takes Enter back to the menu. A key that failed would leave the run
# behind and the menu would not come back.
menu_shown() {
    xwd -root -silent > "${TMPDIR:-/tmp}/livenor-e2e.xwd" || fail "no screenshot"
    python3 "$here/e2e_green.py" "${TMPDIR:-/tmp}/livenor-e2e.xwd" >/dev/null
}
xdotool key --clearmodifiers Num_Lock
xdotool key --clearmodifiers Return
sleep 0.3
menu_shown && fail "Enter on the first title did not start a test"
for q in $(seq 1 15); do
    if [ $((q % 2)) -eq 0 ]; then digit=KP_2; step=KP_Enter; else digit=3; step=Return; fi
    xdotool key --clearmodifiers "$digit"
    sleep 0.1
    xdotool key --clearmodifiers "$step"
    sleep 0.1
done
sleep 0.3
menu_shown && fail "the menu came back before the results"
# Enter held on "Выбрать другой тест" goes back to the menu and no further:
# the X server's repeats of the key must not start the test again.
xdotool keydown Return
sleep 1.5
xdotool keyup Return
sleep 0.3
menu_shown || fail "the keyboard did not take the test through to its results and back to the menu, or a held Enter went on"
echo "a whole test taken with the keyboard alone"

# Restored (a double click on its title bar), the main window tells the
# window manager its minimum: the content box, 887 x 666, less the frame.
# Dragging its lower edge far up never takes it below that, neither while
# the button is held nor after.
read -r left right top bottom <<< "$(frame "$main")"
xdotool mousemove 640 $(( top / 2 )) click --repeat 2 --delay 80 1
sleep 1
read -r left right top bottom <<< "$(frame "$main")"
hints=$(xprop -id "$main" WM_NORMAL_HINTS)
minimum="$(( 887 - left - right )) by $(( 666 - top - bottom ))"
echo "$hints" | grep -q "minimum size: $minimum" || fail "main window's minimum is not $minimum: $hints"
for drag in 1 2 3 4 5; do
    read -r x y w h <<< "$(client "$main")"
    edge=$(( y + h + bottom / 2 ))
    xdotool mousemove $(( x + w / 2 )) $edge mousedown 1 mousemove $(( x + w / 2 )) $(( edge - 250 )) \
        mousemove $(( x + w / 2 )) $(( edge - 500 ))
    sleep 0.3
    read -r x y w held <<< "$(client "$main")"
    xdotool mouseup 1
    sleep 0.3
    read -r x y w h <<< "$(client "$main")"
    [ $(( held + top + bottom )) -ge 666 ] && [ $(( h + top + bottom )) -ge 666 ] ||
        fail "drag $drag left the main window $held px high while held, $h px after"
    xdotool windowsize "$main" 1116 739
    sleep 0.3
done

# Closing the main window ends the program.
xdotool windowactivate --sync "$main" key --clearmodifiers alt+F4 2>/dev/null
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    fail "the program did not end when its main window was closed"
fi
wait "$pid"
status=$?
kill "$wm" 2>/dev/null
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "PASS"
