#!/usr/bin/env bash
# Makes the project's Wine prefix (Japanese locale, fonts for the Japanese face names, unmanaged
# windows) and its copy at 192 DPI. A prefix made by another Wine (say, before the 32-bit Wine was
# installed) cannot start programs ("could not load kernel32.dll"), so the prefixes are made again
# when the Wine changes.
set -euo pipefail
ZUNT_DPI=96 source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
stamp="$WINEPREFIX/.zunt-ready"
# The stamp names the prefix's settings and the Wine that made it: either changing remakes it.
wine_id="settings 4; $(wine --version) $(dpkg-query -W -f='${Package}:${Architecture}=${Version} ' wine64 wine32:i386 2>/dev/null || true)"
[ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wine_id" ] && exit 0
echo "setup: preparing the Wine prefixes in $WINEPREFIX(-192dpi)"
for prefix in "$WINEPREFIX" "$WINEPREFIX-192dpi"; do
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  rm -rf "$prefix"
done
mkdir -p "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
fonts="$WINEPREFIX/drive_c/windows/Fonts"
cp /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf "$fonts/"
# Wine's Marlett (fonts-wine) draws caption buttons, menu check marks and arrows. Debian's Wine 8
# never opens its data folder's fonts (/usr/share/wine/fonts), only the prefix's. Its other fonts
# stay out: Tahoma and MS Sans Serif have no Japanese (and the library picks Tahoma when it is
# there), and its Symbol shows the character palette's Greek letters as empty boxes.
cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
key='HKCU\Software\Wine\Fonts\Replacements'
for face in "ＭＳ ゴシック" "MS Gothic" "MS Shell Dlg" "MS Shell Dlg 2" "MS UI Gothic"; do
  wine reg add "$key" /v "$face" /d "IPAGothic" /f >/dev/null 2>&1
done
for face in "ＭＳ Ｐゴシック" "MS PGothic"; do
  wine reg add "$key" /v "$face" /d "IPAPGothic" /f >/dev/null 2>&1
done
# Without a window manager, hiding a managed window waits two seconds for the X server's
# withdrawn state; unmanaged windows hide at once.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# A crash prints its backtrace into the test's output and ends the program, instead of waiting
# in a crash dialog that nobody closes.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
wineserver -w
# The same prefix at 192 DPI: HKCU LogPixels sets Wine's system DPI (and with it the system
# metrics and fonts, as Windows scales them).
cp -a "$WINEPREFIX" "$WINEPREFIX-192dpi"
WINEPREFIX="$WINEPREFIX-192dpi" wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null 2>&1
WINEPREFIX="$WINEPREFIX-192dpi" wineserver -w
printf '%s' "$wine_id" > "$stamp"
