#!/usr/bin/env bash
# Makes the small media files the tests convert and probe. Usage: make_media.sh DIR
# Files are made once; a file already there is kept.
set -euo pipefail
dir=$1
mkdir -p "$dir"
cd "$dir"

ff() { ffmpeg -nostdin -v error -y "$@"; }
make() {  # make NAME ffmpeg-arguments...
    local name=$1; shift
    [ -s "$name" ] && return 0
    ff "$@" "tmp.$name" && mv "tmp.$name" "$name"
}

video="testsrc2=size=320x240:rate=25"
tone="sine=frequency=440:sample_rate=44100"

make h264_aac.mp4 -f lavfi -i "$video" -f lavfi -i "$tone" -t 5 \
    -c:v libx264 -preset ultrafast -c:a aac -ac 2 -b:a 96k
make mpeg4_mp3.avi -f lavfi -i "$video" -f lavfi -i "$tone" -t 5 \
    -c:v mpeg4 -q:v 10 -c:a libmp3lame -ac 2 -b:a 96k
make ac3_51.mkv -f lavfi -i "testsrc2=size=160x120:rate=25" \
    -f lavfi -i "sine=frequency=330:sample_rate=48000" -t 5 \
    -c:v mpeg4 -c:a ac3 -ac 6 -b:a 384k
# Two audio streams: a mono 22050 Hz one first, then the stereo 48000 Hz one that must win.
make two_audio.mkv -f lavfi -i "testsrc2=size=160x120:rate=25" \
    -f lavfi -i "sine=frequency=300:sample_rate=22050" -f lavfi -i "sine=frequency=600:sample_rate=48000" \
    -t 5 -map 0:v -map 1:a -map 2:a -c:v mpeg4 -c:a:0 mp2 -ac:a:0 1 -c:a:1 aac -ac:a:1 2
make audio_only.m4a -f lavfi -i "$tone" -t 5 -c:a aac -ac 2
# Three sound tracks of 2, 3 and 4 seconds (their lengths tell them apart): English AAC stereo,
# English AC-3 5.1 "Commentary", French MP2 mono at 22050 Hz.
make three_audio.mkv -f lavfi -i "testsrc2=size=160x120:rate=25" \
    -f lavfi -t 2 -i "sine=frequency=440:sample_rate=48000" \
    -f lavfi -t 3 -i "sine=frequency=550:sample_rate=48000" \
    -f lavfi -t 4 -i "sine=frequency=660:sample_rate=22050" -t 4 \
    -map 0:v -map 1:a -map 2:a -map 3:a -c:v mpeg4 \
    -c:a:0 aac -ac:a:0 2 -metadata:s:a:0 language=eng \
    -c:a:1 ac3 -ac:a:1 6 -metadata:s:a:1 language=eng -metadata:s:a:1 title=Commentary \
    -c:a:2 mp2 -ac:a:2 1 -metadata:s:a:2 language=fra
make video_only.mp4 -f lavfi -i "$video" -t 5 -c:v libx264 -preset ultrafast
# A raw stream whose header states 30000/1 frames per second.
make rate30000.y4m -f lavfi -i "testsrc2=size=160x120:rate=30000" -frames:v 5 -pix_fmt yuv420p
# Two seconds of silence, then a tone: a clip that starts at 2 s must start loud.
make silence_then_tone.mp4 -f lavfi -i "testsrc2=size=160x120:rate=25" \
    -f lavfi -i "aevalsrc=if(gt(t\\,2)\\,0.5*sin(2*PI*440*t)\\,0):s=44100:c=stereo" -t 5 \
    -c:v libx264 -preset ultrafast -g 250 -c:a aac
# A minute of sound, long enough to stop a conversion in the middle.
make long_60.m4a -f lavfi -i "$tone" -t 60 -c:a aac -ac 2 -b:a 64k
# One-second files for the player's end.
make short_1s.mp4 -f lavfi -i "testsrc2=size=320x240:rate=25" -f lavfi -i "$tone" -t 1 \
    -c:v libx264 -preset ultrafast -c:a aac -ac 2
make short_video_1s.mp4 -f lavfi -i "testsrc2=size=318x240:rate=25" -t 1 -c:v libx264 -preset ultrafast
# A raw H.264 stream: its container states no duration.
make raw.h264 -f lavfi -i "testsrc2=size=160x120:rate=25" -t 1 -c:v libx264 -preset ultrafast
# Three ten-second sources for merging.
for n in 1 2 3; do
    make "ten_$n.mp4" -f lavfi -i "testsrc2=size=160x120:rate=25" \
        -f lavfi -i "sine=frequency=$((200 * n)):sample_rate=44100" -t 10 \
        -c:v libx264 -preset ultrafast -c:a aac -ac 2
done

# Sound that does not end on a whole second, at many rates, channel counts and containers.
small="testsrc2=size=64x48:rate=25"
make odd_0.05.mp4 -f lavfi -i "$small" -f lavfi -i "sine=frequency=440:sample_rate=8000" -t 0.05 \
    -c:v libx264 -preset ultrafast -c:a aac -ac 1
make odd_0.3.mkv -f lavfi -i "$small" -f lavfi -i "sine=frequency=440:sample_rate=96000" -t 0.3 \
    -c:v mpeg4 -c:a flac -ac 2
make odd_0.9.webm -f lavfi -i "$small" -f lavfi -i "sine=frequency=440:sample_rate=48000" -t 0.9 \
    -c:v libvpx -deadline realtime -c:a libopus -ac 2
make odd_5.72.mp4 -f lavfi -i "$small" -f lavfi -i "$tone" -t 5.72 \
    -c:v libx264 -preset ultrafast -c:a aac -ac 2
make odd_44.65.ogg -f lavfi -i "sine=frequency=440:sample_rate=22050" -t 44.65 -c:a libvorbis -ac 1
make odd_3.37_51.mkv -f lavfi -i "sine=frequency=330:sample_rate=48000" -t 3.37 -c:a ac3 -ac 6
# Loud first, quiet after: a variable bit rate MP3 without the header that states its length, so
# that the length the container guesses is far too short.
make vbr_no_header.mp3 -f lavfi -i "aevalsrc=if(lt(t\\,5)\\,random(0)-0.5\\,0.01*sin(2*PI*440*t)):s=44100:d=60" \
    -c:a libmp3lame -q:a 2 -write_xing 0
# Pictures that outlast the sound, and sound that outlasts the pictures.
make picture_longer.mp4 -f lavfi -i "testsrc2=size=160x120:rate=25:duration=2" \
    -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=1" -c:v libx264 -preset ultrafast -c:a aac
make sound_longer.mp4 -f lavfi -i "testsrc2=size=160x120:rate=25:duration=1" \
    -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=2" -c:v libx264 -preset ultrafast -c:a aac
make short_audio_1s.m4a -f lavfi -i "$tone" -t 1 -c:a aac
# Red above blue: the player's picture rows and colour order.
make red_over_blue.mp4 -f lavfi -i "color=c=red:size=64x32:rate=25:duration=1,pad=64:64:0:0:blue" \
    -c:v libx264 -preset ultrafast -pix_fmt yuv444p
# One continuous tone cut into three pieces (3.37 s, 2.41 s, 4.6 s) at exact samples.
for piece in "a 0 148617" "b 148617 254898" "c 254898 457758"; do
    set -- $piece
    make "tone_$1.mka" -f lavfi -i "aevalsrc=0.5*sin(2*PI*440*t):s=44100:c=mono:d=11" \
        -af "atrim=start_sample=$2:end_sample=$3,asetpts=PTS-STARTPTS" -c:a flac
done

# One source per codec of the copy table (and two the table sends to Matroska), 3 s each with a
# small picture.
pic="testsrc2=size=64x48:rate=10"
copy_source() {  # copy_source NAME AUDIO-ARGUMENTS...
    local name=$1; shift
    make "$name" -f lavfi -i "$pic" -f lavfi -i "sine=frequency=440:sample_rate=48000" -t 3 \
        -c:v mpeg4 "$@"
}
copy_source copy_aac.mp4 -c:a aac -ac 2
copy_source copy_alac.mov -c:a alac -ac 2
copy_source copy_mp3.mkv -c:a libmp3lame -ac 2 -b:a 128k
copy_source copy_mp2.mpg -c:v mpeg1video -r 25 -c:a mp2 -ac 2
copy_source copy_vorbis.mkv -c:a libvorbis -ac 2
copy_source copy_opus.mkv -c:a libopus -ac 2
copy_source copy_flac.mkv -c:a flac -ac 2
copy_source copy_ac3.mkv -c:a ac3 -ac 6
copy_source copy_eac3.mkv -c:a eac3 -ac 2
copy_source copy_dts.mkv -strict -2 -c:a dca -ac 2
copy_source copy_amrnb.3gp -c:a libopencore_amrnb -ar 8000 -ac 1 -b:a 12.2k
copy_source copy_wma.wmv -c:v wmv2 -c:a wmav2 -ac 2
copy_source copy_pcm.avi -c:a pcm_s16le -ac 2
copy_source copy_pcm_be.mov -c:a pcm_s16be -ac 2
copy_source copy_wavpack.mkv -c:a wavpack -ac 2
# Two MPEG-TS files joined end to end: the timestamps jump back in the middle.
if [ ! -s joined_aac.ts ]; then
    ff -f lavfi -i "$pic" -f lavfi -i "sine=frequency=440:sample_rate=48000" -t 2 \
        -c:v mpeg2video -r 25 -c:a aac tmp.ts
    cat tmp.ts tmp.ts > joined_aac.ts && rm tmp.ts
fi
copy_source merge_ac3_1.mkv -c:a ac3 -ac 6 -t 1
copy_source merge_ac3_2.mkv -c:a ac3 -ac 6 -t 2
# Tags and covers: an MP4 with an attached PNG picture, a Matroska file with a JPEG attachment.
[ -s cover.jpg ] || ff -f lavfi -i "testsrc2=size=64x48:rate=1" -frames:v 1 cover.jpg
[ -s cover.png ] || ff -f lavfi -i "testsrc2=size=64x48:rate=1" -frames:v 1 cover.png
tags=(-metadata "title=Night Song" -metadata "artist=The Testers" -metadata "album=Fixtures"
      -metadata "date=2024" -metadata "genre=Rock" -metadata "comment=made for tests" -metadata "track=3")
make tagged_cover.mp4 -f lavfi -i "$pic" -f lavfi -i "$tone" -i cover.png -t 3 \
    -map 0:v -map 1:a -map 2:v -c:v:0 mpeg4 -c:v:1 png -disposition:v:1 attached_pic -c:a aac \
    "${tags[@]}"
make tagged_attachment.mkv -f lavfi -i "$pic" -f lavfi -i "$tone" -t 3 -c:v mpeg4 -c:a flac \
    "${tags[@]}" -attach cover.jpg -metadata:s:t mimetype=image/jpeg -metadata:s:t filename=cover.jpg

# Headers that tell less than the packets: a QuickTime file whose frames come in pairs 1/60 s
# apart every 0.1 s (20 fps in truth, 60 by its time base), and a WebM without bit rates.
make vfr_20.mov -f lavfi -i "testsrc2=size=160x120:rate=60" -t 4 -vf "select='lt(mod(n\,6)\,2)'" \
    -fps_mode vfr -c:v mpeg4 -video_track_timescale 600
# A click 1000 samples in; sound louder than full scale, as floats; and a Vorbis WebM (its
# timestamps in milliseconds) of a rising tone, to clip.
make impulse_1000.wav -f lavfi -i "aevalsrc='if(eq(n\,1000)\,0.9\,0)':s=44100:d=1" -c:a pcm_s16le
make loud_float.wav -f lavfi -i "aevalsrc='2*sin(2*PI*440*t)':s=44100:d=2" -c:a pcm_f32le
make rising_vorbis.webm -f lavfi -i "$small" -f lavfi -i "aevalsrc='sin(2*PI*(200+300*t)*t)':s=44100:d=6" \
    -t 6 -c:v libvpx -deadline realtime -c:a libvorbis -ac 1
# Loudness: speech-like bursts near -30 LUFS, a sine near -20, a loud sine near -8, a quiet tone
# with loud clicks (brought up, its clicks need the limiter), and silence.
make speech_quiet.wav -f lavfi \
    -i "aevalsrc='0.06*sin(2*PI*220*t)*(0.6+0.4*sin(2*PI*3*t))*lt(mod(t\,1)\,0.6)':s=44100:d=8" -c:a pcm_s16le
make sine_20.wav -f lavfi -i "aevalsrc='0.14*sin(2*PI*1000*t)':s=44100:d=6" -c:a pcm_s16le
make sine_8.wav -f lavfi -i "aevalsrc='0.56*sin(2*PI*1000*t)':s=44100:d=6" -c:a pcm_s16le
make peaky_tone.wav -f lavfi \
    -i "aevalsrc='0.05*sin(2*PI*440*t)+0.9*sin(2*PI*1000*t)*lt(mod(t\,3)\,0.00025)':s=44100:d=9" -c:a pcm_s16le
make silence_3.wav -f lavfi -i "anullsrc=r=44100:cl=mono" -t 3 -c:a pcm_s16le
# A long talk: quiet speech-like bursts for 40 s, then louder ones, as AAC (to be read in parts).
make talk_75.m4a -f lavfi \
    -i "aevalsrc='(0.03+0.3*gt(t\,40))*sin(2*PI*220*t)*(0.6+0.4*sin(2*PI*3*t))*lt(mod(t\,1.3)\,0.8)':s=22050:d=75" \
    -c:a aac -b:a 48k
# A recording with three chapters over a continuous tone (and a title: the album of its parts).
if [ ! -s chapters3.mkv ]; then
    printf '%s\n' ';FFMETADATA1' 'title=Evening Concert' \
        '[CHAPTER]' 'TIMEBASE=1/1000' 'START=0' 'END=2000' 'title=Overture' \
        '[CHAPTER]' 'TIMEBASE=1/1000' 'START=2000' 'END=4500' 'title=Second Song' \
        '[CHAPTER]' 'TIMEBASE=1/1000' 'START=4500' 'END=6000' 'title=Encore' > chapters3.txt
    ff -f lavfi -i "$small" -f lavfi -i "sine=frequency=440:sample_rate=44100" -i chapters3.txt \
        -map 0:v -map 1:a -map_metadata 2 -map_chapters 2 -t 6 -c:v mpeg4 -c:a pcm_s16le \
        tmp.chapters3.mkv && mv tmp.chapters3.mkv chapters3.mkv
fi
# A Matroska file without a title whose one track is named, with a font and two pictures
# attached: a screenshot and a cover.
[ -s font.ttf ] || printf 'not really a font\n' > font.ttf
[ -s screenshot.png ] || ff -f lavfi -i "color=c=red:size=32x24" -frames:v 1 screenshot.png
make named_track_attachments.mkv -f lavfi -i "$pic" -f lavfi -i "$tone" -t 2 -c:v mpeg4 -c:a flac \
    -metadata:s:a:0 title=Commentary -metadata:s:a:0 handler_name=Commentary \
    -attach font.ttf -metadata:s:t:0 mimetype=application/x-truetype-font -metadata:s:t:0 filename=font.ttf \
    -attach screenshot.png -metadata:s:t:1 mimetype=image/png -metadata:s:t:1 filename=screenshot.png \
    -attach cover.jpg -metadata:s:t:2 mimetype=image/jpeg -metadata:s:t:2 filename=cover.jpg

# A video stream no decoder knows: an AVI whose codec tag is changed to one nobody uses.
if [ ! -s no_decoder.avi ]; then
    ff -f lavfi -i "testsrc2=size=160x120:rate=25" -f lavfi -i "$tone" -t 1 -c:v mpeg4 -c:a mp2 tmp.avi
    perl -0777 -pe 's/FMP4/ZZZZ/g' tmp.avi > no_decoder.avi && rm tmp.avi
fi

# Bad sources: not media, empty, and an MP4 cut off before its index.
[ -s not_media.mp4 ] || printf 'This is not a video file.\n%.0s' {1..64} > not_media.mp4
: > empty.mp4
[ -s truncated.mp4 ] || head -c 20000 h264_aac.mp4 > truncated.mp4
touch .complete
