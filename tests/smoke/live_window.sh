#!/usr/bin/env bash
# The file list and the folder list under a real window manager (Xvfb + openbox), where the
# focus really moves: a tune name the system cannot read, chosen by a click or by a key, and a
# CP932 name whose renaming is declined, give their box once for each action (Tab into the
# list chooses nothing) and the window still closes; a subfolder past the system's path limit
# gives a message with its reason; the shown folder removed from outside moves the lists to
# the nearest folder still there with no box, and "Lastpath" at the end names it.
# Exits 77 (skipped) when Xvfb, openbox, xdotool, xprop, xwininfo or iconv is missing.
# Usage: live_window.sh <ravufiler>
set -euo pipefail

program=$1

for tool in Xvfb openbox xdotool xprop xwininfo iconv; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

. "$(dirname "$0")/x_session.sh"
x_session_begin live

fail() {
  echo "FAIL: $*"
  [ -s "$work/app.log" ] && { echo "--- app.log"; cat "$work/app.log"; }
  exit 1
}

start_x
export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config"
mkdir -p "$HOME"
start_openbox --sm-disable

# A start folder with the tunes, and "shown" below it where the lists open: its first name is
# valid in neither UTF-8 nor CP932, its second is a CP932 name, a plain tune after them.
start="$work/start"
shown="$start/shown"
mkdir -p "$shown"
printf '[RavFiler]\r\nRavu=/bin/true\r\nEdit=/bin/true\r\nSvPosit=0\r\nLastpath=%s\r\n' "$shown" >"$start/ravfiler.ini"
touch "$shown/$(printf 'caf\xe9.rav')"
touch "$shown/$(printf 'd' | cat - <(printf '曲.rav' | iconv -f UTF-8 -t CP932))"
printf 'c4e4g4\r\n' >"$shown/plain.rav"
# A chain of folders in it that comes close to the system's path limit of 4,096 bytes, the
# last with a subfolder past it (made from inside, since no path reaches it).
deep="$shown/deep"
mkdir "$deep"
levels=0
while [ ${#deep} -lt 3900 ]; do
  deep="$deep/$(printf 'd%.0s' $(seq 250))"
  mkdir "$deep"
  levels=$((levels + 1))
done
(cd "$deep" && mkdir "$(printf 'c%.0s' $(seq 200))")

main_window() { xdotool search --all --onlyvisible --pid "$app_pid" --name '^Ravu Filer Ver' | head -n1; }
main_window_shown() { test -n "$(main_window)"; }
# The program's message boxes have the program's title and nothing after it; the rename
# question its own title.
boxes() { xdotool search --all --onlyvisible --pid "$app_pid" --name "^($1)\$" 2>/dev/null || true; }
box_shown() { test -n "$(boxes "$1")"; }
no_box() { test -z "$(boxes "$1")"; }
ended() { test ! -d "/proc/$app_pid"; }

cd "$start"
"$program" >"$work/app.log" 2>&1 &
app_pid=$!
wait_for 20 main_window_shown || fail "the main window did not appear"
main=$(main_window)
xdotool windowactivate --sync "$main"

info=$(xwininfo -id "$main")
win_x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
win_y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
win_h=$(sed -n 's/.*Height: *//p' <<<"$info")
menu_h=$((win_h - 7215 / 15))
# Clicks inside the client area at a twips position of the main window.
click_main() { xdotool mousemove $((win_x + $1 / 15)) $((win_y + menu_h + $2 / 15)) click 1; }

# Counts the boxes of this title that appear within the seconds given, closing each with
# Return; stores the count in COUNT.
count_boxes() {
  local title=$1 seconds=$2 key=${3:-Return} seen="" id
  local tries=$((seconds * 20))
  COUNT=0
  while [ "$tries" -gt 0 ]; do
    for id in $(boxes "$title"); do
      case " $seen " in *" $id "*) continue ;; esac
      seen="$seen $id"
      COUNT=$((COUNT + 1))
      xdotool windowactivate --sync "$id" 2>/dev/null || true
      xdotool key --window "$id" "$key" 2>/dev/null || xdotool key "$key"
    done
    tries=$((tries - 1))
    sleep 0.05
  done
}

# --- the unreadable name, first in the list (File1 at 60,2700), selected by a click
click_main $((60 + 300)) $((2700 + 120))
wait_for 10 box_shown 'Ravu Filer' || fail "a click on the unreadable name showed no message"
count_boxes 'Ravu Filer' 3
[ "$COUNT" -eq 1 ] || fail "a click on the unreadable name showed $COUNT messages"

# --- Tab from the preview (Text1 at 4200,360) back into the list chooses no file: no box;
# a key that moves onto the name then tells once
click_main $((4200 + 600)) $((360 + 600))
xdotool key shift+Tab
count_boxes 'Ravu Filer' 2
[ "$COUNT" -eq 0 ] || fail "Tab into the list showed $COUNT messages"
xdotool key Down
wait_for 10 box_shown 'Ravu Filer' || fail "Down onto the unreadable name showed no message"
count_boxes 'Ravu Filer' 3
[ "$COUNT" -eq 1 ] || fail "Down onto the unreadable name showed $COUNT messages"

# --- the CP932 name, first once the unreadable one is gone, chosen by typing its first
# letter, offered for renaming and answered "いいえ" (Escape): asked once, nothing else shown
rm "$shown/$(printf 'caf\xe9.rav')"
# A key that reaches the list before it has dropped the removed name is typed again.
asked() { box_shown 'ファイル名変更確認'; }
for _ in 1 2 3; do
  xdotool key d
  wait_for 5 asked && break
done
asked || fail "the CP932 name was not offered for renaming"
count_boxes 'ファイル名変更確認' 3 Escape
[ "$COUNT" -eq 1 ] || fail "the CP932 name was offered $COUNT times"
no_box 'Ravu Filer' || fail "a message followed the answer"

# --- down the chain by the keyboard in the folder list (Dir1 at 60,420; each folder's one
# subfolder is its last row), then onto the subfolder past the limit: a message with a reason
click_main $((60 + 300)) $((420 + 120))
for _ in $(seq 0 "$levels"); do xdotool key End Return; done
# A key can be lost while a folder is read: one more step down until the message comes.
for _ in 1 2 3 4; do
  xdotool key End Return
  wait_for 2 box_shown 'Ravu Filer' && break
done
box_shown 'Ravu Filer' || fail "the subfolder past the path limit gave no message"
count_boxes 'Ravu Filer' 3
[ "$COUNT" -eq 1 ] || fail "the subfolder past the path limit gave $COUNT messages"

# --- the folder shown, deep in "shown", removed from outside with it: no box, and the lists
# move to the nearest folder still there, which "Lastpath" names at the end
rm -rf "$shown"
count_boxes 'Ravu Filer|ファイル名変更確認' 3
[ "$COUNT" -eq 0 ] || fail "the folder's removal showed $COUNT boxes"

# --- the window still closes, by the window manager's close
xdotool windowactivate --sync "$main" key alt+F4
wait_for 10 ended || fail "the program did not end on the window's close"
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
lastpath=$(sed -n 's/^Lastpath=\(.*\)\r$/\1/p' "$start/ravfiler.ini")
[ "$lastpath" = "$start" ] || fail "Lastpath is '$lastpath', not the parent '$start'"

echo "live window test passed: one box for each action, a reason past the path limit, the vanished folder left"
