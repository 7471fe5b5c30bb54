#include "SplitParts.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "Messages.h"
#include "TimeText.h"

namespace {

using tolvane::Say;

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

bool AllDigits(const std::string& text, std::size_t least, std::size_t most) {
    return text.size() >= least && text.size() <= most &&
           std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isdigit(c) != 0; });
}

std::string Clock(double seconds) {
    const auto whole = static_cast<std::int64_t>(seconds);
    const auto millis = static_cast<int>(std::lround((seconds - whole) * 1000.0)) % 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%s.%03d", FormatTimeText(whole).c_str(), millis);
    return text;
}

// A separator between a time and a title: a dash of any kind, or a colon or a bar.
bool IsSeparator(const std::string& text) {
    return text == "-" || text == "\u2013" || text == "\u2014" || text == ":" || text == "|";
}

// Strips a separator from the end (`atEnd`) or the start of `text`.
std::string WithoutSeparator(std::string text, bool atEnd) {
    text = Trim(text);
    for (const char* dash : {"-", "\u2013", "\u2014", ":", "|"}) {
        const std::string d = dash;
        if (atEnd && text.size() >= d.size() &&
            text.compare(text.size() - d.size(), d.size(), d) == 0) {
            return Trim(text.substr(0, text.size() - d.size()));
        }
        if (!atEnd && text.compare(0, d.size(), d) == 0) {
            return Trim(text.substr(d.size()));
        }
    }
    return text;
}

// Ends each part where the next starts, the last at the end of the sound.
void CloseParts(SplitParse& parse, double length) {
    std::vector<SplitPart>& parts = parse.parts;
    // A list whose first time is after the start leaves the sound before it out: said, as the
    // parts start where the list says.
    if (!parts.empty() && parts.front().start > 0.0) {
        parse.problems.push_back(
            Say(QT_TRANSLATE_NOOP("Messages", "the sound before %1 (the first time) is in no part"),
                {Clock(parts.front().start)}));
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i + 1 < parts.size()) {
            parts[i].end = parts[i + 1].start;
            parts[i].toEnd = false;
        } else {
            parts[i].end = std::max(length, parts[i].start);
            parts[i].toEnd = true;
        }
    }
}

// Takes a part starting at `start`, or says why not.
void AddPart(SplitParse& parse, double start, const std::string& title, double length,
             const std::string& where) {
    if (length > 0.0 && start >= length) {
        parse.problems.push_back(Say(QT_TRANSLATE_NOOP("Messages", "%1: %2 is past the end (%3)"),
                                     {where, Clock(start), Clock(length)}));
        return;
    }
    if (!parse.parts.empty() && start <= parse.parts.back().start) {
        parse.problems.push_back(Say(QT_TRANSLATE_NOOP("Messages", "%1: %2 is not after %3"),
                                     {where, Clock(start), Clock(parse.parts.back().start)}));
        return;
    }
    parse.parts.push_back({start, 0.0, false, title});
}

}  // namespace

namespace {

// Digits (checked before) as a number, read the same in every locale.
double Number(const std::string& digits) {
    double value = 0.0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

}  // namespace

double ParseSplitTime(const std::string& raw) {
    const std::string text = Trim(raw);
    std::string clock = text;
    double fraction = 0.0;
    if (const auto dot = text.find('.'); dot != std::string::npos) {
        const std::string decimals = text.substr(dot + 1);
        if (!AllDigits(decimals, 1, 3)) {
            return -1.0;
        }
        fraction = Number("0." + decimals);
        clock = text.substr(0, dot);
    }
    std::vector<std::string> fields;
    std::stringstream stream(clock);
    for (std::string field; std::getline(stream, field, ':');) {
        fields.push_back(field);
    }
    if (!clock.empty() && clock.back() == ':') {
        return -1.0;
    }
    if (fields.size() == 1) {
        return AllDigits(fields[0], 1, 9) ? Number(fields[0]) + fraction : -1.0;
    }
    if (fields.size() > 3 || !AllDigits(fields.back(), 2, 2) ||
        !AllDigits(fields[fields.size() - 2], 1, fields.size() == 3 ? 2 : 4) ||
        (fields.size() == 3 && !AllDigits(fields[0], 1, 4))) {
        return -1.0;
    }
    const double seconds = Number(fields.back());
    const double minutes = Number(fields[fields.size() - 2]);
    const double hours = fields.size() == 3 ? Number(fields[0]) : 0.0;
    if (seconds >= 60.0 || (fields.size() == 3 && minutes >= 60.0)) {
        return -1.0;
    }
    return hours * 3600.0 + minutes * 60.0 + seconds + fraction;
}

std::string ChapterLines(const std::vector<ChapterMark>& chapters) {
    std::string lines;
    for (std::size_t i = 0; i < chapters.size(); ++i) {
        const std::string number = (i + 1 < 10 ? "0" : "") + std::to_string(i + 1);
        lines += number + "  " + Clock(chapters[i].start) + "  " + chapters[i].title;
        lines += i + 1 < chapters.size() ? "\n" : "";
    }
    return lines;
}

SplitParse PartsFromChapters(const std::vector<ChapterMark>& chapters, double length) {
    SplitParse parse;
    for (std::size_t i = 0; i < chapters.size(); ++i) {
        const ChapterMark& chapter = chapters[i];
        const std::string where =
            Say(QT_TRANSLATE_NOOP("Messages", "chapter %1"), {std::to_string(i + 1)});
        if (length > 0.0 && chapter.start >= length) {
            parse.problems.push_back(
                Say(QT_TRANSLATE_NOOP("Messages", "%1: starts past the end (%2 of %3)"),
                    {where, Clock(chapter.start), Clock(length)}));
            continue;
        }
        if (!parse.parts.empty() && chapter.start < parse.parts.back().end) {
            parse.problems.push_back(
                Say(QT_TRANSLATE_NOOP("Messages", "%1: overlaps the chapter before (%2)"),
                    {where, Clock(chapter.start)}));
            continue;
        }
        const double end = length > 0.0 ? std::min(chapter.end, length) : chapter.end;
        parse.parts.push_back({chapter.start, end, false, chapter.title});
    }
    if (!parse.parts.empty() && length > 0.0 && parse.parts.back().end >= length) {
        parse.parts.back().toEnd = true;
    }
    return parse;
}

SplitParse ParseTimeList(const std::string& text, double length) {
    SplitParse parse;
    std::stringstream lines(text);
    int number = 0;
    for (std::string raw; std::getline(lines, raw);) {
        ++number;
        const std::string line = Trim(raw);
        if (line.empty()) {
            continue;
        }
        const std::string where =
            Say(QT_TRANSLATE_NOOP("Messages", "line %1"), {std::to_string(number)});
        // A time first: up to the first blank or separator.
        const auto firstEnd = line.find_first_of(" \t");
        std::string head = line.substr(0, firstEnd);
        std::string rest = firstEnd == std::string::npos ? std::string() : line.substr(firstEnd);
        // "00:00-Title" without blanks: the time runs up to the dash.
        if (const auto dash = head.find('-'); dash != std::string::npos && dash > 0) {
            rest = head.substr(dash) + rest;
            head = head.substr(0, dash);
        }
        double start = ParseSplitTime(head);
        std::string title;
        if (start >= 0.0) {
            title = WithoutSeparator(rest, false);
        } else {
            // A time last.
            const auto lastStart = line.find_last_of(" \t");
            const std::string tail =
                lastStart == std::string::npos ? line : line.substr(lastStart + 1);
            start = ParseSplitTime(tail);
            if (start >= 0.0 && lastStart != std::string::npos) {
                title = WithoutSeparator(line.substr(0, lastStart), true);
            }
        }
        if (start < 0.0) {
            parse.problems.push_back(
                Say(QT_TRANSLATE_NOOP("Messages", "%1: no time in \"%2\""), {where, line}));
            continue;
        }
        AddPart(parse, start, IsSeparator(title) ? std::string() : title, length, where);
    }
    CloseParts(parse, length);
    return parse;
}

SplitParse ParseCueSheet(const std::string& text, double length) {
    SplitParse parse;
    std::stringstream lines(text);
    std::string title;
    int number = 0;
    bool inTrack = false;
    int files = 0;
    for (std::string raw; std::getline(lines, raw);) {
        ++number;
        std::stringstream words(Trim(raw));
        std::string keyword;
        words >> keyword;
        for (char& c : keyword) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        if (keyword == "FILE" && ++files > 1) {
            // Times count from the start of their own FILE: a sheet of several recordings
            // cannot split one of them.
            parse.parts.clear();
            parse.problems = {"line " + std::to_string(number) +
                              ": several FILE entries: one sheet per recording"};
            return parse;
        }
        if (keyword == "TRACK") {
            inTrack = true;
            title.clear();
        } else if (keyword == "TITLE" && inTrack) {
            std::string value;
            std::getline(words, value);
            value = Trim(value);
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
                value = value.substr(1, value.size() - 2);
            }
            title = value;
        } else if (keyword == "INDEX" && inTrack) {
            std::string index;
            std::string at;
            words >> index >> at;
            if (index != "01") {
                continue;
            }
            int minutes = 0;
            int seconds = 0;
            int frames = 0;
            char c1 = 0;
            char c2 = 0;
            std::stringstream time(at);
            if (!(time >> minutes >> c1 >> seconds >> c2 >> frames) || c1 != ':' || c2 != ':' ||
                seconds >= 60 || frames >= 75 || minutes < 0 || seconds < 0 || frames < 0) {
                parse.problems.push_back(
                    Say(QT_TRANSLATE_NOOP("Messages", "%1: no time in \"%2\""),
                        {Say(QT_TRANSLATE_NOOP("Messages", "line %1"), {std::to_string(number)}),
                         Trim(raw)}));
                continue;
            }
            AddPart(parse, minutes * 60.0 + seconds + frames / 75.0, title, length,
                    "line " + std::to_string(number));
        }
    }
    CloseParts(parse, length);
    return parse;
}

SplitParse ParseSplitList(const std::string& text, double length) {
    std::string upper = text;
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    const bool cue =
        upper.find("TRACK ") != std::string::npos && upper.find("INDEX ") != std::string::npos;
    return cue ? ParseCueSheet(text, length) : ParseTimeList(text, length);
}

std::string PartFileStem(const std::string& stem, int number, int count, const std::string& title,
                         const std::string& extension) {
    const int width = static_cast<int>(std::to_string(std::max(count, 1)).size());
    char padded[16];
    std::snprintf(padded, sizeof padded, "%0*d", std::max(width, 2), number);
    std::string name = title.empty() ? "Part " + std::to_string(number) : title;
    // Linux names hold anything but "/" and NUL; control characters only make trouble.
    for (char& c : name) {
        if (c == '/' || (static_cast<unsigned char>(c) < 0x20)) {
            c = '_';
        }
    }
    std::string result = stem + " - " + padded + " - " + name;
    // 255 bytes for the name with its extension and room for "(99)" and a few bytes more (a part
    // file of a name too long for ".NAME.TAG.tolvane-part" has a name of its own); cut at a
    // character's start, not inside a UTF-8 sequence.
    const std::size_t most = 255 - extension.size() - 4 - 6;
    if (result.size() > most) {
        std::size_t cut = most;
        while (cut > 0 && (static_cast<unsigned char>(result[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        result.resize(cut);
    }
    return result;
}
