#!/bin/bash
# End-to-end check of the themes on a real X display under openbox: 金色
# picked from the system menu's 外观 submenu changes the title bar's colours
# on the screen at once, is stored, and the next start draws the same title
# bar. Run under xvfb-run; argument: the program. Every wait polls against a
# deadline.
set -u
program="$1"
. "$(dirname "$0")/e2e-common.sh"

# The title bar's mean colour as "r g b" of 8 bits, over a stretch without
# the caption, whatever depth ImageMagick reports in.
title_colour() {
    screen_pixels "200x14+$((wx + 420))+$((wy + 4))" |
        awk '{ r += $1; g += $2; b += $3; n++; if ($1 > 255 || $2 > 255 || $3 > 255) wide = 1 }
             END { s = wide ? 257 : 1; if (n) printf "%d %d %d\n", r / n / s, g / n / s, b / n / s }'
}
# Whether two "r g b" colours differ by more than a glyph's blending would.
far_apart() {
    echo "$1 $2" | awk '{ d = ($1 - $4) ^ 2 + ($2 - $5) ^ 2 + ($3 - $6) ^ 2; exit !(d > 300) }'
}
menu_window() {
    local w
    for w in $(xdotool search --onlyvisible --class pattaro 2>/dev/null); do
        [ "$w" != "$win" ] && xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' && return 0
    done
    return 1
}
no_menu() { ! menu_window; }
stop_program() {
    kill "$app" 2>/dev/null; wait "$app" 2>/dev/null
    app=""
}

start_desktop

start_program theme-e2e-app.log
designed=$(title_colour)
log "the designed title bar: $designed"

# 外观 is the menu's last item; its submenu lists the themes from 蓝色, and
# 金色 is the fifth.
xdotool mousemove $((wx + 300)) $((wy + 12)); sleep 0.2
xdotool click 3
wait_for menu_window || fail "the system menu did not open"
xdotool key Up; sleep 0.2
xdotool key Right; sleep 0.3
xdotool key Down Down Down Down Return
wait_for no_menu || fail "the system menu stayed open"
sleep 0.5
gold=$(title_colour)
if far_apart "$designed" "$gold"; then
    log "ok: 金色 changed the title bar from $designed to $gold"
else
    fail "the title bar kept its colours after 金色 ($designed, then $gold)"
fi
if grep -q '^theme=4' -r "$XDG_CONFIG_HOME"; then
    log "ok: the theme was stored"
else
    fail "the theme was not stored under $XDG_CONFIG_HOME"
fi

stop_program
start_program theme-e2e-app.log
again=$(title_colour)
if far_apart "$designed" "$again" && ! far_apart "$gold" "$again"; then
    log "ok: the next start drew the title bar in 金色 ($again)"
else
    fail "the next start drew $again, not 金色's $gold"
fi

[ "$failures" -eq 0 ] && log "all theme checks passed" || log "$failures check(s) failed"
exit "$failures"
