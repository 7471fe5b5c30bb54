#include "Mp4Edits.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string_view>

namespace tolvane {

namespace {

// The movie header is read whole when it is at most this large (a day of sound's tables).
constexpr std::uint64_t kLargestMovieBox = 64ULL << 20;

std::uint64_t Big(std::string_view bytes, std::size_t at, int count) {
    std::uint64_t value = 0;
    for (int i = 0; i < count; ++i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

// One box inside `bytes`: its type and its contents.
struct Box final {
    std::string_view type;
    std::string_view body;
};

// The boxes of `bytes`, in order; a box that claims more than is there ends the walk.
std::vector<Box> Boxes(std::string_view bytes) {
    std::vector<Box> boxes;
    std::size_t at = 0;
    while (at + 8 <= bytes.size()) {
        std::uint64_t size = Big(bytes, at, 4);
        std::size_t header = 8;
        if (size == 1) {
            if (at + 16 > bytes.size()) {
                break;
            }
            size = Big(bytes, at + 8, 8);
            header = 16;
        } else if (size == 0) {
            size = bytes.size() - at;
        }
        if (size < header || size > bytes.size() - at) {
            break;
        }
        boxes.push_back({bytes.substr(at + 4, 4), bytes.substr(at + header, size - header)});
        at += size;
    }
    return boxes;
}

std::optional<std::string_view> Child(std::string_view bytes, std::string_view type) {
    for (const Box& box : Boxes(bytes)) {
        if (box.type == type) {
            return box.body;
        }
    }
    return std::nullopt;
}

// A full box's version, then the time scale and duration of an mvhd or mdhd.
struct Clock final {
    std::uint64_t scale = 0;
    std::uint64_t duration = 0;
};
std::optional<Clock> HeaderClock(std::string_view body) {
    if (body.size() < 4) {
        return std::nullopt;
    }
    const bool wide = body[0] == 1;
    const std::size_t at = wide ? 20 : 12;
    if (body.size() < at + (wide ? 12 : 8)) {
        return std::nullopt;
    }
    return Clock{Big(body, at, 4), Big(body, at + 4, wide ? 8 : 4)};
}

struct Edit final {
    std::uint64_t duration = 0;  // in the movie's time scale
    std::int64_t mediaTime = 0;  // in the media's; -1: empty
};
std::vector<Edit> Edits(std::string_view body) {
    std::vector<Edit> edits;
    if (body.size() < 8) {
        return edits;
    }
    const bool wide = body[0] == 1;
    const std::uint64_t count = Big(body, 4, 4);
    const std::size_t size = wide ? 20 : 12;
    for (std::uint64_t i = 0; i < count && 8 + (i + 1) * size <= body.size(); ++i) {
        const std::size_t at = 8 + static_cast<std::size_t>(i) * size;
        Edit edit;
        edit.duration = Big(body, at, wide ? 8 : 4);
        const std::uint64_t time = Big(body, at + (wide ? 8 : 4), wide ? 8 : 4);
        edit.mediaTime = wide ? static_cast<std::int64_t>(time)
                              : static_cast<std::int64_t>(static_cast<std::int32_t>(time));
        edits.push_back(edit);
    }
    return edits;
}

// The sound of one track, where its edits are [empty, sound].
SoundEdit DelayedSound(std::string_view trak, const Clock& movie) {
    const auto mdia = Child(trak, "mdia");
    const auto edts = Child(trak, "edts");
    if (!mdia || !edts) {
        return {};
    }
    const auto handler = Child(*mdia, "hdlr");
    const auto mdhd = Child(*mdia, "mdhd");
    const auto elst = Child(*edts, "elst");
    if (!handler || handler->size() < 12 || handler->substr(8, 4) != "soun" || !mdhd || !elst) {
        return {};
    }
    const std::optional<Clock> clock = HeaderClock(*mdhd);
    const std::vector<Edit> edits = Edits(*elst);
    if (!clock || clock->scale == 0 || movie.scale == 0 || edits.size() != 2 ||
        edits[0].mediaTime != -1 || edits[1].mediaTime < 0 ||
        static_cast<std::uint64_t>(edits[1].mediaTime) >= clock->duration) {
        return {};
    }
    const double delay = static_cast<double>(edits[0].duration) / movie.scale;
    const double edited = static_cast<double>(edits[1].duration) / movie.scale;
    const double media =
        static_cast<double>(clock->duration - static_cast<std::uint64_t>(edits[1].mediaTime)) /
        clock->scale;
    // Shortened: the sound's edit ends the delay's length before its media does (to within the
    // encoder's padding at the end, 50 ms at most).
    constexpr double kPadding = 0.05;
    const double tick = 1.0 / movie.scale;
    if (delay > tick && media - edited >= delay - tick &&
        std::abs(media - (edited + delay)) <= kPadding) {
        return {std::min(media, edited + delay), true};
    }
    return {std::min(media, edited), false};
}

}  // namespace

std::vector<SoundEdit> DelayedSoundEdits(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::uint64_t at = 0;
    std::string moov;
    // The top level: each box's header, the movie box read, the others passed over.
    while (file) {
        char header[16];
        file.seekg(static_cast<std::streamoff>(at));
        if (!file.read(header, 8)) {
            break;
        }
        const std::string_view head(header, 8);
        std::uint64_t size = Big(head, 0, 4);
        std::uint64_t headerSize = 8;
        if (size == 1) {
            if (!file.read(header + 8, 8)) {
                break;
            }
            size = Big(std::string_view(header, 16), 8, 8);
            headerSize = 16;
        }
        if (size == 0 || size < headerSize) {
            break;  // to the end of the file, or damaged: no movie box follows
        }
        if (head.substr(4, 4) == "moov") {
            if (size - headerSize > kLargestMovieBox) {
                return {};
            }
            moov.resize(static_cast<std::size_t>(size - headerSize));
            if (!file.read(moov.data(), static_cast<std::streamsize>(moov.size()))) {
                return {};
            }
            break;
        }
        at += size;
    }
    if (moov.empty()) {
        return {};
    }
    const auto mvhd = Child(moov, "mvhd");
    const std::optional<Clock> movie = mvhd ? HeaderClock(*mvhd) : std::nullopt;
    if (!movie) {
        return {};
    }
    std::vector<SoundEdit> sounds;
    bool any = false;
    for (const Box& box : Boxes(moov)) {
        if (box.type == "trak") {
            sounds.push_back(DelayedSound(box.body, *movie));
            any = any || sounds.back().seconds > 0.0;
        }
    }
    return any ? sounds : std::vector<SoundEdit>{};
}

}  // namespace tolvane
