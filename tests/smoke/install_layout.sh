#!/usr/bin/env bash
# Installs the program's component into a temporary prefix and checks that a desktop finds
# the program: the executable in bin, the launcher entry in share/applications naming it and
# its icon, the icon in the hicolor theme, the file types it opens, the software centre's
# metainfo, the manual page and the help text. Each file is validated with the desktop's own tools where they exist.
# Usage: install_layout.sh <build folder> <source folder>
set -euo pipefail
build=$1
source=$2
prefix=$(mktemp -d "${TMPDIR:-/tmp}/ravufiler-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" --component ravufiler >/dev/null

[ -x "$prefix/bin/ravufiler" ] || fail "bin/ravufiler is missing or not executable"
installed=$(cd "$prefix" && find . -type f | LC_ALL=C sort | tr '\n' ' ')
expected="./bin/ravufiler ./share/applications/ravufiler.desktop \
./share/icons/hicolor/256x256/apps/ravufiler.png ./share/icons/hicolor/scalable/apps/ravufiler.svg \
./share/man/man1/ravufiler.1 ./share/metainfo/jp.ravufiler.ravufiler.metainfo.xml \
./share/mime/packages/ravufiler.xml ./share/ravufiler/ravfiler.txt "
[ "$installed" = "$expected" ] || fail "installed: $installed"

entry="$prefix/share/applications/ravufiler.desktop"
for line in '[Desktop Entry]' 'Type=Application' 'Name=Ravu Filer' 'Exec=ravufiler --desktop %f' \
            'Icon=ravufiler' 'Terminal=false' 'Categories=AudioVideo;Audio;' \
            'MimeType=text/x-ravu;text/x-ravu-album;'; do
  grep -qxF "$line" "$entry" || fail "the desktop entry lacks '$line'"
done
if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
fi

# The two types, each plain text underneath; .txt stays plain text. The database tool reads
# the description as a desktop would and says what it cannot use.
mime="$prefix/share/mime/packages/ravufiler.xml"
xmllint --noout "$mime" || fail "the file types are no well-formed XML"
for type in text/x-ravu text/x-ravu-album; do
  grep -qF "<mime-type type=\"$type\">" "$mime" || fail "the file types lack $type"
done
[ "$(grep -c '<sub-class-of type="text/plain"/>' "$mime")" = 2 ] || fail "a type is not plain text underneath"
[ "$(grep -c '<icon name="ravufiler"/>' "$mime")" = 2 ] || fail "a type has not the program's icon"
grep -qF '*.txt' "$mime" && fail "the file types claim .txt"
if command -v update-mime-database >/dev/null 2>&1; then
  data=$(mktemp -d "${TMPDIR:-/tmp}/ravufiler-mime.XXXXXX")
  mkdir -p "$data/mime/packages"
  cp "$mime" "$data/mime/packages/"
  errors=$(XDG_DATA_HOME="$data" XDG_DATA_DIRS="$data" update-mime-database "$data/mime" 2>&1)
  [ -z "$errors" ] || { rm -rf "$data"; fail "update-mime-database: $errors"; }
  glob=$(grep -cE '^[0-9]+:text/x-ravu(-album)?:\*\.(rav|alb)$' "$data/mime/globs2" || true)
  rm -rf "$data"
  [ "$glob" = 2 ] || fail "the database does not know *.rav and *.alb"
fi

svg="$prefix/share/icons/hicolor/scalable/apps/ravufiler.svg"
png="$prefix/share/icons/hicolor/256x256/apps/ravufiler.png"
grep -q '<svg' "$svg" || fail "the scalable icon is missing"
[ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "the 256 px icon is no PNG"

metainfo="$prefix/share/metainfo/jp.ravufiler.ravufiler.metainfo.xml"
grep -qF '<launchable type="desktop-id">ravufiler.desktop</launchable>' "$metainfo" \
  || fail "the metainfo does not name the desktop entry"
grep -qF '<binary>ravufiler</binary>' "$metainfo" || fail "the metainfo does not name the program"
if command -v appstreamcli >/dev/null 2>&1; then
  appstreamcli validate --no-net "$metainfo" >/dev/null || fail "appstreamcli rejects the metainfo"
fi

man="$prefix/share/man/man1/ravufiler.1"
for option in desktop help version; do
  grep -q "^\.B.*\\\\-\\\\-$option" "$man" || fail "the manual page does not document --$option"
done
grep -q '^\.I ravfiler\.ini' "$man" || fail "the manual page does not name the settings file"
if command -v groff >/dev/null 2>&1; then
  warnings=$(groff -man -ww -z "$man" 2>&1)
  [ -z "$warnings" ] || fail "groff warns about the manual page: $warnings"
fi

help="$prefix/share/ravufiler/ravfiler.txt"
cmp -s "$help" "$source/data/ravfiler.txt" || fail "the installed help text differs from data/ravfiler.txt"
iconv -f UTF-8 -t UTF-8 "$help" >/dev/null 2>&1 || fail "the help text is not UTF-8"
echo "install layout passed"
