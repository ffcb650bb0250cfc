#!/bin/bash
# End-to-end checks of the self-drawn frame on a real X display with a real
# window manager (openbox): title-bar drag, the close question, maximise and
# restore, and a grip resize. Run under xvfb-run; arguments: the program and
# the skin example. Every wait polls against a deadline, never a fixed sleep
# that a busy machine could outrun.
set -u
program="$1"
example="$2"
. "$(dirname "$0")/e2e-common.sh"
started=$(date +%s.%N)

elapsed() { printf '%.2f s' "$(echo "$(date +%s.%N) - $1" | bc)"; }

geometry() { xdotool getwindowgeometry --shell "$1" | tr '\n' ' '; }
position_is() { eval "$(xdotool getwindowgeometry --shell "$1")"; [ "$X,$Y" = "$2" ]; }
size_is() { eval "$(xdotool getwindowgeometry --shell "$1")"; [ "${WIDTH}x$HEIGHT" = "$2" ]; }
# Moves the pointer in steps, as a hand would, with the button held.
drag() {
    local x0=$1 y0=$2 dx=$3 dy=$4 i
    # A hover first: a grip takes its sizing pointer from it.
    xdotool mousemove "$x0" $((y0 + 2)); sleep 0.2
    xdotool mousemove "$x0" "$y0"; sleep 0.2
    xdotool mousedown 1; sleep 0.2
    for i in 1 2 3 4 5; do
        xdotool mousemove $((x0 + dx * i / 5)) $((y0 + dy * i / 5)); sleep 0.1
    done
    xdotool mouseup 1; sleep 0.3
}
# Hovers a point, then clicks it: the skin acts on the button it last saw.
click_at() {
    xdotool mousemove $(($1 - 3)) $(($2 + 2)); sleep 0.2
    xdotool mousemove "$1" "$2"; sleep 0.3
    xdotool click 1
}

start_openbox
app=""; demo=""
trap 'kill $wm $app $demo 2>/dev/null' EXIT
openbox_ready || { log "openbox manages no window"; exit 1; }

# --- The main window: drag, then close with No and Yes.
t=$(date +%s.%N)
"$program" >"${TMPDIR:-/tmp}/frame-e2e-app.log" 2>&1 &
app=$!
wait_for window_of '^Pattaro$' || {
    log "the main window did not appear on $DISPLAY; windows:"
    for w in $(xdotool search --name '.' 2>/dev/null); do
        log "  $w $(xdotool getwindowname "$w" 2>/dev/null) $(xwininfo -id "$w" 2>/dev/null | grep -E 'Map State')"
    done
    exit 1
}
win=$(window_of '^Pattaro$')
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$win")"
x0=$X; y0=$Y
drag $((x0 + 200)) $((y0 + 12)) 100 50
if wait_for position_is "$win" "$((x0 + 100)),$((y0 + 50))"; then
    log "ok: dragging the title bar by 100,50 moved the window by 100,50 ($(elapsed "$t"))"
else
    fail "drag: expected $((x0 + 100)),$((y0 + 50)), got $(geometry "$win")"
fi
xdotool mousemove 5 5; sleep 0.3
position_is "$win" "$((x0 + 100)),$((y0 + 50))" || fail "the window kept following the pointer after the release"

t=$(date +%s.%N)
eval "$(xdotool getwindowgeometry --shell "$win")"
click_at $((X + WIDTH - 15)) $((Y + 15))
if answer_box Escape; then
    sleep 1
    kill -0 $app 2>/dev/null && log "ok: close button asked, No kept the window ($(elapsed "$t"))" \
        || fail "No closed the program"
else
    fail "the close button asked nothing"
fi
t=$(date +%s.%N)
click_at $((X + WIDTH - 15)) $((Y + 15))
if answer_box Return; then
    if wait_for bash -c "! kill -0 $app"; then
        log "ok: close button asked, Yes ended the program ($(elapsed "$t"))"
    else
        fail "Yes did not end the program"
    fi
else
    fail "the close button asked nothing the second time"
fi

# --- The example: maximise, restore, resize with the right grip.
t=$(date +%s.%N)
"$example" --caption demo --max-button 1 --border-style 1 --width 400 --height 300 >/dev/null 2>&1 &
demo=$!
wait_for window_of '^demo$' || { log "the example did not appear"; exit 1; }
win=$(window_of '^demo$')
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$win")"
x0=$X; y0=$Y; w0=$WIDTH; h0=$HEIGHT
screen=$(xdpyinfo | awk '/dimensions:/ { print $2 }')
click_at $((x0 + w0 - 36)) $((y0 + 15))
if wait_for size_is "$win" "$screen"; then
    log "ok: maximise filled the work area, $screen ($(elapsed "$t"))"
else
    fail "maximise: expected $screen, got $(geometry "$win")"
fi
t=$(date +%s.%N)
eval "$(xdotool getwindowgeometry --shell "$win")"
click_at $((X + WIDTH - 36)) $((Y + 15))
if wait_for position_is "$win" "$x0,$y0" && size_is "$win" "${w0}x$h0"; then
    log "ok: restore put back $w0 x $h0 at $x0,$y0 ($(elapsed "$t"))"
else
    fail "restore: expected ${w0}x$h0 at $x0,$y0, got $(geometry "$win")"
fi
t=$(date +%s.%N)
xdotool mousemove $((x0 + w0 / 2)) $((y0 + h0 / 2)); sleep 0.3
drag $((x0 + w0 - 3)) $((y0 + 100)) 80 0
# The right edge follows the pointer 5 pixels to its right.
if wait_for size_is "$win" "$((w0 - 3 + 80 + 5))x$h0"; then
    log "ok: dragging the right grip by 80 widened the window to $((w0 + 82)) ($(elapsed "$t"))"
else
    fail "grip: expected $((w0 + 82))x$h0, got $(geometry "$win")"
fi

log "frame end-to-end: $((6 - failures)) passed, $failures failed in $(elapsed "$started")"
[ "$failures" -eq 0 ]
