#!/bin/bash
# End-to-end checks of the match tips and the command keys on a real X
# display under openbox: F5 from the expression box asks about the matches,
# a tip of several lines shows over a coloured match and none over plain
# text, and Ctrl+Shift with the keypad's Enter reaches its command from the
# source pane. Run under xvfb-run; argument: the program. Every wait polls
# against a deadline.
set -u
program="$1"
. "$(dirname "$0")/e2e-common.sh"

no_window() { ! window_of "$1"; }
# The program's tool tip window now showing, if any.
tip_window() {
    local w
    for w in $(xdotool search --onlyvisible --class pattaro 2>/dev/null); do
        xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_TOOLTIP && { echo "$w"; return 0; }
    done
    return 1
}
no_tip() { ! tip_window; }
tip_taller_than() {
    local w
    w=$(tip_window) || return 1
    eval "$(xdotool getwindowgeometry --shell "$w")"
    [ "$HEIGHT" -gt "$1" ]
}
# Rests the pointer on a point after a small move, as a hand would.
rest_at() {
    xdotool mousemove $(($1 - 2)) "$2"; sleep 0.2
    xdotool mousemove "$1" "$2"
}
start_desktop
start_program hover-e2e-app.log
# Places in the window's design: the source pane's first two lines, the
# expression and replacement boxes.
line1=$((wy + 68)); line2=$((wy + 87))
click_at $((wx + 300)) $((wy + 100))
xdotool type --delay 20 'ab 1234567890 cd'
xdotool key Return
xdotool type --delay 20 'x 99999999'
click_at $((wx + 330)) $((wy + 410))
xdotool type --delay 20 '#'
click_at $((wx + 330)) $((wy + 386))
xdotool type --delay 20 '\d+'

xdotool key F5
if wait_for window_of '友情提示'; then
    log "ok: F5 in the expression box asked about the matches"
    xdotool windowactivate --sync "$(window_of '友情提示')" 2>/dev/null; sleep 0.3
    xdotool key Return
    wait_for no_window '友情提示' || fail "the question stayed after Yes"
else
    fail "F5 asked nothing"
fi

rest_at $((wx + 80)) "$line1"
if wait_for tip_taller_than 50; then
    log "ok: a tip of several lines over the first match"
else
    fail "no match tip over the first match"
fi
rest_at $((wx + 24)) "$line1"
wait_for no_tip && log "ok: no tip over plain text" || fail "a tip stayed over plain text"
rest_at $((wx + 60)) "$line2"
wait_for tip_taller_than 50 && log "ok: a match tip on the second line" || fail "no match tip on the second line"

click_at $((wx + 300)) $((wy + 100))
xdotool key ctrl+shift+KP_Enter
if wait_for window_of '友情提示'; then
    log "ok: Ctrl+Shift+keypad Enter in the source pane asked its question"
    xdotool windowactivate --sync "$(window_of '友情提示')" 2>/dev/null; sleep 0.3
    xdotool key Escape
else
    fail "Ctrl+Shift+keypad Enter asked nothing"
fi

[ "$failures" -eq 0 ] && log "all match-tip and key checks passed" || log "$failures check(s) failed"
exit "$failures"
