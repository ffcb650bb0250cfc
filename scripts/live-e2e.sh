#!/bin/bash
# End-to-end check of the live preview on a real X display under openbox:
# with the preview off, an expression typed leaves the source pane plain; F6
# turns it on and, without any button, the matches turn the first swatch's
# green on the screen; expressions typed then colour the pane as they are
# typed; and the switch is stored for the next start.
# Run under xvfb-run; argument: the program. Every wait polls against a
# deadline.
set -u
program="$1"
. "$(dirname "$0")/e2e-common.sh"

# Pixels of the first swatch's green (0, 192, 0), or near it where the
# glyphs' edges blend, in the source pane's first two lines.
green_pixels() {
    screen_pixels "580x38+$((wx + 16))+$((wy + 58))" |
        awk '$1 < 90 && $2 > 120 && $3 < 90 { n++ } END { print n + 0 }'
}
pane_is_green() { [ "$(green_pixels)" -gt 10 ]; }
start_desktop
start_program live-e2e-app.log
click_at $((wx + 300)) $((wy + 100))
xdotool type --delay 20 'ab 1234567890 cd 42 x 99999999'
click_at $((wx + 330)) $((wy + 386))
xdotool type --delay 20 '\d+'
sleep 1
if pane_is_green; then
    fail "the source pane turned green with the preview off"
else
    log "ok: off, typing an expression colours nothing"
fi

xdotool key F6
if wait_for pane_is_green; then
    log "ok: F6 turned the preview on and the matches are coloured"
else
    fail "the matches were not coloured after F6 ($(green_pixels) green pixels)"
fi
# Typing in live mode: an expression that finds nothing takes the colours
# away, and the digits typed again bring them back, with no button pressed.
pane_is_plain() { [ "$(green_pixels)" -eq 0 ]; }
click_at $((wx + 330)) $((wy + 386))
xdotool key ctrl+a BackSpace
xdotool type --delay 20 'zzz'
if wait_for pane_is_plain; then
    log "ok: typing an expression that finds nothing took the colours away"
else
    fail "the colours stayed after typing an expression that finds nothing"
fi
xdotool key ctrl+a BackSpace
xdotool type --delay 20 '[0-9]+'
if wait_for pane_is_green; then
    log "ok: typing in live mode coloured the matches"
else
    fail "typing in live mode did not colour the matches"
fi

if grep -q 'livePreview=true' -r "$XDG_CONFIG_HOME"; then
    log "ok: the switch was remembered"
else
    fail "the switch was not stored under $XDG_CONFIG_HOME"
fi

[ "$failures" -eq 0 ] && log "all live preview checks passed" || log "$failures check(s) failed"
exit "$failures"
