#!/usr/bin/env bash
# The Windows zip on its own: unpacked into an empty folder and run in a Wine prefix of its own,
# with no Qt on any path, so a DLL or plug-in missing from the zip stops it. `--version` must
# answer, and the window must come up on Windows' platform plug-in with a settings file in its
# start folder and write it back on closing. Exits 77 (skipped) without Xvfb and xdotool.
# Usage: package_runs.sh ZIP WINE WINESERVER
set -euo pipefail
zip=$1 wine=$2 wineserver=$3
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH QT_PLUGIN_PATH QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY
cleanup() { "$wineserver" -k 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir "$work/unpacked"
unzip -q "$zip" -d "$work/unpacked"
folders=$(ls "$work/unpacked")
[ "$(echo "$folders" | wc -l)" = 1 ] || fail "the zip holds more than one folder: $folders"
app=$work/unpacked/$folders
for f in ravufiler.exe platforms/qwindows.dll translations/qtbase_ja.qm ravfiler.txt readme.txt; do
  [ -f "$app/$f" ] || fail "$f is missing from the zip"
done
[ -n "$(ls "$app"/styles/*.dll 2>/dev/null)" ] || fail "no style plug-in in the zip"

wait_for() { # seconds, command: every 0.1 s until it succeeds
  local tries=$(($1 * 10))
  shift
  until "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    [ $tries -gt 0 ] || return 1
    sleep 0.1
  done
}
# Wine's session takes its display when it starts: one for all, from the prefix's making on.
if command -v Xvfb >/dev/null 2>&1 && command -v xdotool >/dev/null 2>&1; then
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null || true; cleanup' EXIT
  wait_for 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(head -n1 "$work/display")"
fi

"$wine" wineboot.exe --init >/dev/null 2>&1
"$wineserver" -w

status=0
version=$(cd "$app" && "$wine" ravufiler.exe --version 2>"$work/err") || status=$?
[ $status -eq 0 ] || fail "--version ended with $status: $(cat "$work/err")"
[ "$(printf '%s' "$version" | tr -d '\r')" = "Ravu Filer 2.00" ] || fail "--version printed '$version'"
echo "ok: --version printed '$version'"
[ -n "${DISPLAY:-}" ] || { echo "SKIP: the window check: Xvfb or xdotool is not installed"; exit 77; }

# The window on Windows' own platform plug-in (the one in the zip), started from a folder holding its settings; closed by Alt+F4, it writes them back.
start=$work/start
mkdir -p "$start"
# The player's path in CP932 (C:\プレーヤー.exe), as a settings file from Windows has it.
printf '[RavFiler]\r\nRavu=C:\\\x83\x76\x83\x8c\x81\x5b\x83\x84\x81\x5b.exe\r\nEdit=C:\\windows\\notepad.exe\r\n' \
  >"$start/ravfiler.ini"
cp "$start/ravfiler.ini" "$work/settings-before"
(cd "$start" && "$wine" "$app/ravufiler.exe" >"$work/out" 2>&1) &
runner=$!
window_shown() { xdotool search --name '^Ravu Filer Ver2\.00$'; }
window_names() { xdotool search --name . 2>/dev/null | while read -r w; do xdotool getwindowname "$w"; done; }
wait_for 60 window_shown || fail "no window came up (windows: $(window_names | tr '\n' ',')): $(cat "$work/out")"
window=$(window_shown | head -n1)
echo "ok: the window is up"
# Alt+F4 into the focused window; again until it has closed, as a key pressed before the
# window takes keys is lost.
ended() { ! kill -0 $runner 2>/dev/null; }
for _ in $(seq 1 15); do
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key --window "$window" alt+F4 2>/dev/null || true
  wait_for 2 ended && break
done
ended || fail "the window did not close on Alt+F4"
wait $runner || fail "the program ended with $?: $(cat "$work/out")"
head -c "$(wc -c <"$work/settings-before")" "$start/ravfiler.ini" | cmp -s - "$work/settings-before" ||
  fail "the settings file's first lines changed: $(cat "$start/ravfiler.ini")"
[ "$(wc -c <"$start/ravfiler.ini")" -gt "$(wc -c <"$work/settings-before")" ] ||
  fail "the window wrote nothing into its settings file on closing"
echo "ok: closed, the settings written back:"
cat "$start/ravfiler.ini"
