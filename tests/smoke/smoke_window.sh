#!/usr/bin/env bash
# Smoke test in a real X window: starts the built program under Xvfb in a temporary folder
# whose settings file names the fake player, clicks the controls where the window really
# has them and checks what only the running program produces: the caption and the window
# icon, a tune selected and played, the trial window writing ravutmp.rav and playing it,
# and the settings written on close. Exits 77 (skipped) when Xvfb or xdotool is missing.
# Usage: smoke_window.sh <ravufiler> <fake_player> [folder for the screenshot]
set -euo pipefail

program=$1
fake_player=$2
shot_dir=${3:-}

for tool in Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/ravufiler-smoke.XXXXXX")
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  for log in app.log player.log; do
    [ -f "$work/$log" ] && { echo "--- $log"; cat "$work/$log"; }
  done
  exit 1
}

# Runs the command (a shell function for anything that must be looked at again each time)
# every 50 ms until it succeeds, at most the given seconds.
wait_for() {
  local seconds=$1
  shift
  local tries=$((seconds * 20))
  while ! "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.05
  done
}

# --- a display of our own: Xvfb picks a free display number and tells it through fd 3
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export FAKE_PLAYER_LOG="$work/player.log"

# --- the start folder: settings naming the fake player, a definition file, four tunes
start="$work/曲集"
mkdir "$start"
printf '[RavFiler]\r\nRavu=%s\r\nEdit=/bin/true\r\nSvPosit=0\r\n' "$fake_player" >"$start/ravfiler.ini"
printf ';試奏の前に置く定義\r\n@A P001\r\n' >"$start/ravuconf.rav"
printf '; 春の小川（試作）\r\nt120 o4 l8\r\n\r\n/* 前奏 */\r\ncdefgab>c\r\n<b4.a8g2\r\n\r\n/* 主旋律 */\r\ne4g4>c2<\r\nagfe d2\r\n' \
  | iconv -f UTF-8 -t CP932 >"$start/aria.rav"
for tune in ballad.txt march.rav sonata.txt; do printf 'c4e4g4\r\n' >"$start/$tune"; done

cd "$start"
"$program" >"$work/app.log" 2>&1 &
app_pid=$!

# --- the main window and its caption
main_window() { xdotool search --all --onlyvisible --pid "$app_pid" --name '^Ravu Filer' | head -n1; }
main_window_shown() { test -n "$(main_window)"; }
wait_for 20 main_window_shown || fail "the main window did not appear"
main=$(main_window)
caption=$(xdotool getwindowname "$main")
[ "$caption" = "Ravu Filer Ver2.00" ] || fail "caption is '$caption'"
# The program's own icon on its window (xprop comes with x11-utils).
if command -v xprop >/dev/null 2>&1; then
  xprop -id "$main" _NET_WM_ICON | grep -q '^_NET_WM_ICON(CARDINAL) = ' || fail "the window has no icon"
fi

# Where the window is; controls are placed in twips (15 a pixel) below the menu bar, and the
# client area has its designed height of 7215 twips.
eval "$(xdotool getwindowgeometry --shell "$main")"
win_x=$X win_y=$Y win_w=$WIDTH win_h=$HEIGHT
menu_h=$((win_h - 7215 / 15))
[ "$menu_h" -gt 0 ] && [ "$menu_h" -lt 60 ] || fail "menu bar height $menu_h from window height $win_h"
# Clicks inside the client area at a twips position of the main window.
click_main() { xdotool mousemove $((win_x + $1 / 15)) $((win_y + menu_h + $2 / 15)) click 1; }

# --- select the first tune (the file list File1 at 60,2700) and play it ("ravu起動")
click_main $((60 + 300)) $((2700 + 120))
click_main $((2580 + 750)) $((240 + 180))
wait_for 10 grep -qF "\"args\":[\"$start/aria.rav\"]" "$work/player.log" \
  || fail "the player was not started on aria.rav"

if [ -n "$shot_dir" ] && command -v import >/dev/null 2>&1; then
  mkdir -p "$shot_dir"
  import -window root -crop "${win_w}x${win_h}+${win_x}+${win_y}" +repage "$shot_dir/screenshot.png"
fi

# --- the trial window ("試奏ウィンドウ" at 2580,1020): type two lines, "試奏" at 120,120
click_main $((2580 + 750)) $((1020 + 180))
trial_window() { xdotool search --all --onlyvisible --pid "$app_pid" --name '試奏ウィンドウ' | head -n1; }
trial_window_shown() { test -n "$(trial_window)"; }
wait_for 10 trial_window_shown || fail "the trial window did not open"
trial=$(trial_window)
trial_caption=$(xdotool getwindowname "$trial")
[ "$trial_caption" = "試奏ウィンドウ（Ravu Filer）" ] || fail "the trial window's caption is '$trial_caption'"
has_focus() { test "$(xdotool getwindowfocus)" = "$1"; }
xdotool windowfocus "$trial"
wait_for 5 has_focus "$trial" || fail "the trial window got no focus"
xdotool type --delay 10 'o5 cde'
xdotool key Return
xdotool type --delay 10 'gab'
eval "$(xdotool getwindowgeometry --shell "$trial")"
xdotool mousemove $((X + (120 + 660) / 15)) $((Y + (120 + 180) / 15)) click 1
# The definition file, then the typed lines, each with CR LF, written in CP932.
printf ';試奏の前に置く定義\r\n@A P001\r\no5 cde\r\ngab\r\n' | iconv -f UTF-8 -t CP932 >"$work/expected.rav"
wait_for 10 cmp -s "$start/ravutmp.rav" "$work/expected.rav" \
  || fail "ravutmp.rav holds: $(od -c "$start/ravutmp.rav" 2>&1)"
wait_for 10 grep -qF "\"args\":[\"$start/ravutmp.rav\"," "$work/player.log" \
  || fail "the player was not started on ravutmp.rav"

# --- close from the menu ファイル(&F) → 終了(&X), the trial window still open
xdotool windowfocus "$main"
wait_for 5 has_focus "$main" || fail "the main window got no focus"
shown_windows() { xdotool search --onlyvisible --pid "$app_pid" | wc -l; }
windows_before=$(shown_windows)
more_windows() { test "$(shown_windows)" -gt "$windows_before"; }
xdotool key alt+f
wait_for 5 more_windows \
  || fail "the file menu did not open"
xdotool key x
wait_for 10 test ! -d "/proc/$app_pid" || fail "the program did not end"
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"

setting() { sed -n "s/^$1=\(.*\)\r\$/\1/p" "$start/ravfiler.ini"; }
[ "$(setting Lastpath)" = "$start" ] || fail "Lastpath is '$(setting Lastpath)'"
[ "$(setting PreLeft)" = $((win_x * 15)) ] || fail "PreLeft is '$(setting PreLeft)', window x $win_x"
[ "$(setting PreTop)" = $((win_y * 15)) ] || fail "PreTop is '$(setting PreTop)', window y $win_y"
[ "$(setting PreWidth)" = $((win_w * 15)) ] || fail "PreWidth is '$(setting PreWidth)', width $win_w"
[ "$(setting PreHeight)" = $((win_h * 15)) ] || fail "PreHeight is '$(setting PreHeight)', height $win_h"
[ "$(setting Ravu)" = "$fake_player" ] || fail "the player setting was lost"

echo "smoke test passed: caption, tune played, trial tune written and played, settings on close"
