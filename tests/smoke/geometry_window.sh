#!/usr/bin/env bash
# Window geometry under a real window manager: the built program is started three times
# under Xvfb with openbox, "SvPosit" = 1, and each run must save the outer frame it was
# given (the frame the window manager draws included) and show exactly that frame on the
# screen; then three times more from no stored geometry, where the first run's frame must
# come back. Closed by the menu, by SIGTERM and by the window manager's close in turn.
# Exits 77 (skipped) when Xvfb, openbox, xdotool, xprop or xwininfo is missing.
# Usage: geometry_window.sh <ravufiler>
set -euo pipefail

program=$1

for tool in Xvfb openbox xdotool xprop xwininfo; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

. "$(dirname "$0")/x_session.sh"
x_session_begin geometry

fail() {
  echo "FAIL: $*"
  for log in app.log wm.log; do
    [ -s "$work/$log" ] && { echo "--- $log"; cat "$work/$log"; }
  done
  [ -f "$start/ravfiler.ini" ] && { echo "--- ravfiler.ini"; cat "$start/ravfiler.ini"; }
  exit 1
}

start_x
export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config"
mkdir -p "$HOME"
start_openbox

start="$work/start"
mkdir "$start"
# The issue's numbers: an outer frame of 12000 x 7500 twips at 1500, 3000.
printf '[RavFiler]\r\nRavu=/bin/true\r\nEdit=/bin/true\r\nSvPosit=1\r\nPreTop=1500\r\nPreLeft=3000\r\nPreHeight=7500\r\nPreWidth=12000\r\n' \
  >"$start/ravfiler.ini"
setting() { sed -n "s/^$1=\(.*\)\r\$/\1/p" "$start/ravfiler.ini"; }
saved() { echo "$(setting PreTop) $(setting PreLeft) $(setting PreHeight) $(setting PreWidth)"; }
expected=$(saved)

main_window() { xdotool search --all --onlyvisible --pid "$app_pid" --name '^Ravu Filer' | head -n1; }
main_window_shown() { test -n "$(main_window)"; }
# The outer frame on the screen in twips, as "top left height width": the client window's
# place on the screen (xwininfo; xdotool counts a reparented window's offset twice) and size,
# with the frame the window manager reports around it.
shown_frame() {
  local id=$1 extents info x y w h
  extents=$(xprop -id "$id" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ' ')
  [ -n "$extents" ] || return 1
  IFS=, read -r fl fr ft fb <<<"$extents"
  info=$(xwininfo -id "$id")
  x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  w=$(sed -n 's/.*Width: *//p' <<<"$info")
  h=$(sed -n 's/.*Height: *//p' <<<"$info")
  echo "$(((y - ft) * 15)) $(((x - fl) * 15)) $(((h + ft + fb) * 15)) $(((w + fl + fr) * 15))"
}
shows() { test "$(shown_frame "$1")" = "$2"; }
ended() { test ! -d "/proc/$app_pid"; }
shown_windows() { xdotool search --onlyvisible --pid "$app_pid" | wc -l; }
more_windows() { test "$(shown_windows)" -gt "$1"; }

cd "$start"
for run in 1 2 3 4 5 6; do
  if [ "$run" -eq 4 ]; then
    sed -i '/^Pre/d' "$start/ravfiler.ini"
    expected=""
  fi
  "$program" >"$work/app.log" 2>&1 &
  app_pid=$!
  wait_for 20 main_window_shown || fail "run $run: the main window did not appear"
  main=$(main_window)
  if [ -n "$expected" ]; then
    wait_for 10 shows "$main" "$expected" \
      || fail "run $run: the screen shows '$(shown_frame "$main")', stored '$expected' (top left height width)"
  else
    wait_for 10 shown_frame "$main" || fail "run $run: the window was not framed"
    expected=$(shown_frame "$main")
  fi
  case $(((run - 1) % 3 + 1)) in
    1) # the menu ファイル(&F) → 終了(&X)
      windows_before=$(shown_windows)
      xdotool windowactivate --sync "$main" key alt+f
      wait_for 5 more_windows "$windows_before" || fail "the file menu did not open"
      xdotool key x ;;
    2) kill -TERM "$app_pid" ;;
    3) xdotool windowactivate --sync "$main" key alt+F4 ;;
  esac
  wait_for 10 ended || fail "run $run: the program did not end"
  status=0
  wait "$app_pid" || status=$?
  app_pid=""
  [ "$status" -eq 0 ] || fail "run $run: the program ended with status $status"
  [ "$(saved)" = "$expected" ] || fail "run $run saved '$(saved)', was given '$expected' (top left height width)"
done

echo "geometry test passed: three starts each under a window manager kept the frame ($expected at last)"
