#!/bin/sh
# Installs whatever of the build and test dependencies is missing on a
# Debian machine (as root, or through sudo).
set -eu
packages="cmake make g++ pkg-config qt6-base-dev qt6-translations-l10n libgl-dev libpcre2-dev libicu-dev
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev fonts-noto-cjk xvfb xauth
  openbox xdotool xclip x11-utils bc dpkg-dev file desktop-file-utils appstream
  lintian libglib2.0-bin ripgrep"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends $missing
