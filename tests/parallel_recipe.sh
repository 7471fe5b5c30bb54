#!/usr/bin/env bash
# The README's GNU parallel recipe, run on this machine (a job in three slices, two at a time)
# over a small tree of videos: every video gets its audio file beside the tree, every JSON line parses, and
# the same command run again skips everything and makes nothing new.
#
#   tests/parallel_recipe.sh CLI_FOLDER MEDIA_FOLDER
set -euo pipefail
cli_folder=$1
media=$2
export PATH="$cli_folder:$PATH"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/videos/trips/2024" "$work/videos/talks" "$work/videos/with space"
cp "$media/short_1s.mp4" "$work/videos/a.mp4"
cp "$media/odd_5.72.mp4" "$work/videos/trips/2024/beach day.mp4"
cp "$media/ac3_51.mkv" "$work/videos/trips/2024/night.mkv"
cp "$media/mpeg4_mp3.avi" "$work/videos/talks/lecture.avi"
cp "$media/odd_0.9.webm" "$work/videos/talks/not taken.webm"
cp "$media/audio_only.m4a" "$work/videos/with space/sound.mkv"
cp "$media/not_media.mp4" "$work/videos/talks/broken.mp4"

run_recipe() {
    # As in the README, without --sshloginfile and --workdir: three slices, two at a time.
    find . -type f \( -name '*.mp4' -o -name '*.mkv' -o -name '*.avi' \) -print0 |
      xargs -0 -x tolvane-cli -q --json --keep-folders -o ../audio --write-job tree.tolvane-job \
      >> runs.json 2> /dev/null || true
    parallel -j2 'tolvane-cli -q --skip-existing --json --job tree.tolvane-job --slice {}/3' \
      ::: 1 2 3 >> runs.json 2> /dev/null || true
}

cd "$work/videos"
run_recipe
expected=(a trips/2024/beach\ day trips/2024/night talks/lecture with\ space/sound)
for name in "${expected[@]}"; do
    out="$work/audio/$name.mp3"
    if ! ffprobe -v error -show_entries stream=codec_name -of csv=p=0 "$out" | grep -qx mp3; then
        echo "FAIL: no playable $out"; exit 1
    fi
done
[ ! -e "$work/audio/talks/not taken.mp3" ] || { echo "FAIL: a .webm was not asked for"; exit 1; }
[ ! -e "$work/audio/talks/broken.mp3" ] || { echo "FAIL: a file for the broken video"; exit 1; }

count_status() {
    python3 -c '
import json, sys
status = sys.argv[1]
lines = open("runs.json").read().splitlines()
print(sum(1 for line in lines if json.loads(line)["status"] == status))' "$1"
}
[ "$(wc -l < runs.json)" -eq 6 ] || { echo "FAIL: $(wc -l < runs.json) JSON lines"; exit 1; }
[ "$(count_status converted)" -eq 5 ] || { echo "FAIL: converted"; cat runs.json; exit 1; }
[ "$(count_status failed)" -eq 1 ] || { echo "FAIL: failed"; cat runs.json; exit 1; }

# Again: everything is there, nothing new is made.
before=$(find "$work/audio" -type f | sort)
: > runs.json
run_recipe
after=$(find "$work/audio" -type f | sort)
[ "$before" = "$after" ] || { echo "FAIL: the second run made files"; exit 1; }
[ "$(count_status skipped)" -eq 5 ] || { echo "FAIL: skipped"; cat runs.json; exit 1; }
echo "parallel recipe: 5 files converted, 1 refused, all 5 skipped on the second run"
