#include "Silences.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <queue>
#include <tuple>

#include "Messages.h"
#include "Numbers.h"
#include "TimeText.h"

namespace {

using tolvane::Say;

// "00:30:00": a time as the window's times read.
std::string Clock(double seconds) {
    return FormatTimeText(std::llround(std::max(seconds, 0.0)));
}

// "at least 1.5 s under -50 dBFS"
std::string RuleText(const SilenceRule& rule) {
    return Say(QT_TRANSLATE_NOOP("Messages", "at least %1 s under %2 dBFS"),
               {FormatFixed(rule.seconds, rule.seconds == std::floor(rule.seconds) ? 0 : 1),
                FormatFixed(rule.decibels, 0)});
}

// Seconds of silence within any span, from the pauses found (in order, apart): a binary search
// and a running total, so that a split over thousands of pauses stays quick.
class SilenceTotals final {
public:
    explicit SilenceTotals(const std::vector<TimeSpan>& silences) : m_silences(silences) {
        m_before.reserve(silences.size() + 1);
        m_before.push_back(0.0);
        for (const TimeSpan& silence : silences) {
            m_before.push_back(m_before.back() + silence.Length());
        }
    }

    double Within(const TimeSpan& span) const { return Before(span.end) - Before(span.start); }

private:
    // Seconds of silence before `at`.
    double Before(double at) const {
        const auto after = std::upper_bound(
            m_silences.begin(), m_silences.end(), at,
            [](double time, const TimeSpan& silence) { return time < silence.start; });
        const auto whole = static_cast<std::size_t>(after - m_silences.begin());
        if (whole == 0) {
            return 0.0;
        }
        const TimeSpan& last = m_silences[whole - 1];
        return m_before[whole - 1] + std::clamp(at - last.start, 0.0, last.Length());
    }

    const std::vector<TimeSpan>& m_silences;
    std::vector<double> m_before;  // [i]: seconds of the first i silences
};

// Whether the levels hold any window of sound.
bool HasSound(const SoundLevels& levels, double thresholdDecibels) {
    return std::any_of(levels.decibels.begin(), levels.decibels.end(),
                       [thresholdDecibels](float level) { return level >= thresholdDecibels; });
}

SilenceSplit Whole(const SoundLevels& levels, std::string note) {
    return {{SplitPart{levels.start, levels.End(), true, {}}}, std::move(note)};
}

// The parts between `cuts` (in order, inside the levels).
std::vector<SplitPart> PartsBetween(const SoundLevels& levels, const std::vector<double>& cuts) {
    std::vector<SplitPart> parts;
    double from = levels.start;
    for (const double cut : cuts) {
        parts.push_back({from, cut, false, {}});
        from = cut;
    }
    parts.push_back({from, levels.End(), true, {}});
    return parts;
}

std::string CountText(std::size_t parts) {
    return parts == 1 ? Say(QT_TRANSLATE_NOOP("Messages", "1 part"))
                      : Say(QT_TRANSLATE_NOOP("Messages", "%1 parts"), {std::to_string(parts)});
}

// The `pauses` left once every part between them has kShortestPart of sound: a part with less
// joins the neighbour across the shorter pause (the left one of equals), the least sound first.
std::vector<TimeSpan> JoinWeakParts(const SoundLevels& levels,
                                    const std::vector<TimeSpan>& silences,
                                    std::vector<TimeSpan> pauses) {
    const SilenceTotals totals(silences);
    const std::size_t count = pauses.size() + 1;  // part i lies between pauses i-1 and i
    // A joined part is named by the first part it holds and runs to its `last`.
    std::vector<std::size_t> last(count);
    std::vector<std::size_t> previous(count);
    std::vector<std::size_t> next(count);
    std::vector<bool> removed(pauses.size(), false);
    const auto soundOf = [&](std::size_t first, std::size_t end) {
        const double from =
            first == 0 ? levels.start : (pauses[first - 1].start + pauses[first - 1].end) / 2;
        const double to =
            end + 1 == count ? levels.End() : (pauses[end].start + pauses[end].end) / 2;
        const TimeSpan span{from, to};
        // To the microsecond: sums of window lengths are binary fractions, and a part of just
        // kShortestPart, or two parts of equal sound, must compare as such.
        return std::round((span.Length() - totals.Within(span)) * 1e6) / 1e6;
    };
    // Sound, first part, version: the least sound, then the earliest part; an entry whose part
    // has joined or changed since is passed over.
    using Entry = std::tuple<double, std::size_t, std::size_t>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> weakest;
    std::vector<std::size_t> version(count, 0);
    for (std::size_t i = 0; i < count; ++i) {
        last[i] = i;
        previous[i] = i - 1;  // wraps for the first: never read
        next[i] = i + 1;
        weakest.emplace(soundOf(i, i), i, 0);
    }
    std::size_t parts = count;
    std::vector<bool> gone(count, false);
    while (parts > 1 && !weakest.empty()) {
        const auto [least, p, seen] = weakest.top();
        weakest.pop();
        if (gone[p] || seen != version[p]) {
            continue;
        }
        if (!(least < kShortestPart)) {
            break;
        }
        const bool hasLeft = p > 0;
        const bool hasRight = last[p] + 1 < count;
        const auto length = [&](std::size_t pause) { return pauses[pause].Length(); };
        const bool left = hasLeft && (!hasRight || length(p - 1) <= length(last[p]));
        // Join `into` and the part after it, across the pause between them.
        const std::size_t into = left ? previous[p] : p;
        const std::size_t after = next[into];
        removed[last[into]] = true;
        last[into] = last[after];
        gone[after] = true;
        if (last[into] + 1 < count) {
            next[into] = next[after];
            previous[next[into]] = into;
        }
        weakest.emplace(soundOf(into, last[into]), into, ++version[into]);
        --parts;
    }
    std::vector<TimeSpan> kept;
    for (std::size_t i = 0; i < pauses.size(); ++i) {
        if (!removed[i]) {
            kept.push_back(pauses[i]);
        }
    }
    return kept;
}

}  // namespace

SoundLevels LevelsWithin(const SoundLevels& levels, const TimeSpan& span) {
    const auto index = [&](double at) {
        const double windows = std::floor((at - levels.start) / levels.windowSeconds + 1e-6);
        return static_cast<std::size_t>(
            std::clamp(windows, 0.0, static_cast<double>(levels.decibels.size())));
    };
    SoundLevels within;
    within.windowSeconds = levels.windowSeconds;
    const std::size_t first = index(span.start);
    const std::size_t last = std::max(first, index(span.end));
    within.start = levels.start + levels.windowSeconds * static_cast<double>(first);
    within.decibels.assign(levels.decibels.begin() + static_cast<std::ptrdiff_t>(first),
                           levels.decibels.begin() + static_cast<std::ptrdiff_t>(last));
    return within;
}

std::vector<TimeSpan> FindSilences(const SoundLevels& levels, const SilenceRule& rule) {
    std::vector<TimeSpan> silences;
    const std::size_t count = levels.decibels.size();
    const double w = levels.windowSeconds;
    std::size_t i = 0;
    while (i < count) {
        if (!(levels.decibels[i] < rule.decibels)) {
            ++i;
            continue;
        }
        const std::size_t first = i;
        while (i < count && levels.decibels[i] < rule.decibels) {
            ++i;
        }
        const TimeSpan run{levels.start + w * static_cast<double>(first),
                           levels.start + w * static_cast<double>(i)};
        // A hair under: window lengths add up in binary fractions.
        if (run.Length() >= rule.seconds - w / 2) {
            silences.push_back(run);
        }
    }
    return silences;
}

SilenceSplit SplitAtSilences(const SoundLevels& levels, const SilenceRule& rule) {
    if (!HasSound(levels, rule.decibels)) {
        return Whole(levels, Say(QT_TRANSLATE_NOOP("Messages",
                                                   "silent throughout (under %1 dBFS): the file "
                                                   "stays whole"),
                                 {FormatFixed(rule.decibels, 0)}));
    }
    const std::vector<TimeSpan> silences = FindSilences(levels, rule);
    // The pauses between two stretches of sound that leave room for a cut.
    std::vector<TimeSpan> pauses;
    for (const TimeSpan& silence : silences) {
        if (silence.start > levels.start && silence.end < levels.End() &&
            silence.Length() >= 2 * kCutMargin) {
            pauses.push_back(silence);
        }
    }
    // A part with too little sound joins the neighbour across the shorter pause, the least
    // sound first (the earlier of equals), until every part has enough (or one is left). The
    // parts are a linked list over the first pause-free stretches and a heap keeps the weakest.
    pauses = JoinWeakParts(levels, silences, std::move(pauses));
    if (pauses.empty()) {
        return Whole(levels, Say(QT_TRANSLATE_NOOP("Messages",
                                                   "no pause of %1 between two sounds: the file "
                                                   "stays whole"),
                                 {RuleText(rule)}));
    }
    std::vector<double> cuts;
    for (const TimeSpan& pause : pauses) {
        cuts.push_back((pause.start + pause.end) / 2);
    }
    SilenceSplit split{PartsBetween(levels, cuts), {}};
    split.note = Say(QT_TRANSLATE_NOOP("Messages", "%1 at pauses of %2"),
                     {CountText(split.parts.size()), RuleText(rule)});
    return split;
}

SilenceSplit SplitEvery(const SoundLevels& levels, double every, double thresholdDecibels) {
    const double length = levels.End() - levels.start;
    if (!(every > 0.0) || length <= every * (1.0 + kEveryWindow)) {
        return Whole(levels,
                     Say(QT_TRANSLATE_NOOP("Messages", "not longer than %1: the file stays whole"),
                         {Clock(every)}));
    }
    const std::vector<TimeSpan> silences =
        FindSilences(levels, SilenceRule{thresholdDecibels, kEveryPause});
    const double window = every * kEveryWindow;
    std::vector<double> cuts;
    int atPauses = 0;
    for (int k = 1; levels.start + k * every < levels.End() - window; ++k) {
        const double wanted = levels.start + k * every;
        double best = wanted;
        double bestDistance = std::numeric_limits<double>::infinity();
        // The pauses that can hold a cut within the window: from the first that ends after
        // its start, in order, until one starts past its end.
        const auto candidates = std::lower_bound(
            silences.begin(), silences.end(), wanted - window,
            [](const TimeSpan& silence, double time) { return silence.end < time; });
        for (auto it = candidates; it != silences.end() && it->start <= wanted + window; ++it) {
            const TimeSpan& silence = *it;
            const double from = silence.start + kCutMargin;
            const double to = silence.end - kCutMargin;
            if (from > to || (silence.start <= levels.start) || silence.end >= levels.End()) {
                continue;
            }
            const double at = std::clamp(wanted, from, to);
            const double distance = std::abs(at - wanted);
            if (distance <= window && distance < bestDistance) {
                best = at;
                bestDistance = distance;
            }
        }
        atPauses += std::isfinite(bestDistance) ? 1 : 0;
        if (cuts.empty() || best > cuts.back() + kCutMargin) {
            cuts.push_back(best);
        }
    }
    SilenceSplit split{PartsBetween(levels, cuts), {}};
    const auto cutCount = static_cast<int>(cuts.size());
    split.note = Say(
        QT_TRANSLATE_NOOP("Messages", "%1 of about %2: %3"),
        {CountText(split.parts.size()), Clock(every),
         cutCount == 1         ? Say(QT_TRANSLATE_NOOP("Messages", "%1 of 1 cut in a pause"),
                                     {std::to_string(atPauses)})
         : atPauses < cutCount ? Say(QT_TRANSLATE_NOOP("Messages",
                                                       "%1 of %2 cuts in a pause, the others at "
                                                       "the exact time (no pause near them)"),
                                     {std::to_string(atPauses), std::to_string(cutCount)})
                               : Say(QT_TRANSLATE_NOOP("Messages", "%1 of %2 cuts in a pause"),
                                     {std::to_string(atPauses), std::to_string(cutCount)})});
    return split;
}

SilenceTrim TrimSilence(const SoundLevels& levels, double thresholdDecibels, double margin) {
    SilenceTrim trim;
    trim.clip = {levels.start, levels.End()};
    const auto& db = levels.decibels;
    const auto first =
        std::find_if(db.begin(), db.end(), [&](float level) { return level >= thresholdDecibels; });
    if (first == db.end()) {
        trim.note = Say(
            QT_TRANSLATE_NOOP("Messages", "silent throughout (under %1 dBFS): nothing was trimmed"),
            {FormatFixed(thresholdDecibels, 0)});
        return trim;
    }
    const auto last = std::find_if(db.rbegin(), db.rend(),
                                   [&](float level) { return level >= thresholdDecibels; });
    const double w = levels.windowSeconds;
    const double soundStart = levels.start + w * static_cast<double>(first - db.begin());
    const double soundEnd = levels.start + w * static_cast<double>(db.rend() - last);
    trim.clip = {std::max(levels.start, soundStart - margin),
                 std::min(levels.End(), soundEnd + margin)};
    trim.trimmed = trim.clip.start > levels.start || trim.clip.end < levels.End();
    trim.note =
        trim.trimmed
            ? Say(QT_TRANSLATE_NOOP("Messages", "trimmed to the sound from %1 to %2"),
                  {Clock(trim.clip.start), Clock(trim.clip.end)})
            : Say(QT_TRANSLATE_NOOP("Messages", "no silence at the ends: nothing was trimmed"));
    return trim;
}
