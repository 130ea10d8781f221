#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that a desktop finds the program:
# the executable in bin, the launcher entry in share/applications naming it and its icon,
# and the icon in the hicolor theme.
# Usage: install_layout.sh <build folder>
set -euo pipefail
build=$1
prefix=$(mktemp -d "${TMPDIR:-/tmp}/ravufiler-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

[ -x "$prefix/bin/ravufiler" ] || fail "bin/ravufiler is missing or not executable"
entry="$prefix/share/applications/ravufiler.desktop"
[ -f "$entry" ] || fail "share/applications/ravufiler.desktop is missing"
for line in '[Desktop Entry]' 'Type=Application' 'Name=Ravu Filer' 'Exec=ravufiler' 'Icon=ravufiler' \
            'Terminal=false' 'Categories=AudioVideo;Audio;'; do
  grep -qxF "$line" "$entry" || fail "the desktop entry lacks '$line'"
done
svg="$prefix/share/icons/hicolor/scalable/apps/ravufiler.svg"
png="$prefix/share/icons/hicolor/256x256/apps/ravufiler.png"
grep -q '<svg' "$svg" || fail "the scalable icon is missing"
[ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "the 256 px icon is no PNG"
if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
fi
echo "install layout passed"
