#!/usr/bin/env bash
# Takes a picture of every message box as the real programs show it under Wine
# (Japanese font, Wine's virtual desktop for the title bar) and writes them to
# docs/messages/ as PNG files: M1..M10 of veskara_west, and M3..M5 of
# veskara_east, the only ones whose texts differ.
#   ./scripts/message-pictures.sh      (after ./scripts/test.sh or a build/win64 test build)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
./scripts/install-deps.sh test
if [ ! -x build/win64/tests/windows/message_gallery_west.exe ]; then
  cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw.cmake -DMINGW_ARCH=x86_64 \
    -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
  cmake --build build/win64 -j "$(nproc)"
fi
export WINEPREFIX="$root/build/wine/pictures" WINEDEBUG=-all LANG=ja_JP.UTF-8
wine=/usr/lib/wine/wine64
mkdir -p "$WINEPREFIX" build/pictures docs/messages
source scripts/xvfb.sh
start_xvfb
export DISPLAY=$display
trap 'wineserver -k >/dev/null 2>&1; kill $xvfb' EXIT
[ -f "$WINEPREFIX/system.reg" ] || { "$wine" wineboot -i >/dev/null 2>&1; wineserver -w; }
# The title bar's close button is a glyph of the Marlett font, which this Wine
# does not find by itself: without it the button shows a letter "r".
cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
for edition in west east; do
  mkdir -p "build/pictures/$edition"
  "$wine" explorer /desktop=veskara,640x400 \
    "Z:${root//\//\\}\\build\\win64\\tests\\windows\\message_gallery_$edition.exe" \
    "Z:${root//\//\\}\\build\\pictures\\$edition" >/dev/null 2>&1
done
for n in 1 2 3 4 5 6 7 8 9 10; do
  /usr/bin/convert "build/pictures/west/M$n.bmp" "docs/messages/M$n.png"
done
for n in 3 4 5; do
  /usr/bin/convert "build/pictures/east/M$n.bmp" "docs/messages/M$n-east.png"
done
ls docs/messages
