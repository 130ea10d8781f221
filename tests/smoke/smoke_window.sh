#!/usr/bin/env bash
# Smoke test in a real X window: starts the built program under Xvfb with a window manager
# (openbox, when installed) in a temporary folder whose settings file names the fake player,
# clicks the controls where the window really has them and checks what only the running
# program produces: the caption and the window icon, a tune selected and played, the trial
# window writing ravutmp.rav and playing it, a hidden folder reached by Ctrl+L and noted
# among the recent folders, the names and roles assistive technology reads (AT-SPI, in a D-Bus
# session of its own), the entry a list play marks as playing, and the settings written on close.
# Exits 77 (skipped) when Xvfb or xdotool is missing; a check whose own tools are missing is
# skipped with a line that says so.
# Usage: smoke_window.sh <ravufiler> <fake_player> [folder for the screenshot]
set -euo pipefail

# The accessibility check needs a session bus of its own: run the whole test inside one.
if [ -z "${RAVU_SMOKE_IN_BUS:-}" ] && command -v dbus-run-session >/dev/null 2>&1; then
  RAVU_SMOKE_IN_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

program=$1
fake_player=$2
shot_dir=${3:-}
here=$(cd "$(dirname "$0")" && pwd)

for tool in Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

. "$(dirname "$0")/x_session.sh"
x_session_begin smoke

fail() {
  echo "FAIL: $*"
  for log in app.log player.log; do
    [ -f "$work/$log" ] && { echo "--- $log"; cat "$work/$log"; }
  done
  exit 1
}

skip_check() {
  echo "SKIP: $1 check: $2"
}

# --- a display of our own (Xvfb picks a free display number and tells it through fd 3),
# with openbox managing its windows when it is installed
start_display() {
  start_x
  if command -v openbox >/dev/null 2>&1; then
    start_openbox --sm-disable
  else
    echo "NOTE: openbox is not installed; the windows have no frames"
  fi
}

# --- the start folder: settings naming the fake player, a definition file, four tunes
make_start_folder() {
  start="$work/曲集"
  mkdir "$start"
  printf '[RavFiler]\r\nRavu=%s\r\nEdit=/bin/true\r\nSvPosit=0\r\n' "$fake_player" >"$start/ravfiler.ini"
  printf ';試奏の前に置く定義\r\n@A P001\r\n' >"$start/ravuconf.rav"
  printf '; 春の小川（試作）\r\nt120 o4 l8\r\n\r\n/* 前奏 */\r\ncdefgab>c\r\n<b4.a8g2\r\n\r\n/* 主旋律 */\r\ne4g4>c2<\r\nagfe d2\r\n' \
    | iconv -f UTF-8 -t CP932 >"$start/aria.rav"
  for tune in ballad.txt march.rav sonata.txt; do printf 'c4e4g4\r\n' >"$start/$tune"; done
}

# Sets X, Y, WIDTH, HEIGHT to a window's client area on the screen. xwininfo (x11-utils) is
# right under a reparenting window manager, where xdotool adds the frame to the position.
window_geometry() {
  if command -v xwininfo >/dev/null 2>&1; then
    local info
    info=$(xwininfo -id "$1")
    X=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
    Y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
    WIDTH=$(sed -n 's/^ *Width: *//p' <<<"$info")
    HEIGHT=$(sed -n 's/^ *Height: *//p' <<<"$info")
  else
    eval "$(xdotool getwindowgeometry --shell "$1")"
  fi
}

main_window() { xdotool search --all --onlyvisible --pid "$app_pid" --name '^Ravu Filer' | head -n1; }
main_window_shown() { test -n "$(main_window)"; }
window_named() { xdotool search --all --onlyvisible --pid "$app_pid" --name "$1" | head -n1; }
window_shown() { test -n "$(window_named "$1")"; }
has_focus() { test "$(xdotool getwindowfocus)" = "$1"; }

# --- the program, its main window and caption
start_program() {
  export QT_QPA_PLATFORM=xcb
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  export FAKE_PLAYER_LOG="$work/player.log"
  # Players end at once while this file exists; a list play takes it away to hold one.
  export FAKE_PLAYER_HOLD_FILE="$work/release"
  : >"$FAKE_PLAYER_HOLD_FILE"
  export XDG_STATE_HOME="$work/state"
  cd "$start"
  "$program" >"$work/app.log" 2>&1 &
  app_pid=$!

  wait_for 20 main_window_shown || fail "the main window did not appear"
  main=$(main_window)
  local caption
  caption=$(xdotool getwindowname "$main")
  [ "$caption" = "Ravu Filer Ver2.00" ] || fail "caption is '$caption'"
  # The program's own icon on its window (xprop comes with x11-utils).
  if command -v xprop >/dev/null 2>&1; then
    xprop -id "$main" _NET_WM_ICON | grep -q '^_NET_WM_ICON(CARDINAL) = ' || fail "the window has no icon"
  fi

  # Where the window is; controls are placed in twips (15 a pixel) below the menu bar, and
  # the client area has its designed height of 7215 twips.
  window_geometry "$main"
  win_x=$X win_y=$Y win_w=$WIDTH win_h=$HEIGHT
  menu_h=$((win_h - 7215 / 15))
  [ "$menu_h" -gt 0 ] && [ "$menu_h" -lt 60 ] || fail "menu bar height $menu_h from window height $win_h"
}

# Clicks inside the client area at a twips position of the main window.
click_main() { xdotool mousemove $((win_x + $1 / 15)) $((win_y + menu_h + $2 / 15)) click 1; }

# --- select the first tune (the file list File1 at 60,2700) and play it ("ravu起動")
check_play() {
  click_main $((60 + 300)) $((2700 + 120))
  click_main $((2580 + 750)) $((240 + 180))
  wait_for 10 grep -qF "\"args\":[\"$start/aria.rav\"]" "$work/player.log" \
    || fail "the player was not started on aria.rav"

  if [ -n "$shot_dir" ] && command -v import >/dev/null 2>&1; then
    mkdir -p "$shot_dir"
    import -window root -crop "${win_w}x${win_h}+${win_x}+${win_y}" +repage "$shot_dir/screenshot.png"
  fi
}

# --- the trial window ("試奏ウィンドウ" at 2580,1020): type two lines, "試奏" at 120,120
check_trial() {
  click_main $((2580 + 750)) $((1020 + 180))
  wait_for 10 window_shown '試奏ウィンドウ' || fail "the trial window did not open"
  local trial trial_caption
  trial=$(window_named '試奏ウィンドウ')
  trial_caption=$(xdotool getwindowname "$trial")
  [ "$trial_caption" = "試奏ウィンドウ（Ravu Filer）" ] || fail "the trial window's caption is '$trial_caption'"
  xdotool windowactivate "$trial" 2>/dev/null || xdotool windowfocus "$trial"
  wait_for 5 has_focus "$trial" || fail "the trial window got no focus"
  xdotool type --delay 10 'o5 cde'
  xdotool key Return
  xdotool type --delay 10 'gab'
  window_geometry "$trial"
  xdotool mousemove $((X + (120 + 660) / 15)) $((Y + (120 + 180) / 15)) click 1
  # The definition file, then the typed lines, each with CR LF, written in CP932.
  printf ';試奏の前に置く定義\r\n@A P001\r\no5 cde\r\ngab\r\n' | iconv -f UTF-8 -t CP932 >"$work/expected.rav"
  wait_for 10 cmp -s "$start/ravutmp.rav" "$work/expected.rav" \
    || fail "ravutmp.rav holds: $(od -c "$start/ravutmp.rav" 2>&1)"
  wait_for 10 grep -qF "\"args\":[\"$start/ravutmp.rav\"," "$work/player.log" \
    || fail "the player was not started on ravutmp.rav"
}

# --- Ctrl+L: the dialog takes the focus, a hidden folder typed relative to the shown one opens (Enter may first take
# a completion), the recent folders note it first; ".." brings the lists back
open_typed_folder() {
  xdotool windowactivate "$main" 2>/dev/null || xdotool windowfocus "$main"
  wait_for 5 has_focus "$main" || fail "the main window got no focus"
  xdotool key ctrl+l
  wait_for 10 window_shown 'フォルダを開く' || fail "Ctrl+L opened no dialog"
  local dialog
  dialog=$(window_named 'フォルダを開く')
  wait_for 5 has_focus "$dialog" || fail "the folder dialog got no focus"
  xdotool key ctrl+a
  xdotool type --delay 10 "$1"
  dialog_gone() { ! window_shown 'フォルダを開く'; }
  local tries=3
  while ! dialog_gone; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || fail "Enter did not close the folder dialog"
    xdotool key Return
    wait_for 1 dialog_gone || true
  done
}

check_open_folder() {
  mkdir "$start/.hidden"
  recent_first() { test "$(head -n1 "$XDG_STATE_HOME/ravufiler/recent-folders")" = "$1"; }
  open_typed_folder ".hidden"
  wait_for 10 recent_first "$start/.hidden" || fail "the hidden folder was not opened and noted"
  open_typed_folder ".."
  wait_for 10 recent_first "$start" || fail "'..' did not bring the lists back"
}

# --- names and roles through AT-SPI: each expected "role<TAB>name" line must be listed
python=/usr/bin/python3
[ -x "$python" ] || python=$(command -v python3 || echo python3)

accessible_tree() { "$python" "$here/accessible_tree.py" "$app_pid" >"$work/accessible.txt" 2>"$work/accessible.err"; }

# Waits until the tree lists every expected line (roles and names tab-separated).
expect_accessible() {
  local missing=()
  has_all() {
    accessible_tree || return 1
    local line
    for line in "$@"; do grep -qxF "$line" "$work/accessible.txt" || return 1; done
  }
  if ! wait_for 20 has_all "$@"; then
    local line
    for line in "$@"; do grep -qxF "$line" "$work/accessible.txt" 2>/dev/null || missing+=("$line"); done
    fail "AT-SPI lacks: ${missing[*]}; it lists: $(cat "$work/accessible.txt" "$work/accessible.err" 2>/dev/null)"
  fi
}

# Opens a modal dialog by a key or click (the command), checks its names, closes it with Escape.
check_dialog_names() {
  local title=$1 open_command=$2
  shift 2
  xdotool windowactivate "$main" 2>/dev/null || xdotool windowfocus "$main"
  wait_for 5 has_focus "$main" || fail "the main window got no focus"
  eval "$open_command"
  wait_for 10 window_shown "$title" || fail "the dialog '$title' did not open"
  expect_accessible "$@"
  local dialog
  dialog=$(window_named "$title")
  xdotool windowactivate "$dialog" 2>/dev/null || xdotool windowfocus "$dialog"
  wait_for 5 has_focus "$dialog" || fail "the dialog '$title' got no focus"
  xdotool key Escape
  dialog_gone() { ! window_shown "$title"; }
  wait_for 10 dialog_gone || fail "the dialog '$title' did not close on Escape"
}

check_accessibility() {
  if [ -z "${RAVU_SMOKE_IN_BUS:-}" ]; then
    skip_check accessibility "dbus-run-session (dbus-daemon) is not installed"
    return
  fi
  if ! "$python" -c 'import gi; gi.require_version("Atspi", "2.0"); from gi.repository import Atspi' 2>/dev/null; then
    skip_check accessibility "python3-gi with gir1.2-atspi-2.0 is not installed"
    return
  fi
  if ! command -v dbus-send >/dev/null 2>&1 \
    || ! dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
      org.freedesktop.DBus.ListActivatableNames | grep -qF '"org.a11y.Bus"'; then
    skip_check accessibility "the accessibility bus (at-spi2-core) is not installed"
    return
  fi
  atspi_ready=1
  local tab=$'\t'
  expect_accessible "frame${tab}Ravu Filer Ver2.00" "combo box${tab}ドライブ一覧" "list${tab}フォルダ一覧" \
    "list${tab}ファイル一覧" "text${tab}プレビュー" "list${tab}演奏リスト" \
    "frame${tab}試奏ウィンドウ（Ravu Filer）" "text${tab}試奏テキスト"
  # 設定(&C) → オプション(&E)
  check_dialog_names 'Ravu Filer 設定' 'xdotool key alt+c; sleep 0.2; xdotool key e' \
    "dialog${tab}Ravu Filer 設定" "text${tab}ravu本体のパス" "text${tab}エディタのパス"
  # "変更" at 2580,2400 with aria.rav selected
  check_dialog_names 'ファイル名変更' 'click_main $((2580 + 350)) $((2400 + 120))' \
    "dialog${tab}ファイル名変更" "text${tab}新しいファイル名"
}

# --- a list play of aria.rav twice ("リスト" at 3360,0, "リスト選択" at 2580,1440): the row
# playing is marked for assistive technology and the status bar says so; Escape stops the
# play, and the mark and the text go
check_list_play() {
  if [ -z "${atspi_ready:-}" ]; then
    skip_check "playing mark" "AT-SPI is not available"
    return
  fi
  local tab=$'\t'
  xdotool windowactivate "$main" 2>/dev/null || xdotool windowfocus "$main"
  wait_for 5 has_focus "$main" || fail "the main window got no focus"
  click_main $((3360 + 300)) 90
  click_main $((60 + 300)) $((2700 + 120))
  click_main $((2580 + 750)) $((1440 + 120))
  click_main $((2580 + 750)) $((1440 + 120))
  expect_accessible "list item${tab}aria.rav"
  rm -f "$work/release"
  click_main $((2580 + 750)) $((240 + 180))
  expect_accessible "list item${tab}演奏中：aria.rav" "label${tab}演奏中：aria.rav (1/2)"
  xdotool key Escape
  no_mark() { accessible_tree && ! grep -qF "演奏中" "$work/accessible.txt"; }
  wait_for 20 no_mark || fail "the mark stayed after Escape: $(cat "$work/accessible.txt")"
  : >"$work/release"
}

# --- close from the menu ファイル(&F) → 終了(&X), the trial window still open; the
# settings written then
check_close() {
  xdotool windowactivate "$main" 2>/dev/null || xdotool windowfocus "$main"
  wait_for 5 has_focus "$main" || fail "the main window got no focus"
  shown_windows() { xdotool search --onlyvisible --pid "$app_pid" | wc -l; }
  local windows_before
  windows_before=$(shown_windows)
  more_windows() { test "$(shown_windows)" -gt "$windows_before"; }
  # The outer frame, as the program stores it (no frame without a window manager).
  local left=0 right=0 top=0 bottom=0
  if [ -n "$wm_pid" ] && command -v xprop >/dev/null 2>&1; then
    read -r left right top bottom < <(xprop -id "$main" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ',')
  fi
  window_geometry "$main"
  xdotool key alt+f
  wait_for 5 more_windows || fail "the file menu did not open"
  xdotool key x
  wait_for 10 test ! -d "/proc/$app_pid" || fail "the program did not end"
  local status=0
  wait "$app_pid" || status=$?
  app_pid=""
  [ "$status" -eq 0 ] || fail "the program ended with status $status"

  setting() { sed -n "s/^$1=\(.*\)\r\$/\1/p" "$start/ravfiler.ini"; }
  [ "$(setting Lastpath)" = "$start" ] || fail "Lastpath is '$(setting Lastpath)'"
  [ "$(setting PreLeft)" = $(((X - left) * 15)) ] || fail "PreLeft is '$(setting PreLeft)', frame x $((X - left))"
  [ "$(setting PreTop)" = $(((Y - top) * 15)) ] || fail "PreTop is '$(setting PreTop)', frame y $((Y - top))"
  [ "$(setting PreWidth)" = $(((WIDTH + left + right) * 15)) ] \
    || fail "PreWidth is '$(setting PreWidth)', frame width $((WIDTH + left + right))"
  [ "$(setting PreHeight)" = $(((HEIGHT + top + bottom) * 15)) ] \
    || fail "PreHeight is '$(setting PreHeight)', frame height $((HEIGHT + top + bottom))"
  [ "$(setting Ravu)" = "$fake_player" ] || fail "the player setting was lost"
}

start_display
make_start_folder
start_program
check_play
check_trial
check_open_folder
check_accessibility
check_list_play
check_close

echo "smoke test passed: caption, tune played, trial tune written and played, folder typed, accessible names, playing mark, settings on close"
