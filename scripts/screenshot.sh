#!/usr/bin/env bash
# Makes the pictures of every window in docs/ (main window with rows, progress during a run,
# clip, settings, file information, About, a message box), in real windows on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build --target tolvane-screenshot > /dev/null
media=build/test-media
tests/make_media.sh "$media" > /dev/null
# A long recording, so that the progress window is pictured while it works.
long=build/screenshot-lecture.m4a
if [ ! -s "$long" ]; then
    ffmpeg -nostdin -v error -y -f lavfi -i "sine=frequency=330:sample_rate=44100" -t 1200 \
        -c:a aac -b:a 96k "$long"
fi
# The rows show where videos usually are, under realistic names (links to the test media).
videos=/home/demo/Videos
mkdir -p "$videos" /home/demo/Music
trap 'rm -rf /home/demo' EXIT
ln -sf "$PWD/$media/h264_aac.mp4" "$videos/Holiday in Lisbon.mp4"
ln -sf "$PWD/$media/ten_1.mp4" "$videos/Guitar lesson 3.mp4"
ln -sf "$PWD/$media/mpeg4_mp3.avi" "$videos/Interview with the mayor.avi"
ln -sf "$PWD/$media/ac3_51.mkv" "$videos/Concert (live).mkv"
# A talk with a pause every 20 seconds, for the pauses on the clip dialog's waveform.
talk=build/screenshot-talk.mp4
if [ ! -s "$talk" ]; then
    ffmpeg -nostdin -v error -y -f lavfi -i "testsrc2=size=320x240:rate=15" -f lavfi \
        -i "aevalsrc='0.25*sin(2*PI*(180+40*sin(PI*t))*t)*(0.6+0.4*sin(8*PI*t))*lt(mod(t\,20)\,16)':s=44100:d=150" \
        -t 150 -c:v libx264 -preset ultrafast -c:a aac "$talk"
fi
ln -sf "$PWD/$talk" "$videos/Talk with pauses.mp4"
ln -sf "$PWD/$long" "$videos/Evening lecture.m4a"
mkdir -p docs
SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1280x800x24" build/tests/tolvane-screenshot docs /home/demo/Music \
    "$videos/Evening lecture.m4a" "$videos/Holiday in Lisbon.mp4" "$videos/Guitar lesson 3.mp4" \
    "$videos/Interview with the mayor.avi" "$videos/Concert (live).mkv" "$videos/Talk with pauses.mp4"
# The same windows in German, for the README's picture of a translated window.
mkdir -p docs/de
SDL_AUDIODRIVER=dummy LANGUAGE=de LC_ALL=de_DE.UTF-8 xvfb-run -a -s "-screen 0 1280x800x24" \
    build/tests/tolvane-screenshot docs/de /home/demo/Music \
    "$videos/Evening lecture.m4a" "$videos/Holiday in Lisbon.mp4" "$videos/Guitar lesson 3.mp4" \
    "$videos/Interview with the mayor.avi" "$videos/Concert (live).mkv" "$videos/Talk with pauses.mp4"
ls docs/*.png docs/de/*.png
