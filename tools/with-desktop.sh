#!/usr/bin/env bash
# Runs a command on a private X display: Xvfb (1024 x 768) with openbox as the
# window manager, as a user's desktop would have. Both are stopped afterwards.
#   tools/with-desktop.sh [--size WxH] COMMAND [ARGS...]
set -u
size=1024x768
if [ "${1:-}" = "--size" ]; then size=$2; shift 2; fi

tmp=$(mktemp -d)
cleanup() {
  [ -n "${ob:-}" ] && kill "$ob" 2>/dev/null
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb=$!
for _ in $(seq 1 100); do
  [ -s "$tmp/display" ] && break
  sleep 0.05
done
if [ ! -s "$tmp/display" ]; then
  echo "with-desktop: Xvfb did not start" >&2; cat "$tmp/xvfb.log" >&2; exit 1
fi
export DISPLAY=":$(head -n1 "$tmp/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# On a busy machine the server may not take clients at once: wait until it does.
for _ in $(seq 1 200); do
  xprop -root >/dev/null 2>&1 && break
  sleep 0.05
done

# Start openbox and wait until it has taken over the root window; start it
# again if it gave up (it does when the server turned it away). Tests that need
# a window manager must not run without one.
managed=no
for attempt in 1 2 3; do
  openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
  ob=$!
  for _ in $(seq 1 200); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then managed=yes; break; fi
    kill -0 "$ob" 2>/dev/null || break
    sleep 0.05
  done
  [ "$managed" = yes ] && break
  kill "$ob" 2>/dev/null
  wait "$ob" 2>/dev/null
done
if [ "$managed" != yes ]; then
  echo "with-desktop: openbox did not start" >&2; cat "$tmp/openbox.log" >&2; exit 1
fi

"$@"
exit $?
