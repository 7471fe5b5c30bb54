#!/usr/bin/env bash
# Installs what Tolvane needs, builds it and starts it. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build
if [ $# -eq 0 ]; then
    exec build/cli/tolvane-cli --help
fi
exec build/cli/tolvane-cli "$@"
