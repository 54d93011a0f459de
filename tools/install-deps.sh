#!/usr/bin/env bash
# Installs the Debian packages that building, testing, benchmarking and taking
# screenshots need, and what the packaging checks and the native Wayland test
# use. Does nothing (and needs no network) when all are present.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config ccache
  qt6-base-dev qt6-svg-dev libjpeg62-turbo-dev libxcb1-dev
  libgtest-dev libbenchmark-dev
  fonts-dejavu-core
  xvfb xauth xdotool x11-utils imagemagick openbox
  libx11-dev python3 time
  dbus at-spi2-core python3-pyatspi
  qt6-wayland weston
  desktop-file-utils appstream dpkg-dev file lintian
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
log=$(mktemp)
if ! { $SUDO apt-get update -qq && $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
  cat "$log" >&2
  echo "Installing the packages failed (see above)." >&2
  exit 1
fi
rm -f "$log"
