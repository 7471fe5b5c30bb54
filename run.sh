#!/usr/bin/env bash
# Installs what Tolvane needs, builds it and starts it. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build
if [ $# -eq 0 ]; then
    echo "Tolvane's engine is built. Convert videos with:"
    echo "  build/bench/tolvane-convert -f mp3|wav|wma|ogg -o OUTPUT_FOLDER VIDEO..."
    exec build/bench/tolvane-convert
fi
exec build/bench/tolvane-convert "$@"
