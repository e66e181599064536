#!/usr/bin/env bash
# Installs the build into a scratch prefix as `cmake --install` would for a user, and checks
# what a desktop needs: the three programs answer, the menu entry is valid and names an
# installed program and icon, and the icon is there as SVG and as a 256 px PNG.
# Usage: check_install.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }

version=$(grep -m1 -o 'CMAKE_PROJECT_VERSION:STATIC=.*' "$build/CMakeCache.txt" | cut -d= -f2)
for program in tarvo tarvo-cli tarvo-sandbox; do
    [ -x "$prefix/bin/$program" ] || fail "$program is not installed"
    answer=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/$program" --version 2>/dev/null)
    [ "$answer" = "$program $version" ] || fail "$program --version says '$answer'"
done

entry="$prefix/share/applications/tarvo.desktop"
[ -f "$entry" ] || fail "no menu entry"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "the menu entry does not validate"
fi
grep -qx 'Exec=tarvo %u' "$entry" || fail "the menu entry does not start tarvo"
grep -qx 'Icon=tarvo' "$entry" || fail "the menu entry names another icon"
grep -q '^Name\[zh_CN\]=' "$entry" || fail "the menu entry has no Chinese name"

icons="$prefix/share/icons/hicolor"
grep -q '<svg' "$icons/scalable/apps/tarvo.svg" || fail "no scalable icon"
png="$icons/256x256/apps/tarvo.png"
[ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "the icon is not a PNG"
# Width and height: the first two big-endian words of the IHDR chunk.
size=$(od -An -j16 -N8 -tu1 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
[ "$size" = 256x256 ] || fail "the PNG icon is $size"
echo "installed tree in order: $(find "$prefix" -type f | wc -l) files"
