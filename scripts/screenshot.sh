#!/usr/bin/env bash
# Makes docs/main-window.png: the main window with a few rows, in a real window on a virtual
# display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build --target tolvane-screenshot > /dev/null
media=build/test-media
tests/make_media.sh "$media" > /dev/null
mkdir -p docs
xvfb-run -a -s "-screen 0 1280x800x24" build/tests/tolvane-screenshot docs/main-window.png \
    "$PWD/$media/h264_aac.mp4" "$PWD/$media/ten_1.mp4" "$PWD/$media/mpeg4_mp3.avi" \
    "$PWD/$media/ac3_51.mkv"
echo "docs/main-window.png"
