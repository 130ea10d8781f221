#!/usr/bin/env bash
# Takes the pictures in this folder from the built program in a real X window (Xvfb with
# openbox for the window frames): the main window with a tune selected, the options dialog and
# the trial window, at scale 1 and at scale 2 (QT_SCALE_FACTOR=2); screenshot.png, shown in the
# README, is the main window at scale 1.
# Usage: docs/take-screenshots.sh [build folder, default build]
# Needs Xvfb, openbox, xdotool, x11-utils and ImageMagick (scripts/install-deps installs them).
set -euo pipefail

docs=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$docs/../build}" && pwd)
program="$build/src/app/ravufiler"
[ -x "$program" ] || { echo "build the program first: $program is missing" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/ravufiler-shots.XXXXXX")
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

wait_for() {
  local tries=$(($1 * 20))
  shift
  while ! "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || { echo "timed out waiting for: $*" >&2; exit 1; }
    sleep 0.05
  done
}

window_named() { xdotool search --all --onlyvisible --pid "$1" --name "$2" | head -n1; }
window_shown() { test -n "$(window_named "$@")"; }

# The window with its frame, as a PNG.
shoot() {
  local window=$1 file=$2
  sleep 0.5 # the last repaint after the window manager placed the window
  import -silent -frame -window "$window" "$file"
  echo "wrote $file ($(identify -format '%wx%h' "$file"))"
}

# One run of the program at a scale: main window, then the trial window, then the options.
take() {
  local scale=$1 suffix=$2
  local run="$work/run$scale"
  mkdir -p "$run/runtime"
  chmod 700 "$run/runtime"
  Xvfb -displayfd 3 -screen 0 $((1280 * scale))x$((1024 * scale))x24 -nolisten tcp 3>"$run/display" 2>/dev/null &
  pids+=($!)
  wait_for 10 test -s "$run/display"
  export DISPLAY=":$(head -n1 "$run/display")"
  openbox --sm-disable >/dev/null 2>&1 &
  pids+=($!)
  sleep 0.5

  local start="$run/曲集"
  mkdir "$start"
  printf '[RavFiler]\r\nRavu=/usr/bin/true\r\nEdit=/usr/bin/true\r\nSvPosit=0\r\n' >"$start/ravfiler.ini"
  printf '; 春の小川（試作）\r\nt120 o4 l8\r\n\r\n/* 前奏 */\r\ncdefgab>c\r\n<b4.a8g2\r\n\r\n/* 主旋律 */\r\ne4g4>c2<\r\nagfe d2\r\n' \
    | iconv -f UTF-8 -t CP932 >"$start/aria.rav"
  for tune in ballad.txt march.rav sonata.txt; do printf 'c4e4g4\r\n' >"$start/$tune"; done

  (cd "$start" && exec env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" XDG_RUNTIME_DIR="$run/runtime" \
    "$program" >"$run/app.log" 2>&1) &
  local app=$!
  pids+=($app)
  wait_for 20 window_shown "$app" '^Ravu Filer'
  local main
  main=$(window_named "$app" '^Ravu Filer')
  xdotool windowmove "$main" 40 40
  local info x y
  info=$(xwininfo -id "$main")
  x=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
  y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
  # The menu bar's height is what the client area leaves above the designed 7215 twips.
  local height menu
  height=$(sed -n 's/^ *Height: *//p' <<<"$info")
  menu=$((height - 7215 * scale / 15))
  click() { xdotool mousemove $((x + $1 * scale / 15)) $((y + menu + $2 * scale / 15)) click 1; }

  click $((60 + 300)) $((2700 + 120)) # aria.rav in the file list
  shoot "$main" "$docs/main-window$suffix.png"

  click $((2580 + 750)) $((1020 + 180)) # 試奏ウィンドウ
  wait_for 10 window_shown "$app" '試奏ウィンドウ'
  local trial
  trial=$(window_named "$app" '試奏ウィンドウ')
  xdotool windowmove "$trial" $((760 * scale)) 40
  xdotool windowactivate "$trial"
  sleep 0.3
  xdotool type --delay 20 'o5 l8 cdefgab>c'
  xdotool key Return
  xdotool type --delay 20 'c<bagfedc2'
  shoot "$trial" "$docs/trial-window$suffix.png"

  xdotool windowactivate "$main"
  sleep 0.3
  xdotool key alt+c
  sleep 0.3
  xdotool key e
  wait_for 10 window_shown "$app" 'Ravu Filer 設定'
  shoot "$(window_named "$app" 'Ravu Filer 設定')" "$docs/options-dialog$suffix.png"
}

take 1 ""
take 2 "-2x"
cp "$docs/main-window.png" "$docs/screenshot.png"
