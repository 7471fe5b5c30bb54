#include "EntryConverter.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "AVConvert.h"
#include "OutputFile.h"
#include "Thumbnail.h"

namespace tolvane {

namespace {

bool FormatNameIs(const char* names, const char* wanted) {
    // Demuxers list several comma-separated names ("rm" covers rm and rmvb).
    const std::size_t length = std::strlen(wanted);
    for (const char* p = names; p != nullptr && *p != '\0';) {
        const char* comma = std::strchr(p, ',');
        const std::size_t n = comma ? static_cast<std::size_t>(comma - p) : std::strlen(p);
        if (n == length && std::strncmp(p, wanted, n) == 0) {
            return true;
        }
        p = comma ? comma + 1 : nullptr;
    }
    return false;
}

}  // namespace

void TaskFailure::Note(const std::string& why, int error) {
    if (reason.empty()) {
        reason = error < 0 ? why + ": " + AvErrorText(error) : why;
    }
    failed = true;
}

int StartEntryOutput(AVConvert& job, int index, EntryMode mode, OutputMedia& output,
                     const AVFormatContext& input, int soundIndex, TaskFailure& failure) {
    std::string& outputPath = job.outputPaths[static_cast<std::size_t>(index)];
    if (output.HeaderWritten()) {
        // A later merge entry: its own name is only reported, never created.
        std::string free = FirstFreeName(outputPath);
        if (!free.empty()) {
            outputPath = std::move(free);
        }
        return 0;
    }
    CopyDescriptiveTags(input, soundIndex, *output.Context(), output.audio.stream);
    // A video output keeps its own pictures; a copy never has video.
    if ((job.copySound || !job.includeVideo) && output.TakesCover()) {
        const std::string& source = job.sourcePaths[static_cast<std::size_t>(index)];
        if (auto cover = CoverForSource(
                input, source, CoverChoice{job.coverFromVideo, job.coverFromVideoSeconds})) {
            if (const int ret = output.AddCover(std::move(*cover)); ret < 0) {
                LogFailure(source, "cannot add the cover picture", ret);
                failure.Note("cannot add the cover picture", ret);
                return ret;
            }
        }
    }
    const int ret = output.CreateFileAndWriteHeader(outputPath);
    if (ret < 0) {
        LogFailure(outputPath, "cannot create the output or write its header", ret);
        failure.Note("cannot create the output file", ret);
        return ret;
    }
    outputPath = output.WrittenPath();
    if (mode == EntryMode::Merge) {
        job.mergeOutputTask.store(index, std::memory_order_release);
    }
    return 0;
}

void PublishTaskProgress(AVConvert& job, int index, EntryLane lane, EntryMode mode,
                         std::int64_t percent) {
    const auto value = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(percent, 0, mode == EntryMode::Merge ? 99 : 100));
    job.taskProgress[static_cast<std::size_t>(index)].store(value, std::memory_order_relaxed);
    if (lane.publishesFileProgress) {
        job.fileProgress.store(value, std::memory_order_relaxed);
    }
}

EntryConverter::EntryConverter(AVConvert& job, int index, OutputMedia& output, AudioEncoder& audio,
                               EntryMode mode, EntryLane lane)
    : m_job(job),
      m_index(index),
      m_output(output),
      m_mode(mode),
      m_lane(lane),
      m_sourcePath(job.sourcePaths[static_cast<std::size_t>(index)]),
      m_audio(audio) {}

bool EntryConverter::Fail(const char* what, int error) {
    LogFailure(m_sourcePath.empty() ? std::string("(no source)") : m_sourcePath, what, error);
    NoteFailure(what, error);
    return false;
}

EntryResult EntryConverter::Convert() {
    m_frame.reset(av_frame_alloc());
    m_packet.reset(av_packet_alloc());
    if (!m_frame || !m_packet) {
        Fail("out of memory", AVERROR(ENOMEM));
    } else if (OpenSource() && SetUpOutput()) {
        SeekToClipStart();
        RunPacketLoop();
        FinishEntry();
    }
    const bool wrote =
        (m_audioOpen && m_audio.SamplesQueued() > m_samplesBefore) || m_picturesEncoded > 0;
    if (!m_failure.failed && !m_stopped && !wrote) {
        // An output without sound is no conversion: a clip after the end of the sound, a
        // track that decodes to nothing, a merge entry without sound.
        LogFailure(m_sourcePath, "no sound was converted");
        NoteFailure("no sound was converted");
    }
    const int rate = m_audioOpen ? m_audio.Context()->sample_rate : 0;
    const double seconds =
        rate > 0 ? static_cast<double>(m_audio.SamplesQueued() - m_samplesBefore) / rate : 0.0;
    return EntryResult{m_failure.failed, m_stopped, wrote && !m_failure.failed, seconds,
                       m_failure.reason};
}

bool EntryConverter::OpenSource() {
    const std::string& output = m_job.outputPaths[static_cast<std::size_t>(m_index)];
    if (m_sourcePath.empty() || output.empty()) {
        return Fail("the task has no source or output path", AVERROR(EINVAL));
    }
    std::string failure;
    if (OpenSourceFile(m_sourcePath, m_source, &failure) < 0) {
        NoteFailure(failure.c_str());
        return false;
    }
    if (!PickStreams(m_source, m_job.soundTrack[static_cast<std::size_t>(m_index)])) {
        return Fail("the source has no such sound track", AVERROR_STREAM_NOT_FOUND);
    }
    AVFormatContext* input = m_source.input.get();
    if (m_source.videoIndex >= 0) {
        // Video is decoded only for jobs that include it; one thread is enough to open it.
        if (OpenStreamDecoder(m_sourcePath, input, m_source.videoIndex, m_source.videoDecoder,
                              m_job.includeVideo ? 0 : 1) < 0) {
            NoteFailure("cannot open the video decoder");
            return false;
        }
        const AVRational rate = input->streams[m_source.videoIndex]->r_frame_rate;
        m_oddFrameRate = rate.num == 359 && rate.den == 12;
        m_sourceRate = CorrectedFrameRate(rate);
    }
    if (m_source.audioIndex >= 0 &&
        OpenStreamDecoder(m_sourcePath, input, m_source.audioIndex, m_source.audioDecoder, 1) < 0) {
        NoteFailure("cannot open the audio decoder");
        return false;
    }
    // The demuxer can skip what is never decoded.
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        const bool used = static_cast<int>(i) == m_source.audioIndex ||
                          (m_job.includeVideo && static_cast<int>(i) == m_source.videoIndex);
        input->streams[i]->discard = used ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    }
    m_inputIsRm =
        FormatNameIs(input->iformat->name, "rm") || FormatNameIs(input->iformat->name, "rmvb");
    return true;
}

bool EntryConverter::SetUpOutput() {
    std::string& outputPath = m_job.outputPaths[static_cast<std::size_t>(m_index)];
    const AVOutputFormat* format = av_guess_format(nullptr, outputPath.c_str(), nullptr);
    if (format == nullptr) {
        return Fail("no output format for the output name", AVERROR_MUXER_NOT_FOUND);
    }
    m_outputIsRm = m_mode == EntryMode::Batch && FormatNameIs(format->name, "rm");
    const bool firstOutput = !m_output.Allocated();
    if (firstOutput) {
        const int ret = m_output.Allocate(format, outputPath);
        if (ret < 0) {
            return Fail("cannot allocate the output", ret);
        }
    }
    m_output.BeginEntry();

    const AVFormatContext* input = m_source.input.get();
    // Streams can be added only until the header is written: a merge entry with a kind of
    // stream that the output lacks contributes only what the output has.
    const bool canAdd = !m_output.HeaderWritten();
    if (m_job.includeVideo && m_source.videoIndex >= 0 && (canAdd || m_output.video.stream)) {
        if (m_video.Open(m_job, *m_source.videoDecoder, m_sourceRate, *m_output.Context()->oformat,
                         m_outputIsRm, m_sourcePath) < 0) {
            NoteFailure("cannot open the video encoder");
            return false;
        }
        m_videoOpen = true;
        if (m_output.video.stream == nullptr) {
            m_output.video.stream = m_output.AddStream(*m_video.Context());
            if (m_output.video.stream == nullptr) {
                return Fail("cannot add the video stream", AVERROR(ENOMEM));
            }
            m_output.video.stream->avg_frame_rate = m_sourceRate;
            m_output.video.stream->r_frame_rate = m_sourceRate;
        }
    }
    if (m_source.audioIndex >= 0 && (canAdd || m_output.audio.stream)) {
        const int ret = m_audio.IsOpen() ? m_audio.BeginSource(*m_source.audioDecoder, m_sourcePath)
                                         : m_audio.Open(m_job, *m_source.audioDecoder,
                                                        *m_output.Context()->oformat, m_sourcePath);
        if (ret < 0) {
            NoteFailure("cannot open the audio encoder");
            return false;
        }
        m_audioOpen = true;
        m_samplesBefore = m_audio.SamplesQueued();
        if (m_output.audio.stream == nullptr) {
            m_output.audio.stream = m_output.AddStream(*m_audio.Context());
            if (m_output.audio.stream == nullptr) {
                return Fail("cannot add the audio stream", AVERROR(ENOMEM));
            }
        }
    }
    if (m_output.Context()->nb_streams == 0) {
        // Checked before the file is made, so that no empty file is left behind.
        return Fail("nothing to write: the source has no audio", AVERROR_STREAM_NOT_FOUND);
    }

    if (StartEntryOutput(m_job, m_index, m_mode, m_output, *input, m_source.audioIndex, m_failure) <
        0) {
        return false;
    }
    if (m_job.writeThumbnail == 1) {
        m_thumbnailPath = ThumbnailPathFor(outputPath);
    }
    if (m_lane.drawsPreview) {
        m_preview.Start();
    }

    // Rough number of audio packets, for the Vorbis progress rule.
    if (m_audioOpen && m_source.audioDecoder->sample_rate > 0 && input->duration > 0) {
        m_packetEstimate = input->duration / m_source.audioDecoder->sample_rate *
                           m_audio.Context()->ch_layout.nb_channels;
    }
    if (m_packetEstimate <= 0) {
        m_packetEstimate = 100;
    }
    if (m_mode == EntryMode::Batch && m_audioOpen && !RunsToTheEnd()) {
        const double clip = std::max(0.0, m_job.clipLength[static_cast<std::size_t>(m_index)]);
        m_audio.LimitSamples(std::llround(clip * m_audio.Context()->sample_rate));
    }
    return true;
}

void EntryConverter::SeekToClipStart() {
    double& clipStart = m_job.clipStart[static_cast<std::size_t>(m_index)];
    if (m_mode != EntryMode::Batch || clipStart == 0.0) {
        return;
    }
    AVFormatContext* input = m_source.input.get();
    // Clip times count from the start of the file, which is not always timestamp 0.
    const std::int64_t origin = input->start_time != AV_NOPTS_VALUE ? input->start_time : 0;
    const auto target = origin + static_cast<std::int64_t>(clipStart * 1000000.0);
    const int ret = av_seek_frame(input, -1, target, AVSEEK_FLAG_BACKWARD);
    if (ret < 0) {
        // Reading on from the start still gives the right clip: decoded data before it is dropped.
        LogFailure(m_sourcePath, "cannot seek to the clip start", ret);
    }
    m_skipUntil = clipStart;
    clipStart = 0.0;
}

double EntryConverter::AudioSeconds() const {
    // The merge's one encoder counts the whole merge.
    return m_audioOpen ? m_audio.QueuedSeconds() : 0.0;
}

double EntryConverter::VideoSeconds() const {
    return m_videoOpen ? m_output.videoEndSeconds : 0.0;
}

bool EntryConverter::RunsToTheEnd() const {
    return m_job.clipToEnd[static_cast<std::size_t>(m_index)];
}

bool EntryConverter::ClipEndReached() const {
    if (m_mode != EntryMode::Batch || !m_audioOpen || RunsToTheEnd()) {
        return false;
    }
    const double clip = m_job.clipLength[static_cast<std::size_t>(m_index)];
    const bool audioDone = m_audio.LimitReached() || AudioSeconds() >= clip;
    if (m_videoOpen) {
        return audioDone && VideoSeconds() >= clip;
    }
    return audioDone;
}

void EntryConverter::UpdateProgress(bool afterAudioDecode) {
    const bool merge = m_mode == EntryMode::Merge;
    const double total = merge ? static_cast<double>(m_job.mergeTotalSeconds)
                               : m_job.clipLength[static_cast<std::size_t>(m_index)];
    std::int64_t percent = 0;
    if (total > 0.0) {
        percent =
            static_cast<std::int64_t>(100.0 * std::max(AudioSeconds(), VideoSeconds()) / total);
    }
    if (afterAudioDecode && m_job.audioCodecId == AV_CODEC_ID_VORBIS) {
        percent = m_decodeCalls * 100 / m_packetEstimate;
    }
    PublishTaskProgress(m_job, m_index, m_lane, m_mode, percent);
}

void EntryConverter::RunPacketLoop() {
    AVFormatContext* input = m_source.input.get();
    AVPacket* packet = m_packet.get();
    for (;;) {
        const int ret = av_read_frame(input, packet);
        if (ret < 0) {
            if (ret != AVERROR_EOF) {
                LogFailure(m_sourcePath, "reading stopped", ret);
            }
            DrainDecoders();
            return;
        }
        if (m_job.stopRequested.load(std::memory_order_relaxed)) {
            m_stopped = true;
            m_preview.Stop();
            av_packet_unref(packet);
            return;
        }
        if (ClipEndReached()) {
            av_packet_unref(packet);
            return;
        }
        if (packet->stream_index == m_source.videoIndex && m_videoOpen) {
            HandleVideoPacket(packet);
        } else if (packet->stream_index == m_source.audioIndex && m_audioOpen &&
                   !m_audioWriteFailed) {
            HandleAudioPacket(packet);
        }
        av_packet_unref(packet);
        if (m_videoWriteFailed || m_audioWriteFailed) {
            return;
        }
    }
}

void EntryConverter::DrainDecoders() {
    if (m_audioOpen && !m_audioWriteFailed &&
        avcodec_send_packet(m_source.audioDecoder.get(), nullptr) >= 0) {
        ReceiveAudioFrames();
    }
    if (m_videoOpen && !m_videoWriteFailed &&
        avcodec_send_packet(m_source.videoDecoder.get(), nullptr) >= 0) {
        ReceiveVideoFrames();
    }
}

void EntryConverter::HandleAudioPacket(const AVPacket* packet) {
    ++m_decodeCalls;
    const int ret = avcodec_send_packet(m_source.audioDecoder.get(), packet);
    if (ret >= 0) {
        ReceiveAudioFrames();
    }
    // A packet that does not decode is skipped.
    UpdateProgress(true);
}

void EntryConverter::ReceiveAudioFrames() {
    AVCodecContext* decoder = m_source.audioDecoder.get();
    while (!m_audioWriteFailed && avcodec_receive_frame(decoder, m_frame.get()) >= 0) {
        const int skip = LeadingSamplesToSkip(*m_frame);
        if (const int ret = m_audio.Push(*m_frame, skip, m_output); ret < 0) {
            // A failed audio write fails the task and ends it.
            NoteFailure("cannot encode or write the sound", ret);
            m_audioWriteFailed = true;
        }
        av_frame_unref(m_frame.get());
    }
}

double EntryConverter::FrameSeconds(const AVFrame& frame, int streamIndex) const {
    const AVFormatContext* input = m_source.input.get();
    const std::int64_t pts = frame.best_effort_timestamp;
    if (pts == AV_NOPTS_VALUE) {
        return -1.0;
    }
    const double origin = input->start_time != AV_NOPTS_VALUE
                              ? static_cast<double>(input->start_time) / AV_TIME_BASE
                              : 0.0;
    return static_cast<double>(pts) * av_q2d(input->streams[streamIndex]->time_base) - origin;
}

int EntryConverter::LeadingSamplesToSkip(const AVFrame& frame) const {
    if (m_skipUntil <= 0.0 || frame.sample_rate <= 0) {
        return 0;
    }
    const double start = FrameSeconds(frame, m_source.audioIndex);
    if (start < 0.0 && frame.best_effort_timestamp == AV_NOPTS_VALUE) {
        return 0;
    }
    if (start >= m_skipUntil) {
        return 0;
    }
    const double samples = (m_skipUntil - start) * frame.sample_rate;
    return static_cast<int>(std::min<double>(samples, frame.nb_samples));
}

void EntryConverter::HandleVideoPacket(const AVPacket* packet) {
    if (avcodec_send_packet(m_source.videoDecoder.get(), packet) >= 0) {
        ReceiveVideoFrames();
    }
}

void EntryConverter::ReceiveVideoFrames() {
    AVCodecContext* decoder = m_source.videoDecoder.get();
    while (!m_videoWriteFailed && avcodec_receive_frame(decoder, m_frame.get()) >= 0) {
        HandleVideoFrame(*m_frame);
        av_frame_unref(m_frame.get());
    }
}

void EntryConverter::HandleVideoFrame(const AVFrame& frame) {
    UpdateProgress(false);
    if (m_job.writeThumbnail == 1 && !m_thumbnailDone) {
        // A thumbnail that cannot be written is not tried again in this task.
        WriteThumbnailFromFrame(m_thumbnailPath, frame);
        m_thumbnailDone = true;
    }
    if (m_skipUntil > 0.0 && FrameSeconds(frame, m_source.videoIndex) < m_skipUntil &&
        frame.best_effort_timestamp != AV_NOPTS_VALUE) {
        return;
    }
    if (m_lane.drawsPreview && !m_job.previewHidden.load(std::memory_order_relaxed)) {
        m_preview.Draw(frame);
    }
    const double audioSeconds = AudioSeconds();
    const double videoSeconds = VideoSeconds();
    const bool hasAudio = m_source.audioIndex >= 0;
    const int sourceRate = m_sourceRate.den > 0 ? m_sourceRate.num / m_sourceRate.den : 0;
    if (sourceRate != m_video.IntegerRate() && !m_outputIsRm && audioSeconds < videoSeconds &&
        hasAudio) {
        return;  // dropped: video runs ahead of audio at a different frame rate
    }
    std::int64_t step = 1;
    const bool computeTimestamp = m_mode == EntryMode::Merge || !(m_inputIsRm || m_oddFrameRate);
    if (computeTimestamp && audioSeconds > videoSeconds) {
        const AVRational rate = m_video.TimeBase();
        step = static_cast<std::int64_t>((audioSeconds - videoSeconds) * rate.den / rate.num) + 1;
    }
    m_output.videoPts += step;
    const AVRational tb = m_video.TimeBase();
    const auto position = static_cast<std::int64_t>(std::llround(videoSeconds * tb.den / tb.num));
    const std::int64_t pts = std::max(m_output.videoPts, position);
    if (const int ret = m_video.Encode(frame, pts, m_output); ret < 0) {
        NoteFailure("cannot encode or write the pictures", ret);
        m_videoWriteFailed = true;
    } else {
        ++m_picturesEncoded;
    }
}

void EntryConverter::FinishEntry() {
    // A merge's encoder carries on into the next entry; the merge flushes it at its end.
    if (m_mode == EntryMode::Batch && m_audioOpen && !m_audioWriteFailed) {
        if (const int ret = m_audio.Flush(m_output); ret < 0) {
            NoteFailure("cannot encode or write the end of the sound", ret);
        }
    }
    if (m_videoOpen) {
        if (const int ret = m_video.Flush(m_output); ret < 0) {
            NoteFailure("cannot encode or write the last pictures", ret);
        }
    }
    m_preview.Stop();
}

}  // namespace tolvane
