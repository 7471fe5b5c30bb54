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
# The rows show where videos usually are, under realistic names (links to the test media).
videos=/home/demo/Videos
mkdir -p "$videos" /home/demo/Music
trap 'rm -rf /home/demo' EXIT
ln -sf "$PWD/$media/h264_aac.mp4" "$videos/Holiday in Lisbon.mp4"
ln -sf "$PWD/$media/ten_1.mp4" "$videos/Guitar lesson 3.mp4"
ln -sf "$PWD/$media/mpeg4_mp3.avi" "$videos/Interview with the mayor.avi"
ln -sf "$PWD/$media/ac3_51.mkv" "$videos/Concert (live).mkv"
mkdir -p docs
xvfb-run -a -s "-screen 0 1280x800x24" build/tests/tolvane-screenshot docs/main-window.png \
    /home/demo/Music "$videos/Holiday in Lisbon.mp4" "$videos/Guitar lesson 3.mp4" \
    "$videos/Interview with the mayor.avi" "$videos/Concert (live).mkv"
echo "docs/main-window.png"
