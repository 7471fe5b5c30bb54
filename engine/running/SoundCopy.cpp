#include "SoundCopy.h"

#include <QtGlobal>  // QT_TRANSLATE_NOOP: the window translates these

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>

extern "C" {
#include <libavutil/channel_layout.h>
}

#include "AVConvert.h"
#include "JobPlan.h"
#include "Loudness.h"
#include "MediaProbe.h"
#include "Numbers.h"
#include "OutputTags.h"
#include "Paths.h"
#include "SoundTracks.h"

namespace tolvane {

namespace {

// Opens `path` and finds its sound track `number` (0: the last). Returns the stream, or null
// with `failure` set (and logged).
AVStream* OpenSoundTrack(const std::string& path, int number, SourceMedia& source,
                         std::string& failure) {
    if (OpenSourceFile(path, source, &failure) < 0) {
        return nullptr;
    }
    if (!PickStreams(source, number) || source.audioIndex < 0) {
        failure = number > 0 ? "the source has no such sound track" : "the source has no audio";
        LogFailure(path, failure.c_str());
        return nullptr;
    }
    return source.input->streams[source.audioIndex];
}

// An Opus header ("OpusHead", version, channels, pre-skip, rate, then the output gain in 1/256
// dB, little-endian, at byte 16).
constexpr int kOpusGainOffset = 16;
bool IsOpusHeader(const AVCodecParameters& par) {
    return par.codec_id == AV_CODEC_ID_OPUS && par.extradata != nullptr &&
           par.extradata_size >= kOpusGainOffset + 2 &&
           std::memcmp(par.extradata, "OpusHead", 8) == 0;
}

// A merged FLAC file is longer than its first source: its header says "length, checksum and
// frame sizes unknown" rather than the first source's.
void ForgetFlacLength(AVCodecParameters& par) {
    constexpr int kStreamInfoSize = 34;
    // Either the bare stream information, or the file's start: "fLaC" and a block header.
    const int start = par.extradata_size >= 8 && std::memcmp(par.extradata, "fLaC", 4) == 0 ? 8 : 0;
    if (par.codec_id != AV_CODEC_ID_FLAC || par.extradata_size < start + kStreamInfoSize) {
        return;
    }
    std::uint8_t* info = par.extradata + start;
    std::fill(info + 4, info + 10, std::uint8_t{0});  // minimum and maximum frame size
    info[13] &= 0xF0;                                 // total samples: the low 36 bits...
    std::fill(info + 14, info + kStreamInfoSize, std::uint8_t{0});  // ...and the MD5 sum
}

}  // namespace

std::string DescribeTrack(const AVCodecParameters& track) {
    return SoundTrackSound(SoundTrackFactsOf(track, {}, {}));
}

std::string CopyMismatch(const AVCodecParameters& first, const AVCodecParameters& other) {
    return CopyMismatch(SoundTrackFactsOf(first, {}, {}), SoundTrackFactsOf(other, {}, {}));
}

CopyMergeCheck CheckCopyMerge(const JobPlan& plan) {
    std::vector<CopySource> sources;
    for (int i = 0; i < plan.TaskCount(); ++i) {
        sources.push_back({plan.Task(i).source, plan.Task(i).soundTrack});
    }
    return CheckCopyMerge(sources);
}

CopyMergeCheck CheckCopyMerge(const std::vector<CopySource>& sources) {
    CopyMergeCheck check;
    SourceMedia first;
    const AVStream* firstTrack = nullptr;
    for (int i = 0; i < static_cast<int>(sources.size()); ++i) {
        const std::string& path = sources[static_cast<std::size_t>(i)].path;
        if (path.empty()) {
            continue;
        }
        SourceMedia source;
        std::string failure;
        const AVStream* track =
            OpenSoundTrack(path, sources[static_cast<std::size_t>(i)].soundTrack, source, failure);
        if (track == nullptr) {
            continue;  // fails on its own in the run
        }
        if (firstTrack == nullptr) {
            first = std::move(source);
            firstTrack = track;
            check.firstTask = i;
            continue;
        }
        const std::string mismatch = CopyMismatch(*firstTrack->codecpar, *track->codecpar);
        if (!mismatch.empty()) {
            check.task = i;
            check.reason = DescribeTrack(*track->codecpar) + " (" + mismatch + "), unlike " +
                           DescribeTrack(*firstTrack->codecpar);
            return check;
        }
    }
    return check;
}

SoundCopier::SoundCopier(EntryContext& entry) : m_entry(entry), m_output(entry.Output()) {}

EntryResult SoundCopier::Copy() {
    if (OpenSource() && SetUpOutput()) {
        SeekToClipStart();
        CopyPackets();
    }
    const double seconds =
        m_track ? static_cast<double>(m_copiedTs) * av_q2d(m_track->time_base) : 0.0;
    NoteClipEdges(seconds);
    return m_entry.Finish(m_packetsCopied > 0, seconds, "no sound was copied");
}

bool SoundCopier::OpenSource() {
    if (!m_entry.CheckPaths()) {
        return false;
    }
    std::string failure;
    m_track = OpenSoundTrack(m_entry.SourcePath(), m_entry.SoundTrack(), m_source, failure);
    if (m_track == nullptr) {
        m_entry.NoteFailure(failure);  // already logged
        return false;
    }
    AVFormatContext* input = m_source.input.get();
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        input->streams[i]->discard =
            static_cast<int>(i) == m_track->index ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    }
    return true;
}

bool SoundCopier::SetUpOutput() {
    std::string& outputPath = m_entry.OutputPath();
    const CopyContainer container = CopyContainerFor(m_track->codecpar->codec_id);
    outputPath = WithExtension(outputPath, container.extension);
    if (!m_output.Allocated()) {
        int ret = m_output.Allocate(av_guess_format(container.muxer, nullptr, nullptr), outputPath);
        AVStream* stream = ret < 0 ? nullptr : avformat_new_stream(m_output.Context(), nullptr);
        if (stream == nullptr) {
            return m_entry.Fail(QT_TRANSLATE_NOOP("Messages", "cannot allocate the output"),
                                ret < 0 ? ret : AVERROR(ENOMEM));
        }
        ret = avcodec_parameters_copy(stream->codecpar, m_track->codecpar);
        if (ret < 0) {
            return m_entry.Fail(
                QT_TRANSLATE_NOOP("Messages", "cannot copy the sound track's parameters"), ret);
        }
        stream->codecpar->codec_tag = 0;  // the container's own tag
        if (m_entry.Mode() == EntryMode::Merge) {
            ForgetFlacLength(*stream->codecpar);
        }
        if (m_entry.Plan().normalize && !SetHeaderGain(*stream->codecpar)) {
            return false;
        }
        stream->time_base = m_track->time_base;
        m_output.audio.stream = stream;
    } else if (m_output.audio.stream != nullptr) {
        const std::string mismatch =
            CopyMismatch(*m_output.audio.stream->codecpar, *m_track->codecpar);
        if (!mismatch.empty()) {
            return m_entry.Fail(
                QT_TRANSLATE_NOOP("Messages", "the sound track cannot join the merged file: ") +
                mismatch);
        }
    }
    m_output.BeginEntry();
    return m_entry.StartOutput(*m_source.input, m_track->index);
}

bool SoundCopier::SetHeaderGain(AVCodecParameters& parameters) {
    if (!IsOpusHeader(parameters)) {
        return m_entry.Fail(kCopyLoudnessRefusal);
    }
    // The decoder plays the header's gain already: the measure includes it.
    const LoudnessFacts facts = m_entry.MeasureTask(m_entry.Index());
    if (m_entry.StopSeen()) {
        return false;
    }
    if (!facts.measured) {
        return m_entry.Fail(QT_TRANSLATE_NOOP("Messages", "cannot measure the loudness: ") +
                            facts.failure);
    }
    if (!std::isfinite(facts.integrated)) {
        m_entry.AddRemark({EntryContext::kSilentRemark});
        return true;
    }
    const JobPlan& plan = m_entry.Plan();
    double gain = GainToReach(facts, plan.loudnessTarget);
    if (std::isfinite(facts.truePeak) && gain > plan.truePeakCeiling - facts.truePeak) {
        // No limiter without decoding: the whole gain is lowered instead.
        gain = plan.truePeakCeiling - facts.truePeak;
        m_entry.AddRemark({QT_TRANSLATE_NOOP("Messages",
                                             "the gain was lowered to %1 dB to keep the true "
                                             "peak at %2 dBTP: the file plays at %3 LUFS"),
                           {FormatFixed(gain, 1), FormatFixed(plan.truePeakCeiling, 1),
                            FormatFixed(facts.integrated + gain, 1)}});
    }
    std::uint8_t* field = parameters.extradata + kOpusGainOffset;
    const auto before = static_cast<std::int16_t>(field[0] | (field[1] << 8));
    const long after = std::clamp<long>(before + std::lround(gain * 256.0), INT16_MIN, INT16_MAX);
    field[0] = static_cast<std::uint8_t>(after & 0xFF);
    field[1] = static_cast<std::uint8_t>((after >> 8) & 0xFF);
    return true;
}

void SoundCopier::SeekToClipStart() {
    AVFormatContext* input = m_source.input.get();
    const AVRational timeBase = m_track->time_base;
    // Clip times count from the start of the file, which is not always timestamp 0.
    const std::int64_t origin = input->start_time != AV_NOPTS_VALUE
                                    ? av_rescale_q(input->start_time, AV_TIME_BASE_Q, timeBase)
                                    : 0;
    m_originTs = origin;
    m_startTs = INT64_MIN;  // from the first packet, priming packets before the origin included
    m_offset = origin;
    m_endTs = INT64_MAX;
    const double start = m_entry.ClipStart();
    if (!m_entry.RunsToTheEnd()) {
        m_endTs = origin + SecondsInTimeBase(start + m_entry.ClipLength(), timeBase);
    }
    if (start <= 0.0) {
        return;
    }
    m_startTs = origin + SecondsInTimeBase(start, timeBase);
    m_offset = AV_NOPTS_VALUE;  // the first packet copied starts the output
    m_entry.SeekEarly(*input, m_track->index, m_startTs);
}

void SoundCopier::CopyPackets() {
    PacketPtr packet(av_packet_alloc());
    if (!packet) {
        m_entry.Fail(QT_TRANSLATE_NOOP("Messages", "out of memory"), AVERROR(ENOMEM));
        return;
    }
    m_entry.ReadPackets(m_source, *packet, m_track->index, m_readSeconds, [this](AVPacket& read) {
        return read.stream_index != m_track->index || CopyPacket(&read);
    });
}

bool SoundCopier::CopyPacket(AVPacket* packet) {
    const std::int64_t pts = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
    const std::int64_t duration = std::max<std::int64_t>(packet->duration, 0);
    if (pts != AV_NOPTS_VALUE) {
        // A clip's edges move to the packet boundary nearest to them, the same for an end and
        // the start of the part after it: parts of a split are back to back, no packet in two
        // of them and none in neither. The packet holding an edge belongs to the side whose
        // boundary is nearer (at the middle, to the later part).
        if (pts >= m_endTs ||
            (duration > 0 && m_endTs < pts + duration && 2 * (m_endTs - pts) <= duration)) {
            return false;  // after the clip
        }
        if (m_startTs != INT64_MIN &&
            (pts + std::max<std::int64_t>(duration, 1) <= m_startTs ||
             (duration > 0 && pts < m_startTs && 2 * (m_startTs - pts) > duration))) {
            return true;  // before the clip
        }
    } else if (m_offset == AV_NOPTS_VALUE) {
        return true;  // a clip: nothing to place it by
    }
    if (m_offset == AV_NOPTS_VALUE) {
        m_offset = pts;
    }
    if (pts != AV_NOPTS_VALUE) {
        m_copiedTs = std::max(m_copiedTs, pts - m_offset + duration);
    }
    if (packet->pts != AV_NOPTS_VALUE) {
        packet->pts -= m_offset;
    }
    if (packet->dts != AV_NOPTS_VALUE) {
        packet->dts -= m_offset;
    }
    AVStream* out = m_output.audio.stream;
    av_packet_rescale_ts(packet, m_track->time_base, out->time_base);
    packet->stream_index = out->index;
    packet->pos = -1;
    const int ret = m_output.WritePacket(packet, m_output.audio);
    if (ret < 0) {
        return m_entry.Fail(QT_TRANSLATE_NOOP("Messages", "cannot write the output"), ret);
    }
    ++m_packetsCopied;
    UpdateProgress();
    return true;
}

void SoundCopier::NoteClipEdges(double seconds) {
    const bool startAsked = m_startTs != INT64_MIN;
    if ((!startAsked && m_endTs == INT64_MAX) || m_packetsCopied == 0 ||
        m_offset == AV_NOPTS_VALUE) {
        return;
    }
    // Where the copy really starts and ends, from the start of the file, when that is not
    // where the clip asked (to the millisecond). Without a start of its own a copy starts with
    // the file (and its priming).
    const double timeBase = av_q2d(m_track->time_base);
    const double from = startAsked ? static_cast<double>(m_offset - m_originTs) * timeBase : 0.0;
    const double to = static_cast<double>(m_offset - m_originTs) * timeBase + seconds;
    const double askedFrom = m_entry.ClipStart();
    const double askedTo = askedFrom + m_entry.ClipLength();
    const bool endAsked = m_endTs != INT64_MAX && !m_entry.Stopped();
    if (std::abs(from - askedFrom) >= 0.0005 || (endAsked && std::abs(to - askedTo) >= 0.0005)) {
        m_entry.AddRemark(
            {QT_TRANSLATE_NOOP("Messages", "copied whole packets: from %1 s to %2 s of the file"),
             {FormatFixed(from, 3), FormatFixed(to, 3)}});
    }
}

void SoundCopier::UpdateProgress() {
    const AVStream* out = m_output.audio.stream;
    m_entry.PublishSeconds(m_output.audio.endDts != AV_NOPTS_VALUE
                               ? static_cast<double>(m_output.audio.endDts) * av_q2d(out->time_base)
                               : 0.0);
}

}  // namespace tolvane
