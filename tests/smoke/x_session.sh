# The common part of the real-window tests, sourced by each: a work folder removed at the end
# with the processes the test started, a private X server, openbox, and waiting for a
# condition. The sourcing script defines fail() before it starts anything.

# Makes $work (named after $1) and ends $app_pid, $wm_pid and $xvfb_pid with it at exit.
x_session_begin() {
  work=$(mktemp -d "${TMPDIR:-/tmp}/ravufiler-$1.XXXXXX")
  xvfb_pid=""
  wm_pid=""
  app_pid=""
  trap x_session_end EXIT
}

x_session_end() {
  [ -n "$app_pid" ] && { kill -KILL "$app_pid" && wait "$app_pid"; } 2>/dev/null || true
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
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

# A display of the test's own (Xvfb picks a free number and tells it through fd 3), the xcb
# platform, and a runtime folder of the test's own.
start_x() {
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  wait_for 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(head -n1 "$work/display")"
  export QT_QPA_PLATFORM=xcb
  export XDG_RUNTIME_DIR="$work/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
}

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }

# openbox with the given options, its output in wm.log; waited for where xprop can tell.
start_openbox() {
  openbox "$@" >"$work/wm.log" 2>&1 &
  wm_pid=$!
  if command -v xprop >/dev/null 2>&1; then
    wait_for 10 wm_running || fail "openbox did not start: $(cat "$work/wm.log")"
  fi
}
