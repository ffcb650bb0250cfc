# What the end-to-end scripts share: logging, polling against a deadline,
# finding windows, and a window manager that is ready. Sourced, not run.
export QT_QPA_PLATFORM=xcb
failures=0
# The program remembers what a run leaves (its place, colours, expression):
# each script starts from a first start of its own, never from the user's
# settings or another script's. A script may point it elsewhere.
own_config=""
if [ -z "${PATTARO_E2E_CONFIG:-}" ]; then
    PATTARO_E2E_CONFIG=$(mktemp -d)
    own_config=$PATTARO_E2E_CONFIG
    export XDG_CONFIG_HOME="$PATTARO_E2E_CONFIG"
fi

log() { printf '%s\n' "$*"; }
fail() { log "FAIL: $*"; failures=$((failures + 1)); }

# Polls "$@" until it succeeds, up to WAIT_SECONDS (20) seconds.
wait_for() {
    local deadline=$(( $(date +%s) + ${WAIT_SECONDS:-20} ))
    until "$@" >/dev/null 2>&1; do
        [ "$(date +%s)" -ge "$deadline" ] && return 1
        sleep 0.1
    done
}
window_of() {
    local found
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1)
    [ -n "$found" ] && echo "$found"
}

# Starts openbox; $wm is its process.
start_openbox() {
    openbox >/dev/null 2>&1 &
    wm=$!
}
# Openbox announces itself before it takes windows in, and a window mapped
# in between is never managed: the display is ready once a probe window of
# our own has been, which may take a second probe.
openbox_ready() {
    local attempt probe
    managed() { xprop -name e2e-probe WM_STATE 2>/dev/null | grep -q Normal; }
    for attempt in 1 2 3 4; do
        xmessage -name e2e-probe -title e2e-probe ready >/dev/null 2>&1 &
        probe=$!
        if WAIT_SECONDS=5 wait_for managed; then
            kill $probe 2>/dev/null; wait $probe 2>/dev/null
            return 0
        fi
        kill $probe 2>/dev/null; wait $probe 2>/dev/null
    done
    return 1
}

# Starts openbox and waits until it manages windows; on exit it stops, with
# the program, and this script's own settings go.
start_desktop() {
    start_openbox
    app=""
    trap 'kill $wm $app 2>/dev/null; [ -n "$own_config" ] && rm -rf "$own_config"' EXIT
    openbox_ready || { log "openbox manages no window"; exit 1; }
}
# Starts "$program", its output added to the log file named, and waits for
# its main window: $app is the process, $win the window, $wx $wy its place.
start_program() {
    "$program" >>"${TMPDIR:-/tmp}/$1" 2>&1 &
    app=$!
    wait_for window_of '^Pattaro$' || { log "the main window did not appear on $DISPLAY"; exit 1; }
    win=$(window_of '^Pattaro$')
    xdotool windowactivate --sync "$win"; sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$win")"
    wx=$X; wy=$Y
}
click_at() { xdotool mousemove "$1" "$2"; sleep 0.2; xdotool click 1; sleep 0.3; }
# The screen's pixels in a WIDTHxHEIGHT+X+Y stretch, a line "r g b" each.
screen_pixels() {
    import -window root -crop "$1" txt:- 2>/dev/null |
        sed -n 's/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'
}

# Answers the "友情提示" box with keys once it has the focus, and waits for
# it to close.
answer_box() {
    local box
    wait_for window_of '友情提示' || return 1
    box=$(window_of '友情提示')
    xdotool windowactivate --sync "$box" 2>/dev/null; sleep 0.3
    xdotool key "$@"
    wait_for sh -c "! xdotool search --onlyvisible --name '友情提示'"
}
