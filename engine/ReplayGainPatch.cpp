#include "ReplayGainPatch.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <utility>
#include <vector>

extern "C" {
#include <libavutil/bswap.h>
#include <libavutil/crc.h>
}

#include "Loudness.h"

namespace tolvane {

namespace {

// Ogg's page checksum: CRC-32, polynomial 0x04c11db7, most significant bit first, from 0.
// (FFmpeg's table gives it byte-swapped.)
std::uint32_t OggChecksum(const unsigned char* data, std::size_t size) {
    return av_bswap32(av_crc(av_crc_get_table(AV_CRC_32_IEEE), 0, data, size));
}

// Where `key` is followed (after one separator byte: "=" in a comment, NUL in an ID3 frame)
// by `placeholder`; npos when nowhere.
std::size_t FindValue(const std::vector<unsigned char>& data, const std::string& key,
                      const char* placeholder) {
    const std::string value = placeholder;
    for (std::size_t at = 0;;) {
        const auto found = std::search(data.begin() + static_cast<std::ptrdiff_t>(at), data.end(),
                                       key.begin(), key.end());
        if (found == data.end()) {
            return std::string::npos;
        }
        const auto start = static_cast<std::size_t>(found - data.begin()) + key.size() + 1;
        if (start + value.size() <= data.size() &&
            std::equal(value.begin(), value.end(),
                       data.begin() + static_cast<std::ptrdiff_t>(start))) {
            return start;
        }
        at = static_cast<std::size_t>(found - data.begin()) + 1;
    }
}

// The Ogg page holding byte `offset`: its start and length; {npos, 0} when the file is no Ogg.
std::pair<std::size_t, std::size_t> OggPageAt(const std::vector<unsigned char>& data,
                                              std::size_t offset) {
    std::size_t page = 0;
    while (page + 27 <= data.size() && std::memcmp(data.data() + page, "OggS", 4) == 0) {
        const std::size_t segments = data[page + 26];
        std::size_t length = 27 + segments;
        if (page + length > data.size()) {
            break;
        }
        for (std::size_t s = 0; s < segments; ++s) {
            length += data[page + 27 + s];
        }
        if (offset >= page && offset < page + length) {
            return {page, length};
        }
        page += length;
    }
    return {std::string::npos, 0};
}

void PutBig32(std::vector<unsigned char>& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out[at + static_cast<std::size_t>(i)] =
            static_cast<unsigned char>((value >> (24 - 8 * i)) & 0xff);
    }
}

std::uint32_t Big32(const std::vector<unsigned char>& data, std::size_t at) {
    return (std::uint32_t{data[at]} << 24) | (std::uint32_t{data[at + 1]} << 16) |
           (std::uint32_t{data[at + 2]} << 8) | std::uint32_t{data[at + 3]};
}

// One box: its size and type, then `body`.
void AppendBox(std::vector<unsigned char>& out, const char* type,
               const std::vector<unsigned char>& body) {
    const std::size_t at = out.size();
    out.resize(at + 8);
    PutBig32(out, at, static_cast<std::uint32_t>(8 + body.size()));
    std::memcpy(out.data() + at + 4, type, 4);
    out.insert(out.end(), body.begin(), body.end());
}

// An iTunes freeform atom "----": mean "com.apple.iTunes", `name`, and `value` as UTF-8 text.
std::vector<unsigned char> FreeformAtom(const std::string& name, const std::string& value) {
    const auto bytes = [](const std::string& text, std::size_t zeros) {
        std::vector<unsigned char> body(zeros, 0);
        body.insert(body.end(), text.begin(), text.end());
        return body;
    };
    std::vector<unsigned char> inner;
    AppendBox(inner, "mean", bytes("com.apple.iTunes", 4));
    AppendBox(inner, "name", bytes(name, 4));
    std::vector<unsigned char> data = bytes(value, 8);
    data[3] = 1;  // UTF-8 text
    AppendBox(inner, "data", data);
    std::vector<unsigned char> atom;
    AppendBox(atom, "----", inner);
    return atom;
}

// The box `type` among the boxes in [from, to) of `data`: its start, or npos.
std::size_t FindBox(const std::vector<unsigned char>& data, std::size_t from, std::size_t to,
                    const char* type) {
    while (from + 8 <= to) {
        const std::uint32_t size = Big32(data, from);
        if (size < 8 || from + size > to) {
            return std::string::npos;
        }
        if (std::memcmp(data.data() + from + 4, type, 4) == 0) {
            return from;
        }
        from += size;
    }
    return std::string::npos;
}

// Adds `tags` as freeform atoms to the ilst of an MP4 file whose moov comes last (as its muxer
// writes it): the boxes that hold the ilst grow, what follows it in the moov moves on (no chunk
// offset changes: the sound lies before). Returns whether it was written.
bool AddFreeformAtoms(ExclusiveOutputFile& file, std::vector<unsigned char> data,
                      const std::vector<std::pair<std::string, std::string>>& tags) {
    std::size_t moov = std::string::npos;
    for (std::size_t at = 0; at + 8 <= data.size();) {
        const std::uint32_t size = Big32(data, at);
        if (size < 8 || at + size > data.size()) {
            return false;  // a 64-bit size: left as it is
        }
        if (std::memcmp(data.data() + at + 4, "moov", 4) == 0) {
            moov = at;
        }
        at += size;
    }
    if (moov == std::string::npos || moov + Big32(data, moov) != data.size()) {
        return false;  // the moov is not last
    }
    const std::size_t udta = FindBox(data, moov + 8, data.size(), "udta");
    const std::size_t meta = udta == std::string::npos
                                 ? udta
                                 : FindBox(data, udta + 8, udta + Big32(data, udta), "meta");
    // A meta box has a version and flags before its children.
    const std::size_t ilst = meta == std::string::npos
                                 ? meta
                                 : FindBox(data, meta + 12, meta + Big32(data, meta), "ilst");
    if (ilst == std::string::npos) {
        return false;
    }
    std::vector<unsigned char> atoms;
    for (const auto& [name, value] : tags) {
        const std::vector<unsigned char> atom = FreeformAtom(name, value);
        atoms.insert(atoms.end(), atom.begin(), atom.end());
    }
    const std::size_t insertAt = ilst + Big32(data, ilst);
    const auto grow = static_cast<std::uint32_t>(atoms.size());
    for (const std::size_t box : {moov, udta, meta, ilst}) {
        PutBig32(data, box, Big32(data, box) + grow);
    }
    data.insert(data.begin() + static_cast<std::ptrdiff_t>(insertAt), atoms.begin(), atoms.end());
    return file.Overwrite(static_cast<std::int64_t>(moov), data.data() + moov,
                          data.size() - moov) == 0;
}

}  // namespace

std::string FixedWidthGain(double decibels) {
    const double clamped = std::clamp(std::isfinite(decibels) ? decibels : 0.0, -99.99, 99.99);
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, std::abs(clamped),
                                   std::chars_format::fixed, 2);
    std::string text(digits, end.ptr);
    while (text.size() < 5) {
        text.insert(text.begin(), '0');
    }
    return (clamped < 0 ? "-" : "+") + text + " dB";
}

std::string FixedWidthPeak(double linear) {
    const double clamped = std::clamp(std::isfinite(linear) ? linear : 0.0, 0.0, 9.999999);
    char digits[16];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, clamped, std::chars_format::fixed, 6);
    return std::string(digits, end.ptr);
}

bool PatchTrackReplayGain(ExclusiveOutputFile& file, const std::string& albumGain,
                          const std::string& albumPeak) {
    // The tags sit in the header: read as much of the file as a header with a cover can take.
    constexpr std::size_t kMostHeader = 64u << 20;
    std::vector<unsigned char> data;
    {
        std::ifstream in(file.PartPath(), std::ios::binary);
        data.assign(std::istreambuf_iterator<char>(in), {});
        if (data.size() > kMostHeader) {
            data.resize(kMostHeader);
        }
    }
    const std::size_t gainAt = FindValue(data, "REPLAYGAIN_TRACK_GAIN", kTrackGainPlaceholder);
    const std::size_t peakAt = FindValue(data, "REPLAYGAIN_TRACK_PEAK", kTrackPeakPlaceholder);
    const bool mp4 = data.size() >= 8 && std::memcmp(data.data() + 4, "ftyp", 4) == 0;
    if ((gainAt == std::string::npos || peakAt == std::string::npos) && !mp4) {
        return false;
    }
    const LoudnessFacts facts = MeasureLoudness(file.PartPath(), 0);
    const bool sound = facts.measured && std::isfinite(facts.integrated);
    const std::string gain = FixedWidthGain(sound ? -18.0 - facts.integrated : 0.0);
    const std::string peak = FixedWidthPeak(
        sound && std::isfinite(facts.truePeak) ? std::pow(10.0, facts.truePeak / 20.0) : 0.0);
    if (gainAt == std::string::npos || peakAt == std::string::npos) {
        // MP4: its muxer keeps no such tags; they go in as iTunes freeform atoms.
        if (data.size() >= kMostHeader || !sound) {
            return false;
        }
        std::vector<std::pair<std::string, std::string>> tags = {{"replaygain_track_gain", gain},
                                                                 {"replaygain_track_peak", peak}};
        if (!albumGain.empty()) {
            tags.emplace_back("replaygain_album_gain", albumGain);
            tags.emplace_back("replaygain_album_peak", albumPeak);
        }
        return AddFreeformAtoms(file, std::move(data), tags);
    }
    std::copy(gain.begin(), gain.end(), data.begin() + static_cast<std::ptrdiff_t>(gainAt));
    std::copy(peak.begin(), peak.end(), data.begin() + static_cast<std::ptrdiff_t>(peakAt));
    // In Ogg, the pages that hold the comments get their checksums anew.
    if (OggPageAt(data, gainAt).first != std::string::npos) {
        bool written = true;
        std::size_t done = std::string::npos;
        for (const std::size_t at : {gainAt, peakAt}) {
            const auto [page, length] = OggPageAt(data, at);
            if (page == std::string::npos || page == done) {
                continue;
            }
            std::fill(data.begin() + static_cast<std::ptrdiff_t>(page + 22),
                      data.begin() + static_cast<std::ptrdiff_t>(page + 26), 0);
            const std::uint32_t crc = OggChecksum(data.data() + page, length);
            for (int i = 0; i < 4; ++i) {
                data[page + 22 + static_cast<std::size_t>(i)] =
                    static_cast<unsigned char>((crc >> (8 * i)) & 0xff);
            }
            written = written && file.Overwrite(static_cast<std::int64_t>(page), data.data() + page,
                                                length) == 0;
            done = page;
        }
        return written && sound;
    }
    return file.Overwrite(static_cast<std::int64_t>(gainAt), gain.data(), gain.size()) == 0 &&
           file.Overwrite(static_cast<std::int64_t>(peakAt), peak.data(), peak.size()) == 0 &&
           sound;
}

}  // namespace tolvane
