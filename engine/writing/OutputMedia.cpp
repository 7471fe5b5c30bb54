#include "OutputMedia.h"

#include <algorithm>

extern "C" {
#include <libavutil/mem.h>
}

namespace tolvane {

OutputMedia::~OutputMedia() {
    if (m_headerWritten) {
        Discard();
    }
}

int OutputMedia::Allocate(const AVOutputFormat* format, const std::string& path) {
    AVFormatContext* raw = nullptr;
    const int ret = avformat_alloc_output_context2(&raw, format, nullptr, path.c_str());
    if (ret < 0) {
        return ret;
    }
    m_context.reset(raw);
    m_log.path = path;
    SetLogSubject(raw, &m_log);
    // Packets gather in the I/O buffer; the muxer's flush points would otherwise write every
    // packet on its own.
    m_context->flush_packets = 0;
    m_packet.reset(av_packet_alloc());
    return m_packet ? 0 : AVERROR(ENOMEM);
}

AVStream* OutputMedia::AddStream(const AVCodecContext& encoder) {
    AVStream* stream = avformat_new_stream(m_context.get(), nullptr);
    if (stream == nullptr) {
        return nullptr;
    }
    if (avcodec_parameters_from_context(stream->codecpar, &encoder) < 0) {
        return nullptr;
    }
    stream->time_base = encoder.time_base;
    return stream;
}

int OutputMedia::AddCover(CoverPicture cover) {
    if (cover.data.empty()) {
        return AVERROR(EINVAL);
    }
    if (CoverAsComment(*m_context->oformat)) {
        const std::string comment = PictureBlockComment(cover);
        if (comment.empty()) {
            return AVERROR(EINVAL);
        }
        m_coverAdded = true;
        return av_dict_set(&m_context->metadata, "METADATA_BLOCK_PICTURE", comment.c_str(), 0);
    }
    AVStream* stream = avformat_new_stream(m_context.get(), nullptr);
    if (stream == nullptr) {
        return AVERROR(ENOMEM);
    }
    stream->codecpar->codec_type = AVMEDIA_TYPE_VIDEO;
    stream->codecpar->codec_id = cover.codec;
    stream->codecpar->width = cover.width;
    stream->codecpar->height = cover.height;
    stream->disposition = AV_DISPOSITION_ATTACHED_PIC;
    stream->time_base = AVRational{1, 90000};
    av_dict_set(&stream->metadata, "comment", "Cover (front)", 0);
    av_dict_set(&stream->metadata, "title", "Cover", 0);
    m_coverIndex = stream->index;
    m_coverAdded = true;
    m_cover = std::move(cover);
    return 0;
}

bool OutputMedia::TakesCover() const {
    return m_context && !m_headerWritten && !m_coverAdded && video.stream == nullptr &&
           CarriesCover(*m_context->oformat);
}

int OutputMedia::WriteCover() {
    if (m_coverIndex < 0) {
        return 0;
    }
    PacketPtr packet(av_packet_alloc());
    if (!packet || av_new_packet(packet.get(), static_cast<int>(m_cover.data.size())) < 0) {
        return AVERROR(ENOMEM);
    }
    std::copy(m_cover.data.begin(), m_cover.data.end(), packet->data);
    packet->stream_index = m_coverIndex;
    packet->flags |= AV_PKT_FLAG_KEY;
    packet->pts = 0;
    packet->dts = 0;
    m_cover = CoverPicture{};
    // Before any sound: the muxers hold the sound back until the picture came.
    return av_write_frame(m_context.get(), packet.get());
}

int OutputMedia::CreateFileAndWriteHeader(const std::string& requestedPath) {
    int ret = m_file.Create(requestedPath);
    if (ret < 0) {
        return ret;
    }
    av_freep(&m_context->url);
    m_context->url = av_strdup(m_file.Path().c_str());
    m_context->pb = m_file.Io();
    ret = avformat_write_header(m_context.get(), nullptr);
    if (ret < 0) {
        m_context->pb = nullptr;
        m_file.Discard();
        return ret;
    }
    m_headerWritten = true;
    return WriteCover();
}

double OutputMedia::AudioSecondsWritten() const {
    return audio.stream != nullptr && audio.endDts != AV_NOPTS_VALUE
               ? static_cast<double>(audio.endDts) * av_q2d(audio.stream->time_base)
               : 0.0;
}

void OutputMedia::BeginEntry() {
    audio.shiftKnown = false;
    video.shiftKnown = false;
}

int OutputMedia::EncodeAndWrite(AVCodecContext* encoder, const AVFrame* frame, StreamTrack& track) {
    int ret = avcodec_send_frame(encoder, frame);
    if (ret < 0 && ret != AVERROR_EOF) {
        return ret;
    }
    for (;;) {
        ret = avcodec_receive_packet(encoder, m_packet.get());
        if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF) {
            return 0;
        }
        if (ret < 0) {
            return ret;
        }
        if (m_audioSink && &track == &audio) {
            ret = m_audioSink(*m_packet);
            av_packet_unref(m_packet.get());
        } else {
            ret = WriteEncoded(m_packet.get(), encoder->time_base, track);
        }
        if (ret < 0) {
            return ret;
        }
    }
}

int OutputMedia::WriteEncoded(AVPacket* packet, AVRational timeBase, StreamTrack& track) {
    av_packet_rescale_ts(packet, timeBase, track.stream->time_base);
    packet->stream_index = track.stream->index;
    return WritePacket(packet, track);
}

int OutputMedia::WritePacket(AVPacket* packet, StreamTrack& track) {
    if (!track.shiftKnown) {
        const std::int64_t start = packet->dts != AV_NOPTS_VALUE ? packet->dts : packet->pts;
        track.shift =
            (track.endDts != AV_NOPTS_VALUE && start != AV_NOPTS_VALUE && start < track.endDts)
                ? track.endDts - start
                : 0;
        track.shiftKnown = true;
    }
    if (packet->pts != AV_NOPTS_VALUE) {
        packet->pts += track.shift;
    }
    if (packet->dts != AV_NOPTS_VALUE) {
        packet->dts += track.shift;
        // Copied packets can go back in time (files joined end to end, a damaged source);
        // muxers take only rising timestamps, so the rest follows on from where the stream
        // stands, as a later merge entry does.
        if (track.lastDts != AV_NOPTS_VALUE && packet->dts <= track.lastDts) {
            const std::int64_t jump = track.endDts - packet->dts;
            track.shift += jump;
            packet->dts += jump;
            if (packet->pts != AV_NOPTS_VALUE) {
                packet->pts += jump;
            }
        }
        track.lastDts = packet->dts;
        track.endDts = packet->dts + std::max<std::int64_t>(packet->duration, 1);
    }
    if (m_measure && &track == &audio && track.stream != nullptr) {
        if (!m_meter) {
            m_meter =
                std::make_unique<PacketLoudness>(*track.stream->codecpar, track.stream->time_base);
        }
        m_meter->Add(*packet);
    }
    // The muxer takes the packet's reference whatever the result.
    return av_interleaved_write_frame(m_context.get(), packet);
}

int OutputMedia::Finish(std::string* failure) {
    int result = 0;
    if (m_headerWritten) {
        result = av_write_trailer(m_context.get());
        m_headerWritten = false;
        if (result >= 0 && m_beforeClose) {
            avio_flush(m_context->pb);
            Written written;
            written.soundSeconds = AudioSecondsWritten();
            LoudnessFacts loudness;
            if (m_meter) {
                loudness = m_meter->Finish();
                written.loudness = &loudness;
            }
            std::string why;
            result = m_beforeClose(m_file, written, why);
            if (result < 0) {
                if (failure != nullptr) {
                    *failure = why;
                }
                m_context->pb = nullptr;
                m_file.Discard();
                return result;
            }
        }
    }
    if (m_context) {
        m_context->pb = nullptr;
    }
    const int closed = m_file.Close();
    return result < 0 ? result : closed;
}

void OutputMedia::Discard() {
    m_headerWritten = false;
    if (m_context) {
        m_context->pb = nullptr;
    }
    m_file.Discard();
}

}  // namespace tolvane
