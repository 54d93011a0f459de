#!/usr/bin/env bash
# Takes the screenshots in docs/ from the real main window under Xvfb + openbox:
#   tools/screenshots.sh [build-dir]
# The desktop test suite drives the window and grabs the screen at each step.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target desktop_tests -j"$(nproc)" >/dev/null
mkdir -p docs
SETTINGS_SCREENSHOT_DIR="$PWD/docs" tools/with-desktop.sh "$build/tests/desktop_tests" --gtest_filter='Screenshots.*'
