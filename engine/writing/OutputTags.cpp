#include "OutputTags.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

extern "C" {
#include <libavutil/base64.h>
}

#include "Pictures.h"

namespace tolvane {

namespace {

// Descriptive tags carried from the source to the output; the muxers write them as ID3v2
// frames, MP4 atoms, Vorbis comments or ASF attributes.
constexpr const char* kTagKeys[] = {"title",     "author",  "artist", "album_artist",
                                    "copyright", "comment", "album",  "year",
                                    "date",      "track",   "genre",  "composer"};

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

// How much a picture of the source is its cover: 0 the one marked as the front cover, 1 an
// attached picture or an attachment named "cover.*", 2 "cover_land.*", 3 "small_cover.*";
// nothing for an attachment of another name (a screenshot, a logo: a Matroska file names its
// attachments, and the common convention names its covers so).
std::optional<int> CoverRank(const AVStream& stream) {
    if (IsFrontCover(stream)) {
        return 0;
    }
    const AVDictionaryEntry* file = av_dict_get(stream.metadata, "filename", nullptr, 0);
    if (file == nullptr) {
        return (stream.disposition & AV_DISPOSITION_ATTACHED_PIC) != 0 ? std::optional<int>(1)
                                                                       : std::nullopt;
    }
    std::string stem = file->value;
    stem = stem.substr(0, stem.rfind('.'));
    for (char& c : stem) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (stem == "cover") {
        return 1;
    }
    if (stem == "cover_land") {
        return 2;
    }
    if (stem == "small_cover") {
        return 3;
    }
    return std::nullopt;
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

}  // namespace

void CopyDescriptiveTags(const AVFormatContext& input, int soundIndex, AVFormatContext& output,
                         AVStream* outputSound) {
    const AVStream* track = soundIndex >= 0 && soundIndex < static_cast<int>(input.nb_streams)
                                ? input.streams[soundIndex]
                                : nullptr;
    // Ogg (Vorbis, Opus, FLAC in Ogg) keeps the file's tags in its streams' comments; elsewhere a
    // track's tags are the track's own (a Matroska track's name is no song title).
    const bool fileTagsOnTrack =
        input.iformat != nullptr && std::strstr(input.iformat->name, "ogg") != nullptr;
    for (const char* key : kTagKeys) {
        const AVDictionaryEntry* e = av_dict_get(input.metadata, key, nullptr, 0);
        if (e == nullptr && track != nullptr && fileTagsOnTrack) {
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
    // The best ranked cover; of equals, the first.
    std::optional<CoverPicture> found;
    int foundRank = 0;
    for (unsigned i = 0; i < input.nb_streams; ++i) {
        const std::optional<int> rank = CoverRank(*input.streams[i]);
        if (!rank || (found && *rank >= foundRank)) {
            continue;
        }
        if (std::optional<CoverPicture> picture = PictureOfStream(*input.streams[i])) {
            found = std::move(picture);
            foundRank = *rank;
        }
    }
    return found;
}

std::optional<CoverPicture> CoverForSource(const AVFormatContext& input, const std::string& path,
                                           CoverChoice choice) {
    std::optional<CoverPicture> cover = FindCoverPicture(input);
    if (!cover && choice.fromVideo) {
        cover = CoverFromVideo(path, choice.seconds);
    }
    return cover;
}

void ApplyTaskTags(const TaskTags& tags, AVFormatContext& output) {
    for (const auto& [key, value] :
         {std::pair{"title", &tags.title}, std::pair{"track", &tags.track},
          std::pair{"album", &tags.album}}) {
        if (!value->empty()) {
            av_dict_set(&output.metadata, key, value->c_str(), 0);
        }
    }
}

std::vector<ChapterMark> ChaptersWithin(const std::vector<ChapterMark>& chapters, double start,
                                        double end, bool toEnd) {
    std::vector<ChapterMark> within;
    for (const ChapterMark& chapter : chapters) {
        const double from = std::max(chapter.start, start);
        const double to = toEnd ? chapter.end : std::min(chapter.end, end);
        if (to > from) {
            within.push_back({from - start, to - start, chapter.title});
        }
    }
    return within;
}

namespace {

bool ChaptersAsComments(const AVFormatContext& output) {
    const char* format = output.oformat != nullptr ? output.oformat->name : "";
    return std::strcmp(format, "ogg") == 0 || std::strcmp(format, "oga") == 0 ||
           std::strcmp(format, "opus") == 0 || std::strcmp(format, "flac") == 0;
}

// A chapter's start and end in milliseconds, big-endian, as an ID3 CHAP frame holds them.
std::string Id3ChapterTimes(const ChapterMark& chapter) {
    std::string times(8, '\0');
    const auto put = [&](std::size_t at, double seconds) {
        const auto millis =
            static_cast<std::uint32_t>(std::max<long long>(std::llround(seconds * 1000.0), 0));
        for (int i = 0; i < 4; ++i) {
            times[at + static_cast<std::size_t>(i)] =
                static_cast<char>((millis >> (24 - 8 * i)) & 0xFF);
        }
    };
    put(0, chapter.start);
    put(4, std::max(chapter.end, chapter.start));
    return times;
}

}  // namespace

std::string ChapterCommentTime(double seconds) {
    const auto millis = std::max<long long>(std::llround(seconds * 1000.0), 0);
    char value[48];
    std::snprintf(value, sizeof value, "%02lld:%02lld:%02lld.%03lld", millis / 3600000,
                  millis / 60000 % 60, millis / 1000 % 60, millis % 1000);
    return value;
}

std::vector<TagSwap> MoveChapters(AVFormatContext& output, const std::vector<ChapterMark>& written,
                                  const std::vector<ChapterMark>& actual) {
    std::vector<TagSwap> swaps;
    const std::size_t count = std::min(written.size(), actual.size());
    if (ChaptersAsComments(output)) {
        for (std::size_t i = 0; i < count && i < 999; ++i) {
            char key[32];
            std::snprintf(key, sizeof key, "CHAPTER%03zu", i + 1);
            swaps.push_back(
                {key, ChapterCommentTime(written[i].start), ChapterCommentTime(actual[i].start)});
        }
        return swaps;
    }
    // Muxers that write the chapters with the trailer (MP4) take them from here; those that
    // wrote them with the header (ID3's CHAP frames "ch0", "ch1"...) get their times swapped.
    for (std::size_t i = 0; i < count && i < output.nb_chapters; ++i) {
        AVChapter& chapter = *output.chapters[i];
        chapter.start = av_rescale_q(std::llround(actual[i].start * 1000.0), AVRational{1, 1000},
                                     chapter.time_base);
        chapter.end = std::max(chapter.start, av_rescale_q(std::llround(actual[i].end * 1000.0),
                                                           AVRational{1, 1000}, chapter.time_base));
        swaps.push_back({"CHAP ch" + std::to_string(i), Id3ChapterTimes(written[i]),
                         Id3ChapterTimes(actual[i])});
    }
    return swaps;
}

int AddChapters(const std::vector<ChapterMark>& chapters, AVFormatContext& output) {
    // Ogg and FLAC keep chapters as comments (CHAPTER001=00:01:02.500, CHAPTER001NAME=Title),
    // which their muxers here do not write from the chapters themselves.
    if (ChaptersAsComments(output)) {
        for (std::size_t i = 0; i < chapters.size() && i < 999; ++i) {
            char key[32];
            std::snprintf(key, sizeof key, "CHAPTER%03zu", i + 1);
            av_dict_set(&output.metadata, key, ChapterCommentTime(chapters[i].start).c_str(), 0);
            if (!chapters[i].title.empty()) {
                std::strncat(key, "NAME", sizeof key - std::strlen(key) - 1);
                av_dict_set(&output.metadata, key, chapters[i].title.c_str(), 0);
            }
        }
        return 0;
    }
    for (const ChapterMark& mark : chapters) {
        auto** grown = static_cast<AVChapter**>(
            av_realloc_array(output.chapters, output.nb_chapters + 1, sizeof(AVChapter*)));
        if (grown == nullptr) {
            return AVERROR(ENOMEM);
        }
        output.chapters = grown;
        auto* chapter = static_cast<AVChapter*>(av_mallocz(sizeof(AVChapter)));
        if (chapter == nullptr) {
            return AVERROR(ENOMEM);
        }
        chapter->id = output.nb_chapters + 1;
        chapter->time_base = AVRational{1, 1000};
        chapter->start = std::llround(mark.start * 1000.0);
        chapter->end = std::max<std::int64_t>(chapter->start, std::llround(mark.end * 1000.0));
        if (!mark.title.empty()) {
            av_dict_set(&chapter->metadata, "title", mark.title.c_str(), 0);
        }
        output.chapters[output.nb_chapters++] = chapter;
    }
    return 0;
}

bool CarriesCover(const AVOutputFormat& format) {
    for (const char* name : {"mp3", "ipod", "mp4", "mov", "flac"}) {
        if (std::strcmp(format.name, name) == 0) {
            return true;
        }
    }
    return CoverAsComment(format);
}

bool CoverAsComment(const AVOutputFormat& format) {
    for (const char* name : {"ogg", "oga", "opus"}) {
        if (std::strcmp(format.name, name) == 0) {
            return true;
        }
    }
    return false;
}

std::string PictureBlockComment(const CoverPicture& cover) {
    // A base64 text of the block must fit an int, as FFmpeg's encoder counts.
    constexpr std::size_t kLargest = (INT_MAX / 4) * 3 - 256;
    if (cover.data.empty() || cover.data.size() > kLargest) {
        return {};
    }
    const char* mime = cover.codec == AV_CODEC_ID_PNG   ? "image/png"
                       : cover.codec == AV_CODEC_ID_BMP ? "image/bmp"
                       : cover.codec == AV_CODEC_ID_GIF ? "image/gif"
                                                        : "image/jpeg";
    std::vector<std::uint8_t> block;
    const auto put32 = [&block](std::size_t value) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            block.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
        }
    };
    put32(3);  // the front cover
    put32(std::strlen(mime));
    block.insert(block.end(), mime, mime + std::strlen(mime));
    put32(0);  // no description
    put32(static_cast<std::size_t>(std::max(cover.width, 0)));
    put32(static_cast<std::size_t>(std::max(cover.height, 0)));
    put32(24);  // bits per pixel
    put32(0);   // not indexed
    put32(cover.data.size());
    block.insert(block.end(), cover.data.begin(), cover.data.end());
    std::string text(AV_BASE64_SIZE(block.size()), '\0');
    if (av_base64_encode(text.data(), static_cast<int>(text.size()), block.data(),
                         static_cast<int>(block.size())) == nullptr) {
        return {};
    }
    text.resize(std::strlen(text.c_str()));
    return text;
}

}  // namespace tolvane
