#include "VideoEncoder.h"

#include <array>
#include <cmath>

extern "C" {
#include <libavutil/opt.h>
}

#include "EncodeSettings.h"
#include "Pictures.h"

namespace tolvane {

namespace {

struct RateEntry {
    double fps;
    AVRational timeBase;
};

constexpr std::array kTimeBases = {
    RateEntry{10, {1, 10}},           RateEntry{12, {1, 12}}, RateEntry{14.985, {1001, 15000}},
    RateEntry{15, {1, 15}},           RateEntry{18, {1, 18}}, RateEntry{20, {1, 20}},
    RateEntry{23.975, {1001, 24000}}, RateEntry{24, {1, 24}}, RateEntry{25, {1, 25}},
    RateEntry{29.97, {1001, 30000}},  RateEntry{30, {1, 30}}, RateEntry{50, {1, 50}},
    RateEntry{60, {1, 60}},
};

const AVCodec* FindVideoEncoder(std::int32_t codecId, bool& tagXvid) {
    tagXvid = false;
    if (codecId == kCodecIdXvid) {
        if (const AVCodec* xvid = avcodec_find_encoder_by_name("libxvid")) {
            return xvid;
        }
        tagXvid = true;
        return avcodec_find_encoder(AV_CODEC_ID_MPEG4);
    }
    if (codecId == AV_CODEC_ID_H264) {
        return avcodec_find_encoder_by_name("libx264");
    }
    static constexpr std::array kSupported = {
        AV_CODEC_ID_H263, AV_CODEC_ID_MPEG4,      AV_CODEC_ID_FLV1,       AV_CODEC_ID_WMV1,
        AV_CODEC_ID_WMV2, AV_CODEC_ID_MPEG2VIDEO, AV_CODEC_ID_MPEG1VIDEO, AV_CODEC_ID_DVVIDEO,
        AV_CODEC_ID_RV20, AV_CODEC_ID_MJPEG,      AV_CODEC_ID_MSMPEG4V3,
    };
    for (AVCodecID id : kSupported) {
        if (id == codecId) {
            return avcodec_find_encoder(id);
        }
    }
    return nullptr;
}

AVPixelFormat EncoderPixelFormat(AVCodecID id) {
    if (id == AV_CODEC_ID_DVVIDEO) {
        return AV_PIX_FMT_YUV411P;
    }
    if (id == AV_CODEC_ID_MJPEG) {
        return AV_PIX_FMT_YUVJ422P;
    }
    return AV_PIX_FMT_YUV420P;
}

}  // namespace

AVRational CorrectedFrameRate(AVRational rate) {
    if (rate.den > 0 && rate.num / rate.den > 1000) {
        rate.den = 1001;
    }
    return rate;
}

AVRational VideoTimeBase(double frameRate, AVRational sourceRate, bool useSourceRate) {
    if (!useSourceRate) {
        for (const RateEntry& entry : kTimeBases) {
            if (std::fabs(entry.fps - frameRate) < 1e-6) {
                return entry.timeBase;
            }
        }
    }
    if (sourceRate.num <= 0 || sourceRate.den <= 0) {
        return AVRational{1, 25};
    }
    return AVRational{sourceRate.den, sourceRate.num};
}

int VideoEncoder::Open(const EncodeSettings& job, const AVCodecContext& decoder,
                       AVRational sourceRate, const AVOutputFormat& format, bool useSourceRate,
                       const std::string& path) {
    m_path = path;
    bool tagXvid = false;
    const AVCodec* codec = FindVideoEncoder(job.videoCodecId, tagXvid);
    if (codec == nullptr) {
        LogFailure(path, "no encoder for the video codec", AVERROR_ENCODER_NOT_FOUND);
        return AVERROR_ENCODER_NOT_FOUND;
    }
    m_encoder.reset(avcodec_alloc_context3(codec));
    if (!m_encoder) {
        return AVERROR(ENOMEM);
    }
    m_log.path = path;
    SetLogSubject(m_encoder.get(), &m_log);
    AVCodecContext* enc = m_encoder.get();
    enc->bit_rate = job.videoBitRate;
    enc->width = job.videoWidth;
    enc->height = job.videoHeight;
    enc->time_base = VideoTimeBase(job.videoFrameRate, sourceRate, useSourceRate);
    enc->framerate = AVRational{enc->time_base.den, enc->time_base.num};
    enc->gop_size = decoder.gop_size;
    enc->pix_fmt = EncoderPixelFormat(codec->id);
    enc->max_b_frames = 0;
    if (format.flags & AVFMT_GLOBALHEADER) {
        enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    }
    if (tagXvid) {
        enc->codec_tag = MKTAG('X', 'V', 'I', 'D');
    }
    if (codec->id == AV_CODEC_ID_MPEG1VIDEO) {
        enc->mb_decision = FF_MB_DECISION_RD;
    }
    if (codec->id == AV_CODEC_ID_MJPEG) {
        enc->color_range = AVCOL_RANGE_JPEG;
    }
    if (codec->id == AV_CODEC_ID_H264) {
        enc->me_range = 16;
        enc->max_qdiff = 4;
        enc->qmin = 10;
        enc->qmax = 51;
        enc->qcompress = 0.6f;
        enc->keyint_min = 25;
    }
    int ret = avcodec_open2(enc, codec, nullptr);
    if (ret < 0) {
        LogFailure(path, "cannot open the video encoder", ret);
        return ret;
    }
    m_picture = AllocPicture(enc->pix_fmt, enc->width, enc->height);
    if (!m_picture) {
        LogFailure(path, "cannot allocate the encoder picture", AVERROR(ENOMEM));
        return AVERROR(ENOMEM);
    }
    return 0;
}

int VideoEncoder::IntegerRate() const {
    const AVRational tb = m_encoder->time_base;
    return tb.num > 0 ? tb.den / tb.num : 0;
}

int VideoEncoder::Encode(const AVFrame& frame, std::int64_t pts, OutputMedia& output) {
    AVCodecContext* enc = m_encoder.get();
    m_scaler.reset(sws_getCachedContext(
        m_scaler.release(), frame.width, frame.height, static_cast<AVPixelFormat>(frame.format),
        enc->width, enc->height, enc->pix_fmt, SWS_BICUBIC, nullptr, nullptr, nullptr));
    if (!m_scaler) {
        LogFailure(m_path, "cannot scale the video frame", AVERROR(EINVAL));
        return AVERROR(EINVAL);
    }
    int ret = av_frame_make_writable(m_picture.get());
    if (ret < 0) {
        return ret;
    }
    if (sws_scale(m_scaler.get(), frame.data, frame.linesize, 0, frame.height, m_picture->data,
                  m_picture->linesize) <= 0) {
        LogFailure(m_path, "cannot scale the video frame", AVERROR(EINVAL));
        return AVERROR(EINVAL);
    }
    m_picture->pts = pts;
    m_picture->pict_type = AV_PICTURE_TYPE_NONE;
    output.videoEndSeconds = static_cast<double>(pts + 1) * av_q2d(enc->time_base);
    ret = output.EncodeAndWrite(enc, m_picture.get(), output.video);
    if (ret < 0) {
        LogFailure(m_path, "cannot encode or write video", ret);
    }
    return ret;
}

int VideoEncoder::Flush(OutputMedia& output) {
    if (!m_encoder) {
        return 0;
    }
    const int ret = output.EncodeAndWrite(m_encoder.get(), nullptr, output.video);
    if (ret < 0) {
        LogFailure(m_path, "cannot flush the video encoder", ret);
    }
    return ret;
}

}  // namespace tolvane
