#!/bin/sh
# Starts the real program on a real (virtual) X display and expects it to be
# still running, silently, a few seconds later: no crash at start-up and no
# warning from the integrity self-check.
set -u
program="$1"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
QT_QPA_PLATFORM=xcb timeout 4 "$program" 2>"$log"
status=$?
if [ "$status" -ne 124 ]; then
    echo "the program ended by itself (status $status):"; cat "$log"; exit 1
fi
if grep -q '^pattaro:' "$log"; then
    echo "start-up warned:"; cat "$log"; exit 1
fi
exit 0
