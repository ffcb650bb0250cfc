#!/bin/bash
# End-to-end check of the expression explained on a real X display under
# openbox: F2 from the expression box opens the explanation, a window of its
# own beside the main one; the caret in the expression box chooses a piece;
# 复制为代码 puts the replace on the clipboard as code;
# closing it asks nothing and leaves the main window. Run under xvfb-run;
# arguments: the program and, optionally, where to save a screenshot of the
# desktop with both windows. Every wait polls against a deadline.
set -u
program="$1"
shot="${2:-}"
. "$(dirname "$0")/e2e-common.sh"

no_window() { ! window_of "$1"; }

start_desktop
start_program explain-e2e-app.log
# At the left edge, so that the screen has room on the right.
xdotool windowmove --sync "$win" 0 0; sleep 0.5
xdotool windowactivate --sync "$win"; sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$win")"
wx=$X; wy=$Y; ww=$WIDTH
# The expression box, in the window's design.
click_at $((wx + 330)) $((wy + 386))
xdotool type --delay 20 '(\d+)-\8{,2}'
xdotool key F2
if wait_for window_of '^表达式解释$'; then
    ex=$(window_of '^表达式解释$')
    eval "$(xdotool getwindowgeometry --shell "$ex")"
    [ "$X" -ge $((wx + ww)) ] || [ $((X + WIDTH)) -le "$wx" ] ||
        fail "the explanation at x=$X covers the main window ($wx, $ww wide)"
    # The caret into the group: the piece under it is chosen.
    xdotool windowactivate --sync "$win"; sleep 0.3
    click_at $((wx + 330)) $((wy + 386))
    xdotool key Home Right Right; sleep 0.5
    [ -n "$shot" ] && import -window root "$shot"
    xdotool windowactivate --sync "$ex"; sleep 0.3
    # 复制为代码, at the foot of the window, in the first language: JavaScript.
    click_at $((X + WIDTH - 62)) $((Y + HEIGHT - 48))
    copied() { xclip -o -selection clipboard 2>/dev/null | grep -qF 'text.replace('; }
    if wait_for copied; then
        log "ok: 复制为代码 put the replace as JavaScript on the clipboard"
    else
        fail "复制为代码 left no JavaScript on the clipboard"
    fi
    xdotool key alt+F4
    WAIT_SECONDS=5 wait_for no_window '^表达式解释$' || fail "Alt+F4 did not close the explanation"
    window_of '友情提示' >/dev/null && fail "closing the explanation asked a question"
    window_of '^Pattaro$' >/dev/null || fail "closing the explanation closed the main window"
else
    fail "F2 opened no explanation"
fi

if [ "$failures" -gt 0 ]; then
    log "$failures check(s) failed"
    exit 1
fi
log "the explanation opens beside the window and closes on its own"
