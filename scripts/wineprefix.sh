#!/usr/bin/env bash
# Makes the project's Wine prefix once: Japanese locale, fonts for the Japanese face names.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
stamp="$WINEPREFIX/.zunt-ready"
unmanaged="$WINEPREFIX/.zunt-unmanaged"
# Without a window manager, hiding a managed window waits two seconds for the X server's
# withdrawn state; unmanaged windows hide at once. A step of its own, so that older prefixes
# get it too.
if [ -f "$stamp" ] && [ ! -f "$unmanaged" ]; then
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver -w
  touch "$unmanaged"
fi
[ -f "$stamp" ] && exit 0
echo "setup: preparing the Wine prefix in $WINEPREFIX"
mkdir -p "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
fonts="$WINEPREFIX/drive_c/windows/Fonts"
cp /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf "$fonts/"
key='HKCU\Software\Wine\Fonts\Replacements'
for face in "ＭＳ ゴシック" "MS Gothic" "MS Shell Dlg" "MS Shell Dlg 2" "MS UI Gothic"; do
  wine reg add "$key" /v "$face" /d "IPAGothic" /f >/dev/null 2>&1
done
for face in "ＭＳ Ｐゴシック" "MS PGothic"; do
  wine reg add "$key" /v "$face" /d "IPAPGothic" /f >/dev/null 2>&1
done
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w
touch "$unmanaged" "$stamp"
