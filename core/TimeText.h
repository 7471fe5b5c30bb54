#pragma once

// Time texts of the task list: "HH:MM:SS", at least two digits each.

#include <cstdint>
#include <string>
#include <string_view>

// 3725 → "01:02:05"; hours of 100 and more get three digits. Negative input gives "00:00:00".
std::string FormatTimeText(std::int64_t seconds);

// hours × 3600 + minutes × 60 + seconds, where hours is the number before the first ":",
// minutes the two characters after it and seconds the number after the last ":".
std::int64_t ParseTimeText(std::string_view text);
