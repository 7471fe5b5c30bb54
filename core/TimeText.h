#pragma once

// Time texts of the task list: "HH:MM:SS", at least two digits each.

#include <cstdint>
#include <string>
#include <string_view>

// 3725 → "01:02:05"; hours of 100 and more get three digits. Negative input gives "00:00:00".
std::string FormatTimeText(std::int64_t seconds);

// A time where room is short: 365 → "6:05", 3725 → "1:02:05". Negative input gives "0:00".
std::string FormatCompactTime(std::int64_t seconds);

// A clip's time to the millisecond: "01:02:05" for whole seconds, else "01:02:05.250".
std::string FormatClipTime(std::int64_t milliseconds);

// hours × 3600 + minutes × 60 + seconds, where hours is the number before the first ":",
// minutes the two characters after it and seconds the number after the last ":".
std::int64_t ParseTimeText(std::string_view text);

// What a run has taken and about what it still needs, from the seconds since it started and the
// share of its work done (0 to 1): "Elapsed 00:01:05 · Time left 00:03:10". The time left is
// "--:--:--" until one percent is done.
std::string RunTimeText(double elapsedSeconds, double fractionDone);
// The time left alone, "HH:MM:SS" or "--:--:--".
std::string TimeLeftText(double elapsedSeconds, double fractionDone);
