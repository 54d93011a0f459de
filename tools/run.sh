#!/usr/bin/env bash
# Installs what is missing, builds the utility and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target Settings -j"$(nproc)"
exec build/Settings/board-settings "$@"
