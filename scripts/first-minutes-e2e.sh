#!/bin/bash
# What a new user does in the first minutes, on a real X display under
# openbox: types while clicking the frame (the text pane keeps the keyboard),
# hovers a caption button and moves into a pane (its tip goes), and opens and
# closes every modal window the window has (the colour dialog for both
# swatches, the commands' questions, the open and save dialogs): none of them
# may lead to the exit question. Run under xvfb-run; argument: the program.
# Every wait for something to appear polls against a deadline; a check that
# something did not appear waits one second after its cause.
set -u
program="$1"
. "$(dirname "$0")/e2e-common.sh"

no_window() { ! window_of "$1"; }
alive() { kill -0 "$app" 2>/dev/null; }
tip_window() {
    local w
    for w in $(xdotool search --onlyvisible --class pattaro 2>/dev/null); do
        xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_TOOLTIP && return 0
    done
    return 1
}
no_tip() { ! tip_window; }
# The system menu: a window of the program's own that the window manager
# does not manage.
menu_window() {
    local w
    for w in $(xdotool search --onlyvisible --class pattaro 2>/dev/null); do
        [ "$w" != "$win" ] && xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' && return 0
    done
    return 1
}
no_menu() { ! menu_window; }
# Right-clicks the title, then presses keys in the system menu once it shows.
in_system_menu() {
    click_at $(at 300 12) 3
    wait_for menu_window || { fail "the system menu did not open"; return 1; }
    xdotool key "$@"
    wait_for no_menu || fail "the system menu stayed open"
}
# Moves onto a point in two steps, as a hand would, then clicks it.
click_at() {
    local button=${3:-1}
    xdotool mousemove $(($1 - 2)) $(($2 + 1)); sleep 0.2
    xdotool mousemove "$1" "$2"; sleep 0.2
    xdotool click "$button"; sleep 0.3
}
# A place in the main window's design, in pixels from its top left.
at() { echo $((wx + $1)) $((wy + $2)); }
clipboard() { xclip -o -selection clipboard 2>/dev/null; }
# Nothing asks to quit a second after $1, and the program still runs.
never_asked_to_quit() {
    sleep 1
    if ! alive; then
        fail "$1: the program ended"
        exit 1
    fi
    if ! no_window '友情提示'; then
        fail "$1: a '友情提示' box appeared"
        answer_box Escape
    else
        log "ok: $1"
    fi
}
# The absolute place and size of window $1, without the manager's decoration.
client_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
        /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }'
}

start_openbox
app=""
trap 'kill $wm $app 2>/dev/null' EXIT
openbox_ready || { log "openbox manages no window"; exit 1; }

# Another window is open: the new one still starts in the centre.
xmessage -name e2e-other -geometry 300x200+10+10 other >/dev/null 2>&1 &
other=$!
wait_for window_of '^e2e-other$'
"$program" >"${TMPDIR:-/tmp}/first-minutes-e2e-app.log" 2>&1 &
app=$!
trap 'kill $wm $app $other 2>/dev/null' EXIT
wait_for window_of '^Pattaro$' || { log "the main window did not appear on $DISPLAY"; exit 1; }
win=$(window_of '^Pattaro$')
xdotool windowactivate --sync "$win"; sleep 0.5
read -r wx wy ww wh <<<"$(client_geometry "$win")"
read -r sw sh <<<"$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')"
dx=$((wx + ww / 2 - sw / 2)); dy=$((wy + wh / 2 - sh / 2))
if [ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ]; then
    log "ok: the window started in the centre of the screen beside another window"
else
    fail "the window started at $wx,$wy (${ww}x$wh), not in the centre of ${sw}x$sh"
fi

# --- The size is fixed for the window manager too; moving and minimising stay.
actions=$(xprop -id "$win" _NET_WM_ALLOWED_ACTIONS)
case $actions in
    *MAXIMIZE* | *RESIZE*) fail "the window manager offers to size the window: $actions" ;;
    *ACTION_MOVE*ACTION_MINIMIZE* | *ACTION_MINIMIZE*ACTION_MOVE*) log "ok: moving and minimising offered, sizing not" ;;
    *) fail "moving or minimising is not offered: $actions" ;;
esac

# --- Always on top from the system menu, on the same X window.
on_top() { xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
not_on_top() { ! on_top; }
for want in on_top not_on_top; do
    # Up from the end passes 外观, the library's three items, the live
    # preview's and the explanation's, after 窗体置顶.
    in_system_menu Up Up Up Up Up Up Up Return
    if wait_for "$want"; then
        log "ok: 窗体置顶 made the window $want"
    else
        fail "窗体置顶 did not make the window $want"
    fi
    [ "$(window_of '^Pattaro$')" = "$win" ] || fail "窗体置顶 made a new X window"
done

# --- The source pane keeps the keyboard whatever the frame is given.
click_at $(at 308 120)
xdotool type --delay 20 'one '
click_at $(at 300 12)
xdotool type --delay 20 'two '
in_system_menu Escape
xdotool type --delay 20 'three '
click_at $((wx + ww - 15)) $((wy + 15))
answer_box Escape || fail "the close button asked nothing"
xdotool type --delay 20 'four'
xdotool key ctrl+a ctrl+c; sleep 0.3
if [ "$(clipboard)" = "one two three four" ]; then
    log "ok: clicks on the title, its menu and the close button left the keyboard with the pane"
else
    fail "the pane holds '$(clipboard)' after typing between clicks on the frame"
fi
xdotool key alt+F4
if answer_box Escape; then
    log "ok: Alt+F4 in the pane asks to quit"
else
    fail "Alt+F4 in the pane asked nothing"
fi

# --- A caption button's tip goes when the pointer moves into a pane.
xdotool mousemove $((wx + ww - 38)) $((wy + 14)); sleep 0.2
xdotool mousemove $((wx + ww - 36)) $((wy + 15))
if wait_for tip_window; then
    xdotool mousemove $(at 300 120)
    if WAIT_SECONDS=2 wait_for no_tip; then
        log "ok: the minimise button's tip went with the pointer"
    else
        fail "the minimise button's tip stayed over the pane"
    fi
else
    fail "the minimise button showed no tip"
fi

# --- The colour dialog, closed each way, for each swatch.
for swatch in 1 2; do
    for way in 确定 取消 Esc; do
        click_at $(at $((104 + 40 * swatch)) 432)
        if ! wait_for window_of '^选择颜色$'; then
            fail "swatch $swatch opened no colour dialog"
            continue
        fi
        dialog=$(window_of '^选择颜色$')
        read -r dx dy dw dh <<<"$(client_geometry "$dialog")"
        case $way in
            确定) click_at $((dx + dw - 139)) $((dy + dh - 25)) ;;
            取消) click_at $((dx + dw - 53)) $((dy + dh - 25)) ;;
            Esc) xdotool key Escape ;;
        esac
        wait_for no_window '^选择颜色$' || { fail "$way left the colour dialog open"; xdotool key Escape; }
        never_asked_to_quit "closing swatch $swatch's colour dialog with $way"
    done
done

# --- The commands' questions and the file dialogs, each answered or closed.
click_at $(at 330 386)
xdotool type --delay 20 'o'
click_at $(at 330 410)
xdotool type --delay 20 'x'
for command in 1 3; do
    click_at $(at $((80 + 152 * (command - 1))) 468)
    answer_box Escape || fail "Command$command asked nothing"
    never_asked_to_quit "answering Command$command's question"
done
for keys in 'ctrl+o 打开文本文件' 'ctrl+s 保存替换后的文本'; do
    set -- $keys
    xdotool windowactivate --sync "$win"; sleep 0.3
    xdotool key "$1"
    if wait_for window_of "^$2\$"; then
        xdotool windowactivate --sync "$(window_of "^$2\$")"; sleep 0.3
        xdotool key Escape
        wait_for no_window "^$2\$" || fail "Escape left '$2' open"
        never_asked_to_quit "cancelling '$2'"
    else
        fail "$1 opened no '$2'"
    fi
done

log "first minutes end-to-end: $failures failed"
[ "$failures" -eq 0 ]
