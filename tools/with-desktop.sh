#!/usr/bin/env bash
# Runs a command on a private X display: Xvfb (1024 x 768) with openbox as the
# window manager, as a user's desktop would have. Both are stopped afterwards.
#   tools/with-desktop.sh [--size WxH] COMMAND [ARGS...]
set -u
size=1024x768
if [ "${1:-}" = "--size" ]; then size=$2; shift 2; fi

tmp=$(mktemp -d)
stop_desktop() {
  [ -n "${ob:-}" ] && kill "$ob" 2>/dev/null
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  ob="" xvfb=""
}
cleanup() {
  stop_desktop
  rm -rf "$tmp"
}
trap cleanup EXIT

# start_desktop: Xvfb on a free display, then openbox managing its root window.
# Fails (status 1) when either does not come up; several runs starting at once
# can trip over each other, so the caller tries again.
start_desktop() {
  rm -f "$tmp/display"
  # Xvfb picks a free display itself and writes its number to fd 3.
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
  xvfb=$!
  for _ in $(seq 1 200); do
    grep -q '^[0-9][0-9]*$' "$tmp/display" 2>/dev/null && break
    kill -0 "$xvfb" 2>/dev/null || return 1
    sleep 0.05
  done
  grep -q '^[0-9][0-9]*$' "$tmp/display" 2>/dev/null || return 1
  export DISPLAY=":$(head -n1 "$tmp/display")"
  # The server must be ours and take clients.
  for _ in $(seq 1 200); do
    kill -0 "$xvfb" 2>/dev/null || return 1
    xprop -root >/dev/null 2>&1 && break
    sleep 0.05
  done
  openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
  ob=$!
  for _ in $(seq 1 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    kill -0 "$ob" 2>/dev/null || return 1
    sleep 0.05
  done
  return 1
}

started=no
for attempt in 1 2 3 4 5; do
  if start_desktop; then started=yes; break; fi
  stop_desktop
  sleep 0.$((RANDOM % 5 + 1))
done
if [ "$started" != yes ]; then
  echo "with-desktop: no X server with openbox came up" >&2
  cat "$tmp/xvfb.log" "$tmp/openbox.log" >&2 2>/dev/null
  exit 1
fi
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

"$@"
exit $?
