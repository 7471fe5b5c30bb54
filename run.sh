#!/usr/bin/env bash
# Installs what Tolvane needs, builds it and starts it. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display to open Tolvane's window on; convert from the terminal instead: build/cli/tolvane-cli -f mp3 -o OUTPUT_FOLDER VIDEO... (see build/cli/tolvane-cli --help)"
    exit 0
fi
exec build/mainwindow/tolvane "$@"
