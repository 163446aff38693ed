# Sourced: the environment of every Wine process of the project.
ZUNT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export ZUNT_BUILD="${ZUNT_BUILD:-$ZUNT_ROOT/build}"
# ZUNT_DPI=192 runs a program in a second prefix that differs only in its system DPI.
export ZUNT_BASE_WINEPREFIX="${ZUNT_BASE_WINEPREFIX:-${WINEPREFIX:-$ZUNT_BUILD/wineprefix}}"
export WINEPREFIX="$ZUNT_BASE_WINEPREFIX"
[ "${ZUNT_DPI:-96}" = 96 ] || WINEPREFIX="$ZUNT_BASE_WINEPREFIX-${ZUNT_DPI}dpi"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# The library's texts are CP932: LC_ALL (not LANG) gives Wine the Japanese ANSI code page.
export LC_ALL=ja_JP.UTF-8
# Why 32-bit programs cannot run here, or nothing when they can.
zunt_wine32_missing() {
  dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed' ||
    echo "the 32-bit Wine (package wine32:i386) is not installed"
}
