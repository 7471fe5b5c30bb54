#pragma once

// Splitting one long recording into parts: by the chapters the file carries, by a pasted list
// of times and titles ("00:00 Overture", "Encore - 21:14", "17:24 - Second Song"), or by a CUE
// sheet; and the names and tags of the parts.

#include <string>
#include <vector>

// A chapter of a file: where it starts and ends (seconds from the file's start) and its title.
struct ChapterMark final {
    double start = 0.0;
    double end = 0.0;
    std::string title;
};

// One part of a split: from `start` to `end` seconds (`toEnd`: to the end of the sound).
struct SplitPart final {
    double start = 0.0;
    double end = 0.0;
    bool toEnd = false;
    std::string title;  // may be empty
};

struct SplitParse final {
    std::vector<SplitPart> parts;
    std::vector<std::string> problems;  // a line each, for people: what was left out, and why
};

// The parts of a file of `length` seconds that are its chapters. A chapter past the end, or one
// that overlaps the one before, is reported and left out.
SplitParse PartsFromChapters(const std::vector<ChapterMark>& chapters, double length);

// The parts a pasted list names, a line each: "[H:]MM:SS[.mmm] Title", "Title - MM:SS" or
// "MM:SS - Title". Each part runs to the next one's start, the last to the end. Blank lines are
// passed over; a line without a time, a time past the end or one not after the line before is
// reported and left out, never guessed.
SplitParse ParseTimeList(const std::string& text, double length);

// The parts of a CUE sheet: each TRACK's TITLE and INDEX 01 (minutes:seconds:frames of 1/75 s).
SplitParse ParseCueSheet(const std::string& text, double length);

// A CUE sheet when the text has TRACK and INDEX lines, else a pasted list.
SplitParse ParseSplitList(const std::string& text, double length);

// "STEM - 01 - Title" for part `number` (from 1) of `count`: the number padded to the count's
// width, "Part N" for a part without title, characters a file name cannot hold replaced, and
// short enough for a file name with `extension` (".mp3").
std::string PartFileStem(const std::string& stem, int number, int count, const std::string& title,
                         const std::string& extension);

// The chapters a line each: "01  00:00:00.000  Overture".
std::string ChapterLines(const std::vector<ChapterMark>& chapters);

// "[H:]MM:SS[.mmm]" or a number of seconds; negative for anything else.
double ParseSplitTime(const std::string& text);
