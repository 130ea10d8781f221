#!/bin/sh
# Runs a test program as a user without privileges, so that file permissions hold for it.
# As root: through setpriv as user and group 65534 (no account needed), from a copy of the
# program in a folder that user can reach, with a home and temporary folder of its own.
# Otherwise the program runs as it is. Exits 77 (skipped) when root has no setpriv.
# Usage: run_unprivileged.sh <test program> [arguments]
set -eu

program=$1
shift
if [ "$(id -u)" -ne 0 ]; then
  exec "$program" "$@"
fi
if ! command -v setpriv >/dev/null 2>&1; then
  echo "SKIP: setpriv is not installed"
  exit 77
fi

# /tmp, not $TMPDIR: every user can reach it.
work=$(mktemp -d /tmp/ravufiler-unprivileged.XXXXXX)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
cp "$program" "$work/"
mkdir -p "$work/home/tmp" "$work/home/runtime"
chmod 700 "$work/home/runtime"
chown -R 65534:65534 "$work/home"

status=0
setpriv --reuid=65534 --regid=65534 --clear-groups \
  env HOME="$work/home" TMPDIR="$work/home/tmp" XDG_RUNTIME_DIR="$work/home/runtime" \
  XDG_CACHE_HOME="$work/home/.cache" XDG_CONFIG_HOME="$work/home/.config" \
  "$work/$(basename "$program")" "$@" || status=$?
exit "$status"
