#!/bin/sh
# Starts the program on a (virtual) X display and checks that its window's
# WM_CLASS holds the desktop entry's StartupWMClass, so launchers and task
# bars tie the window to the entry and its icon.
# Usage: wmclass-e2e.sh PROGRAM DESKTOP_FILE
set -u
program="$1"
expected=$(sed -n 's/^StartupWMClass=//p' "$2")
log=$(mktemp)
QT_QPA_PLATFORM=xcb "$program" 2>"$log" &
pid=$!
trap 'kill $pid 2>/dev/null; rm -f "$log"' EXIT
# Waits for the window however long it takes; the test's time limit ends it.
until classes=$(xprop -name Pattaro WM_CLASS 2>/dev/null); do
    kill -0 $pid 2>/dev/null || { echo "the program ended before its window appeared:"; cat "$log"; exit 1; }
    sleep 0.2
done
echo "$classes"
echo "$classes" | grep -q "\"$expected\"" || { echo "no \"$expected\" (StartupWMClass) in $classes"; exit 1; }
