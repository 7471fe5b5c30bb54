#include "EntryConverter.h"

#include <QtGlobal>  // QT_TRANSLATE_NOOP: the window translates these

#include <algorithm>
#include <cmath>
#include <cstring>
#include <thread>

#include "Loudness.h"
#include "MixLoudness.h"
#include "Paths.h"
#include "Pictures.h"
#include "ThreadBudget.h"
#include "ThreadName.h"

namespace tolvane {

namespace {

constexpr char kMixClippedRemark[] =
    QT_TRANSLATE_NOOP("Messages", "the mix was brought down where it would have clipped");

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

EntryConverter::EntryConverter(EntryContext& entry, AudioEncoder& audio)
    : m_entry(entry),
      m_plan(entry.Plan()),
      m_output(entry.Output()),
      m_sourcePath(entry.SourcePath()),
      m_audio(audio) {}

EntryConverter::~EntryConverter() {
    if (m_ownJoin) {
        m_ownJoin->GiveUpHelpers();
    }
    m_helpers.clear();  // joins them
    StopPreview();
}

void EntryConverter::JoinAs(SegmentJoin& join, int segment, const EntryConverter* task) {
    m_join = &join;
    m_segment = segment;
    if (task != nullptr && task->m_mix.Any()) {
        m_mixLevels = task->m_mixLevels;
        m_mixLevelsGiven = true;
    }
    m_output.SendAudioTo(
        [&join, segment](AVPacket& packet) { return join.Take(segment, packet, nullptr); });
}

EntryResult EntryConverter::Convert() {
    m_frame.reset(av_frame_alloc());
    m_mixFrame.reset(av_frame_alloc());
    m_mixedFrame.reset(av_frame_alloc());
    m_packet.reset(av_packet_alloc());
    if (!m_frame || !m_mixFrame || !m_mixedFrame || !m_packet) {
        m_entry.Fail(QT_TRANSLATE_NOOP("Messages", "out of memory"), AVERROR(ENOMEM));
    } else if (OpenSource() && SetUpOutput()) {
        SeekToClipStart();
        StartSegments();
        RunPacketLoop();
        FinishEntry();
    }
    EndSegment();
    const bool wrote =
        (m_audioOpen && m_audio.SamplesQueued() > m_samplesBefore) || m_picturesEncoded > 0;
    const int rate = m_audioOpen ? m_audio.Context()->sample_rate : 0;
    // What the output holds of it: at another tempo, the sound's time, not the source's.
    double seconds =
        rate > 0 ? static_cast<double>(m_audio.OutputSamples() - m_outputBefore) / rate : 0.0;
    if (m_ownJoin && m_ownJoin->Joined() > 1 && rate > 0) {
        seconds = static_cast<double>(m_ownJoin->TotalSamples()) / rate;
    }
    return m_entry.Finish(wrote, seconds, "no sound was converted");
}

void EntryConverter::StartSegments() {
    // A sound worth cutting: at least two minutes of it, a lane to spare, and a codec whose
    // frames join as one encode's would: MP3 (its bit reservoir carried across), FLAC
    // (independent frames, renumbered), PCM, Opus and WMA (whole packets of a fixed length)
    // and Vorbis (where the windows of both encodes agree). AAC stays in one piece: joined
    // where the windows of both encodes agree, a pure tone still drops 18 dB at the join.
    constexpr double kShortestCut = 120.0;
    if (m_join != nullptr) {
        m_audio.SetFrameGrid(m_join->Layout().frameSize);  // a segment: the task's grid
        return;
    }
    const int spare = m_entry.Lane().spareLanes;
    // The tempo, night mode and fades run over the whole sound in one piece: no seam to hide.
    // A mix is cut as one track is: each segment mixes at the levels set for the whole.
    if (spare <= 0 || m_entry.Mode() != EntryMode::Batch || !m_audioOpen || m_videoOpen ||
        m_audio.Shaping()) {
        return;
    }
    const AVCodecID id = m_audio.Context()->codec_id;
    const bool pcm = id >= AV_CODEC_ID_FIRST_AUDIO && id < AV_CODEC_ID_ADPCM_IMA_QT;
    const bool packets = id == AV_CODEC_ID_OPUS || id == AV_CODEC_ID_WMAV2;
    const bool vorbis = id == AV_CODEC_ID_VORBIS;
    if (id != AV_CODEC_ID_MP3 && id != AV_CODEC_ID_FLAC && !packets && !vorbis && !pcm) {
        return;
    }
    const AVFormatContext& input = *m_source.input;
    const double seconds =
        m_entry.RunsToTheEnd()
            ? (input.duration > 0 ? static_cast<double>(input.duration) / AV_TIME_BASE : 0.0) -
                  m_entry.ClipStart()
            : m_entry.ClipLength();
    if (seconds < kShortestCut) {
        return;
    }
    const AVCodecContext& encoder = *m_audio.Context();
    const int sourceRate = m_source.audioDecoder->sample_rate;
    const SegmentCodec codec = id == AV_CODEC_ID_MP3    ? SegmentCodec::Mp3
                               : id == AV_CODEC_ID_FLAC ? SegmentCodec::Flac
                               : packets                ? SegmentCodec::Packets
                               : vorbis                 ? SegmentCodec::Vorbis
                                                        : SegmentCodec::Pcm;
    const int frame = codec == SegmentCodec::Pcm ? PcmSegmentFrame(encoder.sample_rate, sourceRate)
                                                 : m_audio.FrameSize();
    SegmentLayout layout =
        LayOutSegments(codec, seconds, 1 + spare, frame, encoder.sample_rate, sourceRate);
    // Timestamps coarser than a sample (Matroska's milliseconds) place a seek only to within a
    // few samples: the segments then read from where the task reads and count.
    const AVRational base = input.streams[m_source.audioIndex]->time_base;
    layout.readThrough = static_cast<std::int64_t>(base.num) * sourceRate > base.den;
    if (layout.cuts.size() < 2) {
        return;
    }
    m_audio.SetFrameGrid(frame);
    const std::string& path = m_entry.OutputPath();
    m_ownJoin = std::make_unique<SegmentJoin>(
        std::move(layout), path.substr(0, path.size() - FileNameOfPath(path).size()));
    m_ownJoin->SetGain(m_gain);
    m_join = m_ownJoin.get();
    m_segment = 0;
    SegmentJoin& join = *m_ownJoin;
    OutputMedia& output = m_output;
    m_output.SendAudioTo(
        [&join, &output](AVPacket& packet) { return join.Take(0, packet, &output); });
    for (int k = 1; k < join.Segments(); ++k) {
        m_helpers.emplace_back([this, k] { RunSegment(k); });
    }
}

void EntryConverter::RunSegment(int k) {
    NameThisThread("segment");
    OutputMedia output;
    EntryContext entry(m_entry.Job(), m_entry.Index(), output, EntryMode::Batch,
                       EntryLane{false, false, 0});
    // Placed by its timestamps where they name every sample; else read through from where the
    // task starts reading and placed by count, as the task's own sound is.
    const double from = m_ownJoin->ReadFromSeconds(k);
    const bool through = m_ownJoin->Layout().readThrough;
    entry.ActAsSegment(m_entry.ClipStart() + (through ? 0.0 : from),
                       m_entry.RunsToTheEnd() ? 0.0 : m_entry.ClipLength() - from,
                       m_entry.RunsToTheEnd(), through ? from : 0.0);
    AudioEncoder audio;
    EntryConverter converter(entry, audio);
    converter.JoinAs(*m_ownJoin, k, this);
    converter.Convert();
}

void EntryConverter::EndSegment() {
    if (m_join == nullptr) {
        return;
    }
    // Whole: it reached the end of the sound (or of the clip) and flushed its encoder.
    const bool whole = !m_join->Done(m_segment) && !m_entry.Stopped() && !m_entry.Failed();
    const std::int64_t samples = m_audioOpen ? m_audio.SamplesQueued() : 0;
    const bool clipped = m_mixer && m_mixer->Clipped();
    m_join->End(m_segment, {whole, samples, m_entry.FailureReason(), m_entry.Damage(),
                            m_entry.PacketsSkipped(), clipped ? kMixClippedRemark : ""});
    if (!m_ownJoin) {
        return;
    }
    // The task reports what the segments written met, as one conversion would.
    SegmentJoin::Ending report;
    const int ret = m_ownJoin->WriteRest(
        m_output, [this](double seconds) { m_entry.PublishSeconds(seconds); },
        [this] { return m_entry.StopSeen(); }, report);
    m_entry.NoteDamage(report.damage);
    m_entry.SetPacketsSkipped(report.packetsSkipped);
    if (!report.remark.empty()) {
        m_entry.AddRemark({nullptr, {report.remark}});
    }
    if (ret < 0 && !m_entry.Failed()) {
        m_entry.NoteFailure(report.failure.empty() ? "cannot write the sound" : report.failure,
                            ret);
    }
    if (const int joined = m_ownJoin->Joined(); joined > 1) {
        m_entry.AddRemark({QT_TRANSLATE_NOOP("Messages", "encoded in %1 segments at once"),
                           {std::to_string(joined)}});
    }
}

bool EntryConverter::OpenSource() {
    if (!m_entry.CheckPaths()) {
        return false;
    }
    std::string failure;
    if (OpenSourceFile(m_sourcePath, m_source, &failure) < 0) {
        m_entry.NoteFailure(failure);
        return false;
    }
    if (!PickStreams(m_source, m_entry.SoundTrack())) {
        return m_entry.Fail(QT_TRANSLATE_NOOP("Messages", "the source has no such sound track"),
                            AVERROR_STREAM_NOT_FOUND);
    }
    AVFormatContext* input = m_source.input.get();
    if (m_source.videoIndex >= 0) {
        // Video is decoded only for jobs that include it; one thread is enough to open it.
        if (OpenStreamDecoder(m_sourcePath, input, m_source.videoIndex, m_source.videoDecoder,
                              m_plan.settings.includeVideo ? 0 : 1) < 0) {
            m_entry.NoteFailure(QT_TRANSLATE_NOOP("Messages", "cannot open the video decoder"));
            return false;
        }
        const AVRational rate = input->streams[m_source.videoIndex]->r_frame_rate;
        m_oddFrameRate = rate.num == 359 && rate.den == 12;
        m_sourceRate = CorrectedFrameRate(rate);
    }
    if (m_source.audioIndex >= 0 &&
        OpenStreamDecoder(m_sourcePath, input, m_source.audioIndex, m_source.audioDecoder, 1) < 0) {
        m_entry.NoteFailure(QT_TRANSLATE_NOOP("Messages", "cannot open the audio decoder"));
        return false;
    }
    if (!OpenMixTracks()) {
        return false;
    }
    // The demuxer can skip what is never decoded.
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        const bool mixed =
            std::any_of(m_mixTracks.begin(), m_mixTracks.end(),
                        [i](const MixTrack& t) { return t.stream == static_cast<int>(i); });
        const bool used =
            static_cast<int>(i) == m_source.audioIndex || mixed ||
            (m_plan.settings.includeVideo && static_cast<int>(i) == m_source.videoIndex);
        input->streams[i]->discard = used ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    }
    m_inputIsRm =
        FormatNameIs(input->iformat->name, "rm") || FormatNameIs(input->iformat->name, "rmvb");
    // MP4 and QuickTime state each packet's length to the sample (the last one's from the edit
    // list): what a frame decodes past it is the encoder's padding.
    m_packetLengthsExact = FormatNameIs(input->iformat->name, "mp4");
    return true;
}

bool EntryConverter::SetUpOutput() {
    const std::string& outputPath = m_entry.OutputPath();
    const AVOutputFormat* format = av_guess_format(nullptr, outputPath.c_str(), nullptr);
    if (format == nullptr) {
        return m_entry.Fail(QT_TRANSLATE_NOOP("Messages", "no output format for the output name"),
                            AVERROR_MUXER_NOT_FOUND);
    }
    m_outputIsRm = m_entry.Mode() == EntryMode::Batch && FormatNameIs(format->name, "rm");
    const bool firstOutput = !m_output.Allocated();
    if (firstOutput) {
        const int ret = m_output.Allocate(format, outputPath);
        if (ret < 0) {
            return m_entry.Fail(QT_TRANSLATE_NOOP("Messages", "cannot allocate the output"), ret);
        }
    }
    m_output.BeginEntry();

    const AVFormatContext* input = m_source.input.get();
    // Streams can be added only until the header is written: a merge entry with a kind of
    // stream that the output lacks contributes only what the output has.
    const bool canAdd = !m_output.HeaderWritten();
    if (m_plan.settings.includeVideo && m_source.videoIndex >= 0 &&
        (canAdd || m_output.video.stream)) {
        if (m_video.Open(m_plan.settings, *m_source.videoDecoder, m_sourceRate,
                         *m_output.Context()->oformat, m_outputIsRm, m_sourcePath) < 0) {
            m_entry.NoteFailure(QT_TRANSLATE_NOOP("Messages", "cannot open the video encoder"));
            return false;
        }
        m_videoOpen = true;
        if (m_output.video.stream == nullptr) {
            m_output.video.stream = m_output.AddStream(*m_video.Context());
            if (m_output.video.stream == nullptr) {
                return m_entry.Fail(QT_TRANSLATE_NOOP("Messages", "cannot add the video stream"),
                                    AVERROR(ENOMEM));
            }
            m_output.video.stream->avg_frame_rate = m_sourceRate;
            m_output.video.stream->r_frame_rate = m_sourceRate;
        }
    }
    if (m_source.audioIndex >= 0 && (canAdd || m_output.audio.stream)) {
        // One channel alone is written as mono.
        AudioSettings audio = m_plan.settings.Audio();
        audio.pickChannel = m_entry.Task().channel;
        audio.channels = audio.pickChannel > 0 ? 1 : audio.channels;
        const int ret = m_audio.IsOpen() ? m_audio.BeginSource(*m_source.audioDecoder, m_sourcePath)
                                         : m_audio.Open(audio, *m_source.audioDecoder,
                                                        *m_output.Context()->oformat, m_sourcePath);
        if (ret < 0) {
            m_entry.NoteFailure(QT_TRANSLATE_NOOP("Messages", "cannot open the audio encoder"));
            return false;
        }
        m_audioOpen = true;
        m_samplesBefore = m_audio.SamplesQueued();
        m_outputBefore = m_audio.OutputSamples();
        if (m_plan.listen.Any() && !m_audio.Shaping()) {
            // A merge's stage spans its files: its fades at the merge's ends, crossfades
            // between them; a crossfade means nothing to a file of its own.
            ListenShape shape = m_plan.listen;
            if (m_entry.Mode() != EntryMode::Merge) {
                shape.crossfade = 0.0;
            }
            m_audio.SetShape(shape);
            m_entry.AddRemarks(ListenShapeSaid(shape));
        }
        if (m_mix.Any() && !SetMixLevels()) {
            return false;
        }
        if (m_plan.normalize && !BringToLoudness()) {
            return false;
        }
        if (m_output.audio.stream == nullptr) {
            m_output.audio.stream = m_output.AddStream(*m_audio.Context());
            if (m_output.audio.stream == nullptr) {
                return m_entry.Fail(QT_TRANSLATE_NOOP("Messages", "cannot add the audio stream"),
                                    AVERROR(ENOMEM));
            }
        }
    }
    if (m_output.Context()->nb_streams == 0) {
        // Checked before the file is made, so that no empty file is left behind.
        return m_entry.Fail(
            QT_TRANSLATE_NOOP("Messages", "nothing to write: the source has no audio"),
            AVERROR_STREAM_NOT_FOUND);
    }

    if (!m_entry.StartOutput(*input, m_source.audioIndex)) {
        return false;
    }
    if (m_plan.settings.writeThumbnail == 1) {
        m_thumbnailPath = ThumbnailPathFor(m_entry.OutputPath());
    }
    StartPreview();

    // Rough number of audio packets, for the Vorbis progress rule.
    if (m_audioOpen && m_source.audioDecoder->sample_rate > 0 && input->duration > 0) {
        m_packetEstimate = input->duration / m_source.audioDecoder->sample_rate *
                           m_audio.Context()->ch_layout.nb_channels;
    }
    if (m_packetEstimate <= 0) {
        m_packetEstimate = 100;
    }
    if (m_audioOpen) {
        // A clip ends where it was cut; a sound delayed by an empty edit where its edits say
        // it ends, not at the encoder's padding after it.
        const double delayed = m_source.DelayedSoundSeconds(m_source.audioIndex);
        const double clipStart = m_entry.Mode() == EntryMode::Merge ? 0.0 : m_entry.ClipStart();
        double length = m_entry.RunsToTheEnd() ? -1.0 : m_entry.ClipLength();
        if (delayed > 0.0 && m_join == nullptr) {
            length = length < 0.0 ? delayed - clipStart : std::min(length, delayed - clipStart);
        }
        // (A merge's next file starts without the last one's limit.)
        m_audio.LimitSamples(length < 0.0
                                 ? -1
                                 : m_samplesBefore + std::llround(std::max(length, 0.0) *
                                                                  m_audio.Context()->sample_rate));
    }
    return true;
}

void EntryConverter::StartPreview() {
    if (m_entry.Lane().drawsPreview && m_plan.preview != nullptr && m_source.videoIndex >= 0) {
        m_preview = m_plan.preview;
        m_preview->Begin();
    }
}

void EntryConverter::StopPreview() {
    if (m_preview != nullptr) {
        m_preview->End();
        m_preview = nullptr;
    }
}

namespace {

constexpr std::int64_t kSeekMarginMicros = 1000000;

}  // namespace

void EntryConverter::SeekToClipStart() {
    const double clipStart = m_entry.ClipStart();
    if (clipStart == 0.0) {
        return;
    }
    AVFormatContext* input = m_source.input.get();
    // The sound for the clip's start may lie before the picture the seek finds: what is decoded
    // before the start is dropped. A ducked mix's segment starts mixing earlier still, so that
    // its ducking (down, held, back up) has come to where the whole mix's is at the join.
    constexpr double kDuckSettles = 4.0;
    const bool settleDucking = m_join != nullptr && m_mix.Any() && m_mix.duckDb != 0.0;
    m_entry.SeekEarly(*input, -1, m_entry.ClipStartMicros(*input),
                      input->start_time != AV_NOPTS_VALUE ? input->start_time : 0,
                      settleDucking ? kDuckSettles : 1.0);
    m_skipUntil = clipStart;
}

double EntryConverter::AudioSeconds() const {
    // The merge's one encoder counts the whole merge.
    return m_audioOpen ? m_audio.QueuedSeconds() : 0.0;
}

double EntryConverter::VideoSeconds() const {
    return m_videoOpen ? m_output.videoEndSeconds : 0.0;
}

bool EntryConverter::ClipEndReached() const {
    if (m_join != nullptr && m_join->Done(m_segment)) {
        return true;  // the next segment takes over from here
    }
    if (!m_audioOpen || m_entry.RunsToTheEnd()) {
        return false;
    }
    const double clip = m_entry.ClipLength();
    const bool audioDone = m_audio.LimitReached() || AudioSeconds() >= clip;
    if (m_videoOpen) {
        return audioDone && VideoSeconds() >= clip;
    }
    return audioDone;
}

void EntryConverter::UpdateProgress(bool afterAudioDecode) {
    if (m_ownJoin) {
        m_entry.PublishSeconds(m_ownJoin->Seconds());
    } else if (afterAudioDecode && m_plan.settings.audioCodecId == AV_CODEC_ID_VORBIS) {
        m_entry.PublishPercent(m_decodeCalls * 100 / m_packetEstimate);
    } else {
        m_entry.PublishSeconds(std::max(AudioSeconds(), VideoSeconds()));
    }
}

void EntryConverter::RunPacketLoop() {
    const bool ended =
        m_entry.ReadPackets(m_source, *m_packet, m_audioOpen ? m_source.audioIndex : -1,
                            m_readSeconds, [this](AVPacket& packet) {
                                if (ClipEndReached()) {
                                    return false;
                                }
                                if (packet.stream_index == m_source.videoIndex && m_videoOpen) {
                                    HandleVideoPacket(&packet);
                                } else if (packet.stream_index == m_source.audioIndex &&
                                           m_audioOpen && !m_audioWriteFailed) {
                                    HandleAudioPacket(&packet);
                                } else if (m_audioOpen && !m_audioWriteFailed) {
                                    for (std::size_t t = 0; t < m_mixTracks.size(); ++t) {
                                        if (packet.stream_index == m_mixTracks[t].stream) {
                                            HandleMixPacket(t, &packet);
                                        }
                                    }
                                }
                                return !m_videoWriteFailed && !m_audioWriteFailed;
                            });
    if (ended) {
        DrainDecoders();
    } else if (m_entry.Stopped()) {
        StopPreview();
    }
}

void EntryConverter::DrainDecoders() {
    if (m_audioOpen && !m_audioWriteFailed &&
        avcodec_send_packet(m_source.audioDecoder.get(), nullptr) >= 0) {
        ReceiveAudioFrames();
    }
    if (m_audioOpen && !m_audioWriteFailed && !m_mixTracks.empty()) {
        for (std::size_t t = 0; t < m_mixTracks.size(); ++t) {
            HandleMixPacket(t, nullptr);
        }
        if (m_mixer) {
            for (std::size_t t = 0; t <= m_mixTracks.size(); ++t) {
                m_mixer->End(t);
            }
            PushMixed();
            if (m_mixer->Clipped() && m_join == nullptr) {
                m_entry.AddRemark({kMixClippedRemark});
            }
        }
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
    } else if (ret != AVERROR(EAGAIN)) {
        // A packet that does not decode is skipped, and counted.
        m_entry.CountSkippedPacket();
    }
    UpdateProgress(true);
}

void EntryConverter::ReceiveAudioFrames() {
    AVCodecContext* decoder = m_source.audioDecoder.get();
    while (!m_audioWriteFailed) {
        const int received = avcodec_receive_frame(decoder, m_frame.get());
        if (received < 0) {
            if (received != AVERROR(EAGAIN) && received != AVERROR_EOF) {
                m_entry.CountSkippedPacket();  // the decoder gave up on what it was given
            }
            return;
        }
        if (!m_mixTracks.empty()) {
            AddToMix(0, *m_frame, m_source.audioIndex);
            av_frame_unref(m_frame.get());
            continue;
        }
        const int skip = LeadingSamplesToSkip(*m_frame);
        if (m_packetLengthsExact) {
            TrimPadding(*m_frame, m_source.audioIndex);
        }
        if (const int ret = m_audio.Push(*m_frame, skip, m_output); ret < 0) {
            // A failed audio write fails the task and ends it.
            m_entry.NoteFailure(QT_TRANSLATE_NOOP("Messages", "cannot encode or write the sound"),
                                ret);
            m_audioWriteFailed = true;
        }
        av_frame_unref(m_frame.get());
    }
}

bool EntryConverter::OpenMixTracks() {
    m_mix = m_entry.Task().mix;
    if (!m_mix.Any()) {
        return true;
    }
    // The first track is the source's audio stream (its number is the task's sound track).
    for (std::size_t i = 1; i < m_mix.tracks.size(); ++i) {
        MixTrack track;
        track.stream = SoundTrackStream(m_source.input.get(), m_mix.tracks[i]);
        if (track.stream < 0) {
            return m_entry.Fail(QT_TRANSLATE_NOOP("Messages", "the source has no such sound track"),
                                AVERROR_STREAM_NOT_FOUND);
        }
        if (OpenStreamDecoder(m_sourcePath, m_source.input.get(), track.stream, track.decoder, 1) <
            0) {
            m_entry.NoteFailure(QT_TRANSLATE_NOOP("Messages", "cannot open the audio decoder"));
            return false;
        }
        m_mixTracks.push_back(std::move(track));
    }
    return true;
}

bool EntryConverter::Measured(const LoudnessFacts& facts) {
    if (m_entry.StopSeen()) {
        return false;
    }
    if (!facts.measured) {
        m_entry.NoteFailure(QT_TRANSLATE_NOOP("Messages", "cannot measure the loudness: ") +
                            facts.failure);
        return false;
    }
    return true;
}

bool EntryConverter::SetMixLevels() {
    // Each track's gain; with a voice, the others first set a loudness under it (each measured
    // over the clip, as the output will hold it).
    if (m_mixLevelsGiven) {
        return true;  // a segment mixes as the whole does
    }
    MixLevels mix = LevelsOfMix(m_sourcePath, m_mix, m_entry.ClipStart(), m_entry.ClipLength(),
                                m_entry.RunsToTheEnd(), &m_entry.StopFlag());
    LoudnessFacts measured;
    measured.measured = mix.failure.empty();
    measured.failure = mix.failure;
    if (!Measured(measured)) {
        return false;
    }
    m_mixLevels = std::move(mix.levels);
    m_entry.AddRemark({QT_TRANSLATE_NOOP("Messages", "mixed %1"), {TrackMixText(m_mix)}});
    return true;
}

void EntryConverter::HandleMixPacket(std::size_t track, const AVPacket* packet) {
    AVCodecContext* decoder = m_mixTracks[track].decoder.get();
    const int sent = avcodec_send_packet(decoder, packet);
    if (sent < 0 && sent != AVERROR(EAGAIN)) {
        if (packet != nullptr) {
            m_entry.CountSkippedPacket();
        }
        return;
    }
    while (!m_audioWriteFailed) {
        const int received = avcodec_receive_frame(decoder, m_mixFrame.get());
        if (received < 0) {
            return;
        }
        AddToMix(track + 1, *m_mixFrame, m_mixTracks[track].stream);
        av_frame_unref(m_mixFrame.get());
    }
}

void EntryConverter::AddToMix(std::size_t track, AVFrame& frame, int stream) {
    if (m_packetLengthsExact) {
        TrimPadding(frame, stream);
    }
    if (!m_mixer) {
        m_mixer =
            TrackMixer::ForFirstTrack(m_mixLevels, *m_source.audioDecoder, frame, m_mix.duckDb);
    }
    const double seconds = FrameSeconds(frame, stream);
    const std::int64_t position = seconds < 0.0 ? 0 : std::llround(seconds * m_mixer->Rate());
    if (const int ret = m_mixer->Add(track, frame, position); ret < 0) {
        m_entry.NoteFailure(QT_TRANSLATE_NOOP("Messages", "cannot convert the sound track"), ret);
        m_audioWriteFailed = true;
        return;
    }
    PushMixed();
}

void EntryConverter::PushMixed() {
    std::int64_t position = 0;
    AVFrame* own = m_mixedFrame.get();
    while (!m_audioWriteFailed && m_mixer->Take(*own, position)) {
        // Placed as a frame of the first track would be, in its stream's time.
        const AVFormatContext& input = *m_source.input;
        const AVRational base = input.streams[m_source.audioIndex]->time_base;
        const std::int64_t origin = input.start_time != AV_NOPTS_VALUE
                                        ? av_rescale_q(input.start_time, AV_TIME_BASE_Q, base)
                                        : 0;
        own->best_effort_timestamp =
            av_rescale_q(position, AVRational{1, own->sample_rate}, base) + origin;
        own->pts = own->best_effort_timestamp;
        const int skip = LeadingSamplesToSkip(*own);
        if (const int ret = m_audio.Push(*own, skip, m_output); ret < 0) {
            m_entry.NoteFailure(QT_TRANSLATE_NOOP("Messages", "cannot encode or write the sound"),
                                ret);
            m_audioWriteFailed = true;
        }
    }
}

void EntryConverter::TrimPadding(AVFrame& frame, int streamIndex) const {
    // A frame longer than its packet says holds the encoder's padding at its end (AAC's last
    // frame, the ~20 ms after the sound): a join or an output's end never hears it.
    const AVStream* stream = m_source.input->streams[streamIndex];
    if (frame.pkt_duration <= 0 || frame.sample_rate <= 0) {
        return;
    }
    const std::int64_t sound =
        av_rescale_q(frame.pkt_duration, stream->time_base, AVRational{1, frame.sample_rate});
    if (sound > 0 && sound < frame.nb_samples) {
        frame.nb_samples = static_cast<int>(sound);
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

std::int64_t EntryConverter::PlaceAudioFrame(const AVFrame& frame) {
    // A timestamp (in milliseconds, say) names the frame's first sample only to within half a
    // tick. Every frame's timestamp and the samples counted since narrow down where the frames
    // began; timestamps that leave the count (a gap) place the frames anew. The frames are
    // thus placed to the sample, however far before the clip the seek landed.
    AudioPlace& place = m_audioPlace;
    const std::int64_t ts = frame.best_effort_timestamp;
    if (ts == AV_NOPTS_VALUE) {
        if (!place.known) {
            return AV_NOPTS_VALUE;
        }
        const std::int64_t first = place.low + (place.high - place.low) / 2 + place.counted;
        place.counted += frame.nb_samples;
        return first;
    }
    const AVStream& stream = *m_source.input->streams[m_source.audioIndex];
    const double perTick = av_q2d(stream.time_base) * frame.sample_rate;
    const double centre = static_cast<double>(ts) * perTick;
    const auto low = static_cast<std::int64_t>(std::ceil(centre - perTick / 2.0 - 1e-6));
    const auto high =
        std::max(low, static_cast<std::int64_t>(std::floor(centre + perTick / 2.0 + 1e-6)));
    if (place.known && low - place.counted <= place.high && high - place.counted >= place.low) {
        place.low = std::max(place.low, low - place.counted);
        place.high = std::min(place.high, high - place.counted);
    } else {
        place = {true, low, high, 0};
    }
    const std::int64_t first = place.low + (place.high - place.low) / 2 + place.counted;
    place.counted += frame.nb_samples;
    return first;
}

int EntryConverter::LeadingSamplesToSkip(const AVFrame& frame) {
    const int skip = SamplesBeforeTheClip(frame);
    // A segment read through from the task's start passes over its first samples by count,
    // as the task's own decoding counts them.
    if (m_countedSkip < 0) {
        m_countedSkip = std::llround(m_entry.SegmentSkip() * frame.sample_rate);
    }
    const auto more =
        static_cast<int>(std::min<std::int64_t>(m_countedSkip, frame.nb_samples - skip));
    m_countedSkip -= more;
    return skip + more;
}

int EntryConverter::SamplesBeforeTheClip(const AVFrame& frame) {
    if (m_skipUntil <= 0.0 || frame.sample_rate <= 0) {
        return 0;
    }
    const std::int64_t first = PlaceAudioFrame(frame);
    if (first == AV_NOPTS_VALUE) {
        return 0;  // no place at all: kept
    }
    const AVRational perSample{1, frame.sample_rate};
    const AVFormatContext& input = *m_source.input;
    const std::int64_t origin = input.start_time != AV_NOPTS_VALUE
                                    ? av_rescale_q(input.start_time, AV_TIME_BASE_Q, perSample)
                                    : 0;
    const std::int64_t clipStart = std::llround(m_skipUntil * frame.sample_rate);
    const std::int64_t skip = clipStart - (first - origin);
    return static_cast<int>(std::clamp<std::int64_t>(skip, 0, frame.nb_samples));
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
    if (m_plan.settings.writeThumbnail == 1 && !m_thumbnailDone) {
        // A thumbnail that cannot be written is not tried again in this task.
        WriteThumbnailFromFrame(m_thumbnailPath, frame);
        m_thumbnailDone = true;
    }
    if (m_skipUntil > 0.0 && FrameSeconds(frame, m_source.videoIndex) < m_skipUntil &&
        frame.best_effort_timestamp != AV_NOPTS_VALUE) {
        return;
    }
    if (m_preview != nullptr && !m_entry.PreviewHidden()) {
        m_preview->Picture(frame);
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
    const bool computeTimestamp =
        m_entry.Mode() == EntryMode::Merge || !(m_inputIsRm || m_oddFrameRate);
    if (computeTimestamp && audioSeconds > videoSeconds) {
        const AVRational rate = m_video.TimeBase();
        step = static_cast<std::int64_t>((audioSeconds - videoSeconds) * rate.den / rate.num) + 1;
    }
    m_output.videoPts += step;
    const AVRational tb = m_video.TimeBase();
    const auto position = static_cast<std::int64_t>(std::llround(videoSeconds * tb.den / tb.num));
    const std::int64_t pts = std::max(m_output.videoPts, position);
    if (const int ret = m_video.Encode(frame, pts, m_output); ret < 0) {
        m_entry.NoteFailure(QT_TRANSLATE_NOOP("Messages", "cannot encode or write the pictures"),
                            ret);
        m_videoWriteFailed = true;
    } else {
        ++m_picturesEncoded;
    }
}

bool EntryConverter::BringToLoudness() {
    if (m_join != nullptr) {
        // A segment: the gain measured once for the whole sound.
        const SegmentJoin::Gain gain = m_join->GainToApply();
        if (gain.on) {
            m_audio.SetGain(gain.gain, gain.ceiling, gain.limit);
        }
        return true;
    }
    // Measured first, over what is written (the clip; a merge entry whole), from the sound
    // alone; then one gain, and the limiter for the peaks it would push over the ceiling.
    // A long sound is read in parts on every core: the encoding waits for the gain. At another
    // tempo or in night mode, what the shaping stage makes of the sound is measured instead.
    const bool merge = m_entry.Mode() == EntryMode::Merge;
    const double start = merge ? 0.0 : m_entry.ClipStart();
    const bool toEnd = merge || m_entry.RunsToTheEnd();
    const double fileLength = m_source.input->duration > 0
                                  ? static_cast<double>(m_source.input->duration) / AV_TIME_BASE
                                  : 0.0;
    const double length = merge ? 0.0 : m_entry.ClipLength();
    const bool shaped = m_audio.Shaping() && m_plan.listen.ChangesLoudness();
    ShapedMeasure measure(m_plan.listen);
    // A mix: the tracks mixed as this conversion mixes them.
    const LoudnessFacts facts =
        m_mix.Any() ? MeasureMixLoudness(m_sourcePath, m_mix, m_mixLevels, start, length, toEnd,
                                         &m_entry.StopFlag(), shaped ? &measure : nullptr)
        : shaped ? MeasureChangedLoudness(m_sourcePath, m_entry.SoundTrack(), start, length, toEnd,
                                          &m_entry.StopFlag(), measure)
                 : MeasureLoudnessInParts(m_sourcePath, m_entry.SoundTrack(), start, length, toEnd,
                                          toEnd ? fileLength - start : length, &m_entry.StopFlag(),
                                          SoundReadersForCores());
    if (!Measured(facts)) {
        return false;
    }
    if (!std::isfinite(facts.integrated)) {
        m_entry.AddRemark({EntryContext::kSilentRemark});
        return true;
    }
    const double gainDb = GainToReach(facts, m_plan.loudnessTarget);
    // Samples are limited a decibel below the true-peak ceiling: the peaks between samples lie
    // higher, and a lossy encoder's ringing about a limited peak higher still.
    constexpr double kIntersampleMarginDb = 1.0;
    const double gain = std::pow(10.0, gainDb / 20.0);
    const double ceiling = std::pow(10.0, (m_plan.truePeakCeiling - kIntersampleMarginDb) / 20.0);
    // The limiter only where a sample could pass the ceiling.
    m_gain = {true, gain, ceiling, facts.samplePeak * gain > ceiling};
    if (shaped) {
        m_audio.SetShapeGain(m_gain.gain, m_gain.ceiling, m_gain.limit);
        return true;
    }
    m_audio.SetGain(m_gain.gain, m_gain.ceiling, m_gain.limit);
    return true;
}

void EntryConverter::FinishEntry() {
    // A merge entry's gain ends with it: what the gain stage holds goes in before the next.
    if (m_entry.Mode() == EntryMode::Merge && m_audioOpen && !m_audioWriteFailed) {
        int ret = m_audio.EndGain(m_output);
        if (ret >= 0) {
            ret = m_audio.EndPiece(m_output);
        }
        if (ret < 0) {
            m_entry.NoteFailure(
                QT_TRANSLATE_NOOP("Messages", "cannot encode or write the end of the sound"), ret);
        }
    }
    // A merge's encoder carries on into the next entry; the merge flushes it at its end.
    // (A segment that reached the next one's join has its flushed packets passed over.)
    if (m_entry.Mode() == EntryMode::Batch && m_audioOpen && !m_audioWriteFailed) {
        if (const int ret = m_audio.Flush(m_output); ret < 0) {
            m_entry.NoteFailure(
                QT_TRANSLATE_NOOP("Messages", "cannot encode or write the end of the sound"), ret);
        }
    }
    if (m_videoOpen) {
        if (const int ret = m_video.Flush(m_output); ret < 0) {
            m_entry.NoteFailure(
                QT_TRANSLATE_NOOP("Messages", "cannot encode or write the last pictures"), ret);
        }
    }
    StopPreview();
}

}  // namespace tolvane
