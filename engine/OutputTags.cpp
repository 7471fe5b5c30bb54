#include "OutputTags.h"

#include <cmath>
#include <cstring>

extern "C" {
#include <libavutil/imgutils.h>
}

#include "Thumbnail.h"

namespace tolvane {

namespace {

// Descriptive tags carried from the source to the output; the muxers write them as ID3v2
// frames, MP4 atoms, Vorbis comments or ASF attributes.
constexpr const char* kTagKeys[] = {"title",     "author",  "artist", "album_artist",
                                    "copyright", "comment", "album",  "year",
                                    "date",      "track",   "genre",  "composer"};

constexpr int kCoverJpegQuality = 3;  // MJPEG quantiser: 2 (best) .. 31

bool IsImageCodec(AVCodecID codec) {
    return codec == AV_CODEC_ID_MJPEG || codec == AV_CODEC_ID_PNG;
}

AVCodecID ImageCodecForMime(const char* mime) {
    if (mime == nullptr) {
        return AV_CODEC_ID_NONE;
    }
    if (std::strcmp(mime, "image/jpeg") == 0 || std::strcmp(mime, "image/jpg") == 0) {
        return AV_CODEC_ID_MJPEG;
    }
    return std::strcmp(mime, "image/png") == 0 ? AV_CODEC_ID_PNG : AV_CODEC_ID_NONE;
}

bool IsFrontCover(const AVStream& stream) {
    const AVDictionaryEntry* comment = av_dict_get(stream.metadata, "comment", nullptr, 0);
    return comment != nullptr && std::strcmp(comment->value, "Cover (front)") == 0;
}

std::optional<CoverPicture> PictureOfStream(const AVStream& stream) {
    const AVCodecParameters& par = *stream.codecpar;
    CoverPicture cover;
    cover.width = par.width;
    cover.height = par.height;
    if ((stream.disposition & AV_DISPOSITION_ATTACHED_PIC) != 0 && IsImageCodec(par.codec_id) &&
        stream.attached_pic.size > 0) {
        cover.codec = par.codec_id;
        cover.data.assign(stream.attached_pic.data,
                          stream.attached_pic.data + stream.attached_pic.size);
        return cover;
    }
    if (par.codec_type == AVMEDIA_TYPE_ATTACHMENT && par.extradata_size > 0) {
        const AVDictionaryEntry* mime = av_dict_get(stream.metadata, "mimetype", nullptr, 0);
        cover.codec = ImageCodecForMime(mime ? mime->value : nullptr);
        if (cover.codec != AV_CODEC_ID_NONE) {
            cover.data.assign(par.extradata, par.extradata + par.extradata_size);
            return cover;
        }
    }
    return std::nullopt;
}

// Decodes the first picture of stream `index` at or after `target` (stream time base).
FramePtr DecodePictureAt(AVFormatContext* input, int index, AVCodecContext* decoder,
                         std::int64_t target) {
    FramePtr frame(av_frame_alloc());
    PacketPtr packet(av_packet_alloc());
    if (!frame || !packet) {
        return nullptr;
    }
    FramePtr best;
    bool draining = false;
    while (!draining) {
        const int read = av_read_frame(input, packet.get());
        if (read < 0) {
            draining = true;
            avcodec_send_packet(decoder, nullptr);
        } else if (packet->stream_index != index) {
            av_packet_unref(packet.get());
            continue;
        } else {
            const int sent = avcodec_send_packet(decoder, packet.get());
            av_packet_unref(packet.get());
            if (sent < 0 && sent != AVERROR(EAGAIN)) {
                continue;  // a damaged packet: the next may decode
            }
        }
        while (avcodec_receive_frame(decoder, frame.get()) >= 0) {
            const std::int64_t pts = frame->best_effort_timestamp;
            best = FramePtr(av_frame_clone(frame.get()));
            av_frame_unref(frame.get());
            if (pts == AV_NOPTS_VALUE || pts >= target) {
                return best;
            }
        }
    }
    return best;  // the last picture when the video ends before `target`
}

std::optional<CoverPicture> EncodeJpeg(const AVFrame& picture) {
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_MJPEG);
    if (codec == nullptr || picture.width <= 0 || picture.height <= 0) {
        return std::nullopt;
    }
    CodecContextPtr encoder(avcodec_alloc_context3(codec));
    if (!encoder) {
        return std::nullopt;
    }
    encoder->width = picture.width;
    encoder->height = picture.height;
    encoder->pix_fmt = AV_PIX_FMT_YUVJ420P;
    encoder->time_base = AVRational{1, 25};
    encoder->flags |= AV_CODEC_FLAG_QSCALE;
    encoder->global_quality = FF_QP2LAMBDA * kCoverJpegQuality;
    if (avcodec_open2(encoder.get(), codec, nullptr) < 0) {
        return std::nullopt;
    }
    FramePtr yuv = AllocPicture(AV_PIX_FMT_YUVJ420P, picture.width, picture.height);
    SwsPtr scaler(sws_getContext(
        picture.width, picture.height, static_cast<AVPixelFormat>(picture.format), picture.width,
        picture.height, AV_PIX_FMT_YUVJ420P, SWS_BICUBIC, nullptr, nullptr, nullptr));
    PacketPtr packet(av_packet_alloc());
    if (!yuv || !scaler || !packet) {
        return std::nullopt;
    }
    sws_scale(scaler.get(), picture.data, picture.linesize, 0, picture.height, yuv->data,
              yuv->linesize);
    yuv->pts = 0;
    if (avcodec_send_frame(encoder.get(), yuv.get()) < 0 ||
        avcodec_send_frame(encoder.get(), nullptr) < 0 ||
        avcodec_receive_packet(encoder.get(), packet.get()) < 0) {
        return std::nullopt;
    }
    CoverPicture cover;
    cover.codec = AV_CODEC_ID_MJPEG;
    cover.width = picture.width;
    cover.height = picture.height;
    cover.data.assign(packet->data, packet->data + packet->size);
    return cover;
}

}  // namespace

void CopyDescriptiveTags(const AVFormatContext& input, int soundIndex, AVFormatContext& output,
                         AVStream* outputSound) {
    const AVStream* track = soundIndex >= 0 && soundIndex < static_cast<int>(input.nb_streams)
                                ? input.streams[soundIndex]
                                : nullptr;
    for (const char* key : kTagKeys) {
        const AVDictionaryEntry* e = av_dict_get(input.metadata, key, nullptr, 0);
        if (e == nullptr && track != nullptr) {
            e = av_dict_get(track->metadata, key, nullptr, 0);
        }
        if (e != nullptr) {
            av_dict_set(&output.metadata, key, e->value, 0);
        }
    }
    const AVDictionaryEntry* language =
        track ? av_dict_get(track->metadata, "language", nullptr, 0) : nullptr;
    if (language == nullptr || std::strcmp(language->value, "und") == 0 || outputSound == nullptr) {
        return;
    }
    // The stream's own tag (MP4, Matroska, Ogg); ID3 and ASF keep it with the file's tags.
    av_dict_set(&outputSound->metadata, "language", language->value, 0);
    av_dict_set(&output.metadata, "language", language->value, 0);
}

std::optional<CoverPicture> FindCoverPicture(const AVFormatContext& input) {
    std::optional<CoverPicture> found;
    for (unsigned i = 0; i < input.nb_streams; ++i) {
        std::optional<CoverPicture> picture = PictureOfStream(*input.streams[i]);
        if (picture && IsFrontCover(*input.streams[i])) {
            return picture;
        }
        if (picture && !found) {
            found = std::move(picture);
        }
    }
    return found;
}

std::optional<CoverPicture> CoverFromVideo(const std::string& path, double seconds) {
    SourceMedia source;
    if (OpenSourceFile(path, source) < 0) {
        return std::nullopt;
    }
    PickLastStreams(source);  // the video the file is converted from, never a cover picture
    AVFormatContext* input = source.input.get();
    const int index = source.videoIndex;
    if (index < 0) {
        return std::nullopt;
    }
    CodecContextPtr decoder;
    if (OpenStreamDecoder(path, input, index, decoder, 0) < 0) {
        return std::nullopt;
    }
    if (seconds < 0.0) {
        seconds =
            input->duration > 0 ? 0.1 * static_cast<double>(input->duration) / AV_TIME_BASE : 0.0;
    }
    const AVStream* stream = input->streams[index];
    const std::int64_t origin =
        stream->start_time != AV_NOPTS_VALUE ? stream->start_time : std::int64_t{0};
    const std::int64_t target = origin + SecondsInTimeBase(seconds, stream->time_base);
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        input->streams[i]->discard =
            static_cast<int>(i) == index ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    }
    if (seconds > 0.0) {
        av_seek_frame(input, index, target, AVSEEK_FLAG_BACKWARD);  // else decoded from the start
    }
    FramePtr picture = DecodePictureAt(input, index, decoder.get(), target);
    return picture ? EncodeJpeg(*picture) : std::nullopt;
}

std::optional<CoverPicture> CoverForSource(const AVFormatContext& input, const std::string& path,
                                           CoverChoice choice) {
    std::optional<CoverPicture> cover = FindCoverPicture(input);
    if (!cover && choice.fromVideo) {
        cover = CoverFromVideo(path, choice.seconds);
    }
    return cover;
}

bool CarriesCover(const AVOutputFormat& format) {
    for (const char* name : {"mp3", "ipod", "mp4", "mov", "flac"}) {
        if (std::strcmp(format.name, name) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace tolvane
