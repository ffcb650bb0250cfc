#!/bin/sh
# Builds the Debian package with CPack into a temporary folder and has lintian
# judge it as Debian's archive would: any error or warning fails the check;
# the informational and pedantic remarks are shown but pass.
# Usage: lintian-e2e.sh LINTIAN CPACK BUILD_DIR
set -u
lintian=$1 cpack=$2 build=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$cpack" --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || {
    cat "$out/cpack.log"; exit 1; }
# --no-cfg: a lintianrc on the machine must not hide or add tags.
"$lintian" --no-cfg --display-info --pedantic --fail-on error,warning "$out"/pattaro_*.deb
