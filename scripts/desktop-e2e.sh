#!/bin/bash
# "Open with" from a file manager: the installed desktop entry is launched
# with a file, as file managers do (gio launch), under openbox on a real X
# display; the installed program must start with that file and show its text
# in the source pane. Run under xvfb-run.
# Usage: desktop-e2e.sh CMAKE BUILD_DIR DESKTOP_ID
set -u
cmake=$1 build=$2 id=$3
. "$(dirname "$0")/e2e-common.sh"

prefix=$(mktemp -d)
app=""
start_openbox
trap 'kill $wm $app 2>/dev/null; rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >"$prefix/install.log" 2>&1 || {
    cat "$prefix/install.log"; exit 1; }
openbox_ready || { log "openbox manages no window"; exit 1; }

# File managers offer the applications their MIME cache names for a type.
update-desktop-database "$prefix/share/applications" &&
    grep -qx "text/plain=$id.desktop;" "$prefix/share/applications/mimeinfo.cache" ||
    fail "the entry is not offered for text files: $(cat "$prefix/share/applications/mimeinfo.cache")"

# A name with a space and Chinese in it, which the entry's %f must pass whole.
file="$prefix/笔记 one.txt"
text='第一行 desktop-e2e 42'
printf '%s' "$text" >"$file"

PATH="$prefix/bin:$PATH" gio launch "$prefix/share/applications/$id.desktop" "$file" 2>"$prefix/launch.log" ||
    { log "gio launch failed"; cat "$prefix/launch.log"; exit 1; }
wait_for window_of '^Pattaro$' || { log "no window after the launch"; cat "$prefix/launch.log"; exit 1; }
win=$(window_of '^Pattaro$')
app=$(xdotool getwindowpid "$win")

[ "$(readlink "/proc/$app/exe")" = "$prefix/bin/pattaro" ] ||
    fail "the window belongs to $(readlink "/proc/$app/exe"), not the installed program"
tr '\0' '\n' <"/proc/$app/cmdline" | grep -qxF "$file" ||
    fail "the program was not given the file: $(tr '\0' ' ' <"/proc/$app/cmdline")"

# The source pane's text, copied out of the window.
# Installed under a prefix of its own, the program trusts no digest record
# there and says its integrity is unchecked, over its window.
if wait_for window_of '^友情提示$'; then
    xdotool windowactivate --sync "$(window_of '^友情提示$')" 2>/dev/null; sleep 0.3
    xdotool key Return
    wait_for sh -c "! xdotool search --onlyvisible --name '^友情提示\$'" || fail "the integrity notice stayed open"
else
    fail "no integrity notice for a program away from its configured prefix"
fi

pane_text() { xclip -o -selection clipboard 2>/dev/null; }
copied() { [ "$(pane_text)" = "$text" ]; }
xdotool windowactivate --sync "$win" 2>/dev/null; sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool mousemove $((X + 300)) $((Y + 100)); sleep 0.2
xdotool click 1; sleep 0.3
xdotool key ctrl+a ctrl+c
wait_for copied || fail "the source pane holds '$(pane_text)', not the file's text"

if [ "$failures" -ne 0 ]; then
    log "$failures failure(s)"; exit 1
fi
log "opened through the desktop entry: all passed"
