#!/bin/sh
# Builds the Debian package with CPack into a temporary folder and checks its
# metadata and that it holds what the install step puts under /usr, with a
# digest record matching the packaged program.
# Usage: package-e2e.sh CPACK BUILD_DIR DESKTOP_ID VERSION
set -u
cpack=$1 build=$2 id=$3 version=$4
. "$(dirname "$0")/installed-files.sh"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

"$cpack" --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || {
    cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/pattaro_"$version"_*.deb 2>/dev/null)
[ -f "$deb" ] || { echo "no package in:"; ls "$out"; cat "$out/cpack.log"; exit 1; }

info=$(dpkg-deb -I "$deb")
echo "$info"
field() { echo "$info" | sed -n "s/^ $1: //p"; }
[ "$(field Package)" = pattaro ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = devel ] || fail "Section: $(field Section)"
field Maintainer | grep -q '^Pattaro developers' || fail "Maintainer: $(field Maintainer)"
field Description | grep -q 'regular expressions' || fail "Description: $(field Description)"
for lib in libc6 libqt6widgets6 libqt6core6 libpcre2-16-0 libstdc++6; do
    field Depends | grep -q "$lib " || fail "Depends lacks $lib: $(field Depends)"
done
# What the window loads by name rather than links to.
for p in fonts-noto-cjk qt6-translations-l10n; do
    field Depends | grep -Eq "(^|, )$p(,|$)" || fail "Depends lacks $p: $(field Depends)"
done

listing=$(dpkg-deb -c "$deb")
contents=$(echo "$listing" | awk '{print $6}')
for f in $(installed_files "$id"); do
    echo "$contents" | grep -qx "./usr/$f" || fail "not in the package: /usr/$f"
done
# Nothing else, owned by root, folders and programs 0755 and the rest 0644,
# whoever built it with whatever umask.
expected=$(installed_files "$id" | sed 's|^|./usr/|')
echo "$listing" | while read -r mode owner size date time path; do
    case $path in
        */) want=drwxr-xr-x ;;
        ./usr/bin/*) want=-rwxr-xr-x ;;
        *) want=-rw-r--r--
           echo "$expected" | grep -qxF "$path" || echo "FAIL: not installed, but packaged: $path" ;;
    esac
    [ "$mode $owner" = "$want root/root" ] || echo "FAIL: $path is $mode $owner"
done | grep . && failed=1

dpkg-deb -x "$deb" "$out/root"
record=$(cut -d' ' -f1 "$out/root/usr/share/pattaro/pattaro.sha256")
[ "$record" = "$(sha256sum "$out/root/usr/bin/pattaro" | cut -d' ' -f1)" ] ||
    fail "the packaged record is not the packaged program's digest"
exit $failed
