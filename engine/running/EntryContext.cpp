#include "EntryContext.h"

#include <QtGlobal>  // QT_TRANSLATE_NOOP: the window translates these

#include <algorithm>
#include <filesystem>
#include <thread>

#include "Loudness.h"
#include "MediaProbe.h"
#include "MixLoudness.h"
#include "OutputFile.h"
#include "OutputTags.h"
#include "ReplayGainPatch.h"
#include "ThreadBudget.h"
#include "TimeText.h"

namespace tolvane {

namespace {

// AVERROR(e) of an errno value: the library's own codes are large tags.
bool IsSystemError(int error) {
    return error < 0 && error > -4096 && error != AVERROR(EAGAIN);
}

std::string SecondsText(double seconds) {
    return FormatTimeText(static_cast<std::int64_t>(std::clamp(seconds, 0.0, 1e12)));
}

}  // namespace

void TaskFailure::Note(const std::string& why, int error) {
    if (reason.empty()) {
        reason = error < 0 ? why + ": " + AvErrorText(error) : why;
    }
    failed = true;
}

ReadEnd ClassifyReadEnd(int ret, const AVFormatContext& input, int* systemError) {
    // A failed read of the file system is kept by the I/O context; the demuxer above it often
    // turns it into an end of file.
    const int ioError = input.pb != nullptr ? input.pb->error : 0;
    int error = 0;
    if (IsSystemError(ioError)) {
        error = ioError;
    } else if (IsSystemError(ret)) {
        error = ret;
    }
    if (error != 0) {
        if (systemError != nullptr) {
            *systemError = error;
        }
        return ReadEnd::SystemError;
    }
    return ret == AVERROR_EOF ? ReadEnd::EndOfFile : ReadEnd::Damaged;
}

EntryContext::EntryContext(JobView job, int index, OutputMedia& output, EntryMode mode,
                           EntryLane lane)
    : m_job(job),
      m_index(index),
      m_output(output),
      m_mode(mode),
      m_lane(lane),
      m_sourcePath(job.plan.Task(index).source),
      m_mergeSeconds(mode == EntryMode::Merge ? job.plan.TotalSeconds() : 0.0) {}

std::string& EntryContext::OutputPath() const {
    return m_job.results.outputPaths[static_cast<std::size_t>(m_index)];
}

void EntryContext::ActAsSegment(double start, double length, bool toEnd, double skip) {
    m_segment = {true, start, length, toEnd, skip};
}

double EntryContext::ClipStart() const {
    if (m_segment.on) {
        return m_segment.start;
    }
    return m_mode == EntryMode::Batch ? Task().ClipStart() : 0.0;
}

double EntryContext::ClipLength() const {
    if (m_segment.on) {
        return m_segment.length;
    }
    return Task().ClipLength();
}

bool EntryContext::RunsToTheEnd() const {
    if (m_segment.on) {
        return m_segment.toEnd;
    }
    return m_mode == EntryMode::Merge || Task().toEnd;
}

int EntryContext::SoundTrack() const {
    return Task().soundTrack;
}

std::int64_t EntryContext::ClipStartMicros(const AVFormatContext& input) const {
    // Clip times count from the start of the file, which is not always timestamp 0.
    const std::int64_t origin = input.start_time != AV_NOPTS_VALUE ? input.start_time : 0;
    return origin + SecondsInTimeBase(ClipStart(), AV_TIME_BASE_Q);
}

bool EntryContext::CheckPaths() {
    if (m_sourcePath.empty()) {
        // A row that does not take part (unchecked in the window): it fails, as it always has,
        // but there is nothing to tell anyone.
        m_failure.Note("the task has no source", AVERROR(EINVAL));
        return false;
    }
    if (OutputPath().empty()) {
        return Fail(QT_TRANSLATE_NOOP("Messages", "the task has no output path"), AVERROR(EINVAL));
    }
    return true;
}

bool EntryContext::Fail(const std::string& what, int error) {
    const std::string& name = m_sourcePath.empty() ? std::string("(no source)") : m_sourcePath;
    if (error < 0) {
        LogFailure(name, what.c_str(), error);
    } else {
        LogFailure(name, what.c_str());
    }
    m_failure.Note(what, error);
    return false;
}

void EntryContext::AddRemark(Said remark) {
    m_remarks.push_back(std::move(remark));
}

void EntryContext::AddRemarks(const std::vector<Said>& remarks) {
    m_remarks.insert(m_remarks.end(), remarks.begin(), remarks.end());
}

const std::atomic<bool>& EntryContext::StopFlag() const {
    return m_job.progress.stopRequested;
}

bool EntryContext::StopSeen() {
    if (m_job.progress.stopRequested.load(std::memory_order_relaxed)) {
        m_stopped = true;
    }
    return m_stopped;
}

namespace {

// How long the sound track `soundTrack` (from 1; 0 the last) of an opened file lasts, as its
// headers say (the stream's own length, else the file's); 0 when they do not.
double SoundLengthOf(const AVFormatContext& input, int soundTrack) {
    const AVStream* chosen = nullptr;
    int number = 0;
    for (unsigned i = 0; i < input.nb_streams; ++i) {
        const AVStream* stream = input.streams[i];
        if (stream->codecpar->codec_type == AVMEDIA_TYPE_AUDIO &&
            (stream->disposition & AV_DISPOSITION_ATTACHED_PIC) == 0) {
            ++number;
            if (soundTrack == 0 || number == soundTrack) {
                chosen = stream;
            }
        }
    }
    if (chosen != nullptr && chosen->duration > 0) {
        return static_cast<double>(chosen->duration) * av_q2d(chosen->time_base);
    }
    return input.duration > 0 ? static_cast<double>(input.duration) / AV_TIME_BASE : 0.0;
}

// One chapter for each entry of a merge, titled with its own title, else its source's title
// tag, else its file name. A merge takes every file whole: each chapter is as long as its
// file's sound says it is (the merge puts the lengths really written in place at its end).
std::vector<ChapterMark> MergeChapters(const JobPlan& plan) {
    std::vector<ChapterMark> chapters;
    double at = 0.0;
    for (int i = 0; i < plan.TaskCount(); ++i) {
        const PlannedTask& task = plan.Task(i);
        const std::string& source = task.source;
        if (source.empty()) {
            continue;
        }
        std::string title = task.tags.title;
        double length = 0.0;
        std::error_code ignored;
        if (std::filesystem::is_regular_file(source, ignored)) {
            // The container's header holds the tags and the lengths: no stream needs to be
            // read. (Only a regular file: a pipe would wait for a writer.)
            SourceMedia opened;
            if (OpenSourceFile(source, opened, nullptr, true) >= 0) {
                if (const AVDictionaryEntry* tag =
                        av_dict_get(opened.input->metadata, "title", nullptr, 0);
                    tag != nullptr && title.empty()) {
                    title = tag->value;
                }
                length = SoundLengthOf(*opened.input, task.soundTrack);
            }
        }
        if (title.empty()) {
            const std::string name = std::filesystem::path(source).filename().string();
            title = name.substr(0, name.rfind('.'));
        }
        chapters.push_back({at, at + length, title});
        at += length;
    }
    return chapters;
}

}  // namespace

LoudnessFacts EntryContext::MeasureTask(int index) const {
    const PlannedTask& task = m_job.plan.Task(index);
    const std::atomic<bool>* stop = &m_job.progress.stopRequested;
    if (task.mix.Any()) {
        // A mix: its tracks at the levels the conversion mixes them at.
        const MixLevels levels = LevelsOfMix(task.source, task.mix, task.ClipStart(),
                                             task.ClipLength(), task.toEnd, stop);
        if (!levels.failure.empty()) {
            LoudnessFacts failed;
            failed.failure = levels.failure;
            return failed;
        }
        return MeasureMixLoudness(task.source, task.mix, levels.levels, task.ClipStart(),
                                  task.ClipLength(), task.toEnd, stop);
    }
    return MeasureLoudness(task.source, task.soundTrack, task.ClipStart(), task.ClipLength(),
                           task.toEnd, stop);
}

void EntryContext::MeasureAlbum(JobResults::Album& album) const {
    // Every task of the run as one album, measured once, from the sources: each lane that needs
    // it measures the parts nobody has taken yet (the lock is not held while sound is read), then
    // waits for those the others measure.
    std::unique_lock lock(album.mutex);
    if (!album.started) {
        for (int i = 0; i < m_job.plan.TaskCount(); ++i) {
            if (m_job.plan.Task(i).TakesPart()) {
                album.tasks.push_back(i);
            }
        }
        album.parts.resize(album.tasks.size());
        album.started = true;
    }
    while (album.nextPart < album.tasks.size()) {
        const std::size_t part = album.nextPart++;
        lock.unlock();
        LoudnessFacts facts = MeasureTask(album.tasks[part]);
        lock.lock();
        album.parts[part] = std::move(facts);
        ++album.partsDone;
        album.changed.notify_all();
    }
    album.changed.wait(lock, [&album] { return album.partsDone == album.tasks.size(); });
    if (album.measured) {
        return;
    }
    const LoudnessFacts together = Together(album.parts);
    const ReplayGainTexts texts = ReplayGainOf(together);
    album.gain = texts.gain;
    album.peak = texts.peak;
    if (!texts.gain.empty()) {
        album.r128 = FixedWidthR128(kR128Reference - together.integrated);
    }
    album.measured = true;
}

void EntryContext::AddReplayGain() {
    // ReplayGain 2.0: the gain that brings the output to -18 LUFS and its peak, as tags (ID3
    // TXXX frames, Vorbis and FLAC comments, ASF attributes, Matroska tags, MP4 atoms); the sound
    // itself is not changed. The track's are measured on the file as written, once it is whole.
    AVFormatContext& output = *m_output.Context();
    const GainTags kind = GainTagsOf(*output.oformat);
    if (kind == GainTags::None) {
        AddRemark({QT_TRANSLATE_NOOP("Messages",
                                     "this format keeps no ReplayGain tags: none were written")});
        return;
    }
    if (kind == GainTags::Placeholders) {
        av_dict_set(&output.metadata, "REPLAYGAIN_TRACK_GAIN", kTrackGainPlaceholder, 0);
        av_dict_set(&output.metadata, "REPLAYGAIN_TRACK_PEAK", kTrackPeakPlaceholder, 0);
    } else if (kind == GainTags::R128) {
        // Opus states its gains relative to -23 LUFS, and takes no ReplayGain tags.
        av_dict_set(&output.metadata, kR128TrackKey, kR128Placeholder, 0);
    }
    GainPatch patch;
    patch.stop = &m_job.progress.stopRequested;
    patch.parts = SoundReadersForCores();
    if (m_job.plan.replayGain == ReplayGainKind::Album && m_job.results.album) {
        JobResults::Album& album = *m_job.results.album;
        MeasureAlbum(album);
        const std::lock_guard lock(album.mutex);
        if (kind == GainTags::R128) {
            if (!album.r128.empty()) {  // none for silence
                av_dict_set(&output.metadata, kR128AlbumKey, album.r128.c_str(), 0);
            }
        } else if (!album.gain.empty() && kind == GainTags::Placeholders) {
            av_dict_set(&output.metadata, "REPLAYGAIN_ALBUM_GAIN", album.gain.c_str(), 0);
            av_dict_set(&output.metadata, "REPLAYGAIN_ALBUM_PEAK", album.peak.c_str(), 0);
        } else if (!album.gain.empty()) {
            patch.albumGain = album.gain;
            patch.albumPeak = album.peak;
        }
    }
    // Measured as it is written, on a core of its own; read again only where that failed.
    m_output.MeasureWrittenSound();
    m_output.SetBeforeClose([kind, patch](ExclusiveOutputFile& file,
                                          const OutputMedia::Written& written,
                                          std::string& failure) {
        GainPatch measured = patch;
        measured.soundSeconds = written.soundSeconds;
        measured.measured = written.loudness;
        return PatchTrackReplayGain(file, kind, measured, failure);
    });
}

bool EntryContext::StartOutput(const AVFormatContext& input, int soundIndex) {
    if (m_segment.on) {
        return true;  // its packets go to the task's own output
    }
    std::string& outputPath = OutputPath();
    if (m_output.HeaderWritten()) {
        // A later merge entry: its own name is only reported, never created.
        std::string free = FirstFreeName(outputPath);
        if (!free.empty()) {
            outputPath = std::move(free);
        }
        return true;
    }
    CopyDescriptiveTags(input, soundIndex, *m_output.Context(), m_output.audio.stream);
    const JobPlan& plan = m_job.plan;
    ApplyTaskTags(Task().tags, *m_output.Context());
    if (plan.replayGain != ReplayGainKind::Off && m_mode == EntryMode::Batch) {
        AddReplayGain();
    }
    // A merge makes a chapter of each entry; a task keeps its source's chapters within its clip.
    std::vector<ChapterMark> chapters =
        m_mode == EntryMode::Merge ? MergeChapters(plan)
                                   : ChaptersWithin(ChaptersOf(input), ClipStart(),
                                                    ClipStart() + ClipLength(), RunsToTheEnd());
    // At another tempo they sit where their sound is in the output.
    for (ChapterMark& chapter : chapters) {
        chapter.start /= plan.listen.tempo;
        chapter.end /= plan.listen.tempo;
    }
    if (const int ret = AddChapters(chapters, *m_output.Context()); ret < 0) {
        return Fail(QT_TRANSLATE_NOOP("Messages", "cannot add the chapters"), ret);
    }
    m_output.chapters = chapters;
    // A video output keeps its own pictures; a copy never has video.
    if ((Task().Copies() || !plan.settings.includeVideo) && m_output.TakesCover()) {
        if (auto cover =
                CoverForSource(input, m_sourcePath,
                               CoverChoice{plan.coverFromVideo, plan.coverFromVideoSeconds})) {
            // A cover is an extra: without it the sound is still written, and the report says so.
            if (const int ret = m_output.AddCover(std::move(*cover)); ret < 0) {
                AddRemark(
                    {QT_TRANSLATE_NOOP("Messages", "the cover picture could not be added (%1)"),
                     {AvErrorText(ret)}});
            }
        }
    }
    const int ret = m_output.CreateFileAndWriteHeader(outputPath);
    if (ret < 0) {
        LogFailure(outputPath, "cannot create the output or write its header", ret);
        m_failure.Note("cannot create the output file", ret);
        return false;
    }
    outputPath = m_output.WrittenPath();
    if (m_mode == EntryMode::Merge) {
        m_job.progress.mergeOutputTask.store(m_index, std::memory_order_release);
    }
    return true;
}

void EntryContext::PublishPercent(std::int64_t percent) {
    if (m_segment.on) {
        return;
    }
    const auto value = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(percent, 0, m_mode == EntryMode::Merge ? 99 : 100));
    m_job.progress.taskProgress[static_cast<std::size_t>(m_index)].store(value,
                                                                         std::memory_order_relaxed);
    if (m_lane.publishesFileProgress) {
        m_job.progress.fileProgress.store(value, std::memory_order_relaxed);
    }
}

void EntryContext::PublishSeconds(double seconds) {
    const double total = m_mode == EntryMode::Merge ? m_mergeSeconds : ClipLength();
    const double share = total > 0.0 ? std::clamp(seconds / total, 0.0, 1.0) : 0.0;
    PublishPercent(static_cast<std::int64_t>(100.0 * share));
}

bool EntryContext::ReadPackets(const SourceMedia& source, AVPacket& packet, int soundIndex,
                               double& readSeconds, const std::function<bool(AVPacket&)>& handle) {
    AVFormatContext* input = source.input.get();
    for (;;) {
        if (StopSeen()) {
            return false;
        }
        const int ret = av_read_frame(input, &packet);
        if (ret < 0) {
            return NoteReadEnd(ret, source, readSeconds);
        }
        if (packet.stream_index == soundIndex) {
            readSeconds = std::max(readSeconds,
                                   PacketEndSeconds(packet, *input->streams[soundIndex], *input));
        }
        const bool more = handle(packet);
        av_packet_unref(&packet);
        if (!more) {
            return false;
        }
    }
}

void EntryContext::SeekEarly(AVFormatContext& input, int stream, std::int64_t target,
                             std::int64_t floor, double seconds) const {
    const AVRational timeBase = stream >= 0 ? input.streams[stream]->time_base : AV_TIME_BASE_Q;
    const std::int64_t early = std::max(target - SecondsInTimeBase(seconds, timeBase), floor);
    const int ret = av_seek_frame(&input, stream, early, AVSEEK_FLAG_BACKWARD);
    if (ret < 0) {
        LogFailure(SourcePath(), "cannot seek to the clip start", ret);
    }
}

bool EntryContext::NoteReadEnd(int ret, const SourceMedia& source, double readSeconds) {
    const AVFormatContext& input = *source.input;
    int systemError = 0;
    const ReadEnd end = ClassifyReadEnd(ret, input, &systemError);
    if (end == ReadEnd::SystemError) {
        return Fail(QT_TRANSLATE_NOOP("Messages", "cannot read the source"), systemError);
    }
    const double length =
        input.duration > 0 ? static_cast<double>(input.duration) / AV_TIME_BASE : 0.0;
    // An end of file is the file's end, unless the demuxer said the file is broken and the
    // sound stops well before the length the file states.
    constexpr double kEarlyEndSeconds = 0.5;
    const bool brokenEarly = source.reports != nullptr && source.reports->demuxerErrors > 0 &&
                             length - ClipStart() > 0.0 &&
                             length - readSeconds > kEarlyEndSeconds &&
                             (RunsToTheEnd() || readSeconds < ClipStart() + ClipLength());
    if (end == ReadEnd::EndOfFile && !brokenEarly) {
        return true;
    }
    m_damage = "the source is damaged after " + SecondsText(readSeconds);
    if (length > readSeconds) {
        m_damage += " of " + SecondsText(length);
    }
    m_damage +=
        end == ReadEnd::EndOfFile ? " (the file ends early)" : " (" + AvErrorText(ret) + ")";
    LogNote(m_sourcePath, ("reading stopped: " + m_damage).c_str());
    return true;
}

double EntryContext::PacketEndSeconds(const AVPacket& packet, const AVStream& stream,
                                      const AVFormatContext& input) {
    const std::int64_t pts = packet.pts != AV_NOPTS_VALUE ? packet.pts : packet.dts;
    if (pts == AV_NOPTS_VALUE) {
        return 0.0;
    }
    const double origin = input.start_time != AV_NOPTS_VALUE
                              ? static_cast<double>(input.start_time) / AV_TIME_BASE
                              : 0.0;
    const auto end = static_cast<double>(pts + std::max<std::int64_t>(packet.duration, 0));
    return end * av_q2d(stream.time_base) - origin;
}

EntryResult EntryContext::Finish(bool wrote, double seconds, const char* nothingWritten) {
    if (!m_failure.failed && !m_stopped && !wrote) {
        // An output without sound is no conversion: a clip after the end of the sound, a
        // track that decodes to nothing, a merge entry without sound.
        Fail(nothingWritten);
    }
    EntryResult result;
    result.failed = m_failure.failed;
    result.stopped = m_stopped;
    result.wrote = wrote && !m_failure.failed;
    result.soundSeconds = seconds;
    result.failure = m_failure.reason;
    result.damage = m_damage;
    result.packetsSkipped = m_packetsSkipped;
    result.remarks = m_remarks;
    return result;
}

}  // namespace tolvane
