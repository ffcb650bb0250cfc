#!/bin/sh
# Installs the build into a temporary prefix and checks the result as a user
# would meet it: every file in place, bin/ holding the programs only, valid
# desktop and AppStream files, icons of the sizes their folders say, --version
# without a display, the integrity record of the installed program, and a
# program that does not trust a record outside the place it was built for.
# Usage: install-e2e.sh CMAKE BUILD_DIR DESKTOP_ID VERSION
set -u
cmake=$1 build=$2 id=$3 version=$4
. "$(dirname "$0")/installed-files.sh"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# Stripped, so the installed bytes differ from the built ones.
"$cmake" --install "$build" --prefix "$prefix" --strip >"$prefix/install.log" 2>&1 || {
    cat "$prefix/install.log"; exit 1; }

for f in $(installed_files "$id"); do
    [ -f "$prefix/$f" ] || fail "not installed: $f"
done
[ "$(ls "$prefix/bin" | tr '\n' ' ')" = "pattaro pattaro-cli " ] || fail "bin/ holds: $(ls "$prefix/bin")"

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" || fail "no release $version"

# The man page sends its readers to the installed copy of the expression dialect.
zcat "$prefix/share/man/man1/pattaro.1.gz" | grep -q 'share/doc/pattaro/regex\\-dialect\.md' ||
    fail "pattaro(1) does not name share/doc/pattaro/regex-dialect.md"

for size in 16 32 48 64 128 256; do
    file "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "PNG image data, $size x $size," ||
        fail "the ${size}x$size icon is not $size px"
done

# No display at all: the answer must come before Qt looks for one.
for program in pattaro pattaro-cli; do
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$program" --version 2>&1)
    [ "$out" = "$program $version" ] || fail "$program --version said: $out"
done
env -u DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/pattaro" --help | grep -q -- "--screenshot FILE" ||
    fail "pattaro --help does not name --screenshot"

record=$(cut -d' ' -f1 "$prefix/share/pattaro/pattaro.sha256")
[ "$record" = "$(sha256sum "$prefix/bin/pattaro" | cut -d' ' -f1)" ] ||
    fail "the record is not the installed program's digest"

# Installed under a prefix of its own, not the one it was built for: a record
# there is one anybody could have planted, so it is not trusted and the
# program says its integrity is unchecked, then starts all the same.
QT_QPA_PLATFORM=offscreen "$prefix/bin/pattaro" --screenshot "$prefix/shot.png" 2>"$prefix/err" ||
    fail "the installed program did not start"
grep -q '^友情提示: 找不到程序文件 .*的可信校验记录' "$prefix/err" ||
    fail "a record outside the install's own place was trusted: $(cat "$prefix/err")"
exit $failed
