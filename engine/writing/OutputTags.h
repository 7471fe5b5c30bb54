#pragma once

// What an output keeps of its source besides the sound: the descriptive tags, the sound track's
// language and the cover picture.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "FFmpegHandles.h"
#include "Pictures.h"
#include "ReplayGainPatch.h"
#include "SplitParts.h"
#include "TaskTags.h"

namespace tolvane {

// Copies title, artist, album, date, genre, comment, track number (and the older keys the
// muxers map) from the source's tags, or, in an Ogg file, for a key the file lacks, from its
// sound track's comments (Ogg keeps the file's tags there), and the track's language. Other
// containers' track tags (a track's name) never become the output's.
void CopyDescriptiveTags(const AVFormatContext& input, int soundIndex, AVFormatContext& output,
                         AVStream* outputSound);

// The source's cover: the picture marked as the front cover, else an attached picture or an
// image attachment named as a cover ("cover.*", then "cover_land.*", then "small_cover.*");
// attachments of other names (screenshots, logos, fonts) never.
std::optional<CoverPicture> FindCoverPicture(const AVFormatContext& input);

// Where a cover may come from besides the source's own picture.
struct CoverChoice final {
    bool fromVideo = false;  // a source without a cover gets a picture of its video
    double seconds = -1.0;   // where in the video; negative: at a tenth of its length
};

// The source's own cover, else (when chosen) a picture of its video.
std::optional<CoverPicture> CoverForSource(const AVFormatContext& input, const std::string& path,
                                           CoverChoice choice);

// A task's own tags over the source's (see TaskTags).
void ApplyTaskTags(const TaskTags& tags, AVFormatContext& output);

// The chapters that fall in the clip from `start` to `end` seconds (`toEnd`: to the end), cut to
// it and counted from its start.
std::vector<ChapterMark> ChaptersWithin(const std::vector<ChapterMark>& chapters, double start,
                                        double end, bool toEnd);
// Gives `output` the chapters (seconds from its start), before its header: the muxers write them
// as ID3 CHAP frames, MP4 chapters, ASF markers, Matroska chapters, and in Ogg and FLAC as
// CHAPTERnnn comments. Returns 0 or an AVERROR.
int AddChapters(const std::vector<ChapterMark>& chapters, AVFormatContext& output);

// "00:01:02.500": a chapter's start as Ogg and FLAC comments hold it.
std::string ChapterCommentTime(double seconds);

// Puts the chapters `written` into the header at the times of `actual` (the same chapters, as
// long as what was really written): the output's chapters are moved for a muxer that writes
// them with the trailer, and the values to swap in a header that holds them already are
// returned (see SwapHeaderValues).
std::vector<TagSwap> MoveChapters(AVFormatContext& output, const std::vector<ChapterMark>& written,
                                  const std::vector<ChapterMark>& actual);

// Outputs that carry a cover picture: MP3 (ID3v2), MP4/M4A, FLAC, and Ogg (Vorbis, Opus) as
// a comment.
bool CarriesCover(const AVOutputFormat& format);
// Ogg files, which carry the cover as a METADATA_BLOCK_PICTURE comment (their muxer takes no
// picture stream).
bool CoverAsComment(const AVOutputFormat& format);
// The value of that comment: a FLAC picture block (a front cover with the picture's type, size
// and bytes as they are), base64. Empty for an empty picture or one too large for a comment.
std::string PictureBlockComment(const CoverPicture& cover);

}  // namespace tolvane
