#include "TimeText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "Messages.h"

namespace {

// Leading decimal digits of `text` (0 when there are none).
std::int64_t LeadingNumber(std::string_view text) {
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::string FormatTimeText(std::int64_t seconds) {
    if (seconds < 0) {
        seconds = 0;
    }
    char text[48];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
    return text;
}

std::string FormatCompactTime(std::int64_t seconds) {
    seconds = std::max<std::int64_t>(seconds, 0);
    char text[48];
    if (seconds < 3600) {
        std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(seconds / 60),
                      static_cast<long long>(seconds % 60));
    } else {
        std::snprintf(
            text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
            static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
    }
    return text;
}

std::string FormatClipTime(std::int64_t milliseconds) {
    const std::int64_t ms = std::max<std::int64_t>(milliseconds, 0);
    std::string text = FormatTimeText(ms / 1000);
    if (ms % 1000 != 0) {
        const std::string digits = std::to_string(1000 + ms % 1000);  // "1250": keeps the zeros
        text += "." + digits.substr(1);
    }
    return text;
}

std::int64_t ParseTimeText(std::string_view text) {
    const std::size_t first = text.find(':');
    if (first == std::string_view::npos) {
        return LeadingNumber(text);
    }
    const std::size_t last = text.rfind(':');
    const std::int64_t hours = LeadingNumber(text.substr(0, first));
    const std::int64_t minutes = LeadingNumber(text.substr(first + 1, 2));
    const std::int64_t seconds = last > first ? LeadingNumber(text.substr(last + 1)) : 0;
    return hours * 3600 + minutes * 60 + seconds;
}

std::string TimeLeftText(double elapsedSeconds, double fractionDone) {
    if (!(fractionDone > 0.01) || !(elapsedSeconds >= 0.0)) {
        return "--:--:--";
    }
    const double left = elapsedSeconds * (1.0 - std::min(fractionDone, 1.0)) / fractionDone;
    return FormatTimeText(static_cast<std::int64_t>(std::llround(left)));
}

std::string RunTimeText(double elapsedSeconds, double fractionDone) {
    return tolvane::Say(QT_TRANSLATE_NOOP("Messages", "Elapsed %1 \u00b7 Time left %2"),
                        {FormatTimeText(static_cast<std::int64_t>(std::max(0.0, elapsedSeconds))),
                         TimeLeftText(elapsedSeconds, fractionDone)});
}
