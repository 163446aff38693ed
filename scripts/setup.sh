#!/usr/bin/env bash
# Installs what the build, the tests and the gallery need, once. Quiet when all is there.
set -euo pipefail
packages=(cmake ninja-build make g++ clang clang-format-14 libclang-rt-14-dev googletest libbenchmark-dev
          g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
          wine wine64 fonts-wine xvfb xauth fonts-ipafont-gothic locales)
sudo=""; [ "$(id -u)" = 0 ] || sudo=sudo
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
apt_install() {
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}
missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  apt_install "${missing[@]}"
fi
# The 32-bit Wine runs the i686 product. Without it the i686 tree is still built, and the test
# command says that its tests did not run.
if ! installed wine32:i386; then
  echo "setup: installing the 32-bit Wine (wine32:i386)"
  { dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386; } &&
    apt_install wine32:i386 || echo "setup: the 32-bit Wine could not be installed"
fi
# Wine takes its ANSI code page (932) from the Japanese locale, which must exist.
if ! locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$'; then
  echo "setup: generating the ja_JP.UTF-8 locale"
  $sudo localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
