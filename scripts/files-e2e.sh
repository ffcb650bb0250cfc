#!/bin/bash
# Files in the real window on a real X display under openbox: a file named on
# the command line, Ctrl+O through the open dialog (a GB18030 file, then a
# binary one that is refused), the upper-case button, and Ctrl+S through the
# save dialog; the saved bytes are checked. Run under xvfb-run; argument: the
# program. Every wait polls against a deadline.
set -u
program="$1"
. "$(dirname "$0")/e2e-common.sh"


# Gives the window named $1 the keyboard, then presses the keys.
keys_to() {
    local w
    wait_for window_of "$1" || return 1
    w=$(window_of "$1")
    xdotool windowactivate --sync "$w" 2>/dev/null; sleep 0.3
    shift
    xdotool key "$@"
}
# In the dialog titled $1, types the path $2 into the file name and confirms.
pick_file() {
    local dialog
    wait_for window_of "$1" || { fail "no dialog '$1'"; return 1; }
    dialog=$(window_of "$1")
    xdotool windowactivate --sync "$dialog" 2>/dev/null; sleep 0.5
    xdotool type --delay 20 "$2"; sleep 0.3
    xdotool key Return
    wait_for sh -c "! xdotool search --onlyvisible --name '$1'" || fail "dialog '$1' stayed open"
}
same_bytes() { cmp -s "$1" "$2"; }

start_openbox
app=""
dir=$(mktemp -d)
trap 'kill $wm $app 2>/dev/null; rm -rf "$dir"' EXIT
openbox_ready || { log "openbox manages no window"; exit 1; }

# 中文 U+20000 in GB18030 with CR LF and a lone CR, and what upper case
# makes of it in UTF-8.
printf 'ab\xd6\xd0\xce\xc4 \x95\x32\x82\x36\r\ncd\ref' > "$dir/gb18030.txt"
printf 'AB\xe4\xb8\xad\xe6\x96\x87 \xf0\xa0\x80\x80\r\nCD\rEF' > "$dir/expected.txt"
printf '\xef\xbb\xbfstart\r\n' > "$dir/start.txt"
printf 'START\r\n' > "$dir/expected-start.txt"
printf '\x89PNG\r\n\x1a\n\0\0\0\rIHDR' > "$dir/picture.png"

"$program" "$dir/start.txt" 2>"$dir/log" &
app=$!
wait_for window_of '^Pattaro$' || { log "no window"; cat "$dir/log"; exit 1; }
window=$(window_of '^Pattaro$')
xdotool windowmove --sync "$window" 0 0; sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
# The upper-case button, Command5, by its place in the layout.
upper_x=$((X + 376)); upper_y=$((Y + 433))
press_upper() {
    xdotool windowactivate --sync "$window" 2>/dev/null; sleep 0.3
    xdotool mousemove "$upper_x" "$upper_y"; sleep 0.3
    xdotool click 1; sleep 0.5
}
save_as() {
    keys_to '^Pattaro$' ctrl+s || fail "window lost"
    pick_file '保存替换后的文本' "$1"
    wait_for test -s "$1" || fail "nothing saved in $1"
}

# The file named on the command line is in the source pane.
press_upper
save_as "$dir/out-start.txt"
same_bytes "$dir/out-start.txt" "$dir/expected-start.txt" || fail "command-line file: $(od -c "$dir/out-start.txt" | head -3)"

# Ctrl+O, a GB18030 file.
keys_to '^Pattaro$' ctrl+o || fail "window lost"
pick_file '打开文本文件' "$dir/gb18030.txt"
press_upper
save_as "$dir/out.txt"
same_bytes "$dir/out.txt" "$dir/expected.txt" || fail "GB18030 file: $(od -c "$dir/out.txt" | head -3)"

# A binary file is refused with a message, and the pane keeps its text.
keys_to '^Pattaro$' ctrl+o || fail "window lost"
pick_file '打开文本文件' "$dir/picture.png"
keys_to '友情提示' Return || fail "no message for a binary file"
press_upper
save_as "$dir/out-again.txt"
same_bytes "$dir/out-again.txt" "$dir/expected.txt" || fail "the pane changed after a refused file"

if [ "$failures" -ne 0 ]; then
    log "$failures failure(s)"; cat "$dir/log"; exit 1
fi
log "files in the real window: all passed"
