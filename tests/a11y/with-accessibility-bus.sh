#!/bin/sh
# Runs a command on the session bus of dbus-run-session with the AT-SPI
# accessibility bus started, as a desktop with a screen reader has it.
#   dbus-run-session -- tests/a11y/with-accessibility-bus.sh COMMAND [ARGS...]
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
trap 'kill $launcher 2>/dev/null' EXIT
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR="$runtime"
"$@"
status=$?
rm -rf "$runtime"
exit $status
