#include "ReplayGainPatch.h"

#include <QtGlobal>  // QT_TRANSLATE_NOOP: the window translates these

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <new>
#include <string_view>
#include <utility>
#include <vector>

extern "C" {
#include <libavutil/bswap.h>
#include <libavutil/crc.h>
}

#include "FFmpegHandles.h"
#include "Loudness.h"

namespace tolvane {

namespace {

using Bytes = std::vector<unsigned char>;

constexpr std::string_view kGainKey = "REPLAYGAIN_TRACK_GAIN";
constexpr std::string_view kPeakKey = "REPLAYGAIN_TRACK_PEAK";
// The most a header may hold that is read whole (a cover picture is the bulk of it).
constexpr std::int64_t kMostHeaderBytes = 256LL << 20;

// Where a value to swap lies in the file, and how its characters are written there.
struct Spot final {
    std::int64_t at = 0;
    std::size_t swap = 0;  // which of the swaps
    bool utf16 = false;    // each character as two bytes
    bool bigEndian = false;
    // Ogg: the one byte of the text at `at` (a value may run across a page's end); npos: all.
    std::size_t character = std::string::npos;
};

// What a container's header says: the spots of its values to swap, and, for Ogg, the pages
// that hold them (their checksums are made anew).
struct Found final {
    std::vector<Spot> spots;
    std::vector<std::pair<std::int64_t, std::int64_t>> oggPages;  // start, length
    bool broken = false;  // the structure did not read as it should
};

// Reads `size` bytes at `at`; false when the file is shorter or cannot be read.
bool Read(ExclusiveOutputFile& file, std::int64_t at, std::size_t size, Bytes& out) {
    out.resize(size);
    return size == 0 || file.ReadAt(at, out.data(), size) == static_cast<std::int64_t>(size);
}

std::uint32_t Big32(const unsigned char* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           std::uint32_t{p[3]};
}
std::uint64_t Big64(const unsigned char* p) {
    return (std::uint64_t{Big32(p)} << 32) | Big32(p + 4);
}
std::uint32_t Little32(const unsigned char* p) {
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
           (std::uint32_t{p[3]} << 24);
}
std::uint64_t Little64(const unsigned char* p) {
    return std::uint64_t{Little32(p)} | (std::uint64_t{Little32(p + 4)} << 32);
}
std::uint16_t Little16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return (x >= 'a' && x <= 'z' ? x - 32 : x) == (y >= 'a' && y <= 'z' ? y - 32 : y);
           });
}

// A Vorbis comment list (vendor, count, "KEY=value" entries, lengths little-endian) in `data`
// from `from`: the spots of the swaps' values (as offsets into `data`). False when the list does
// not read.
bool ReadVorbisComments(const Bytes& data, std::size_t from, const std::vector<TagSwap>& swaps,
                        std::vector<Spot>& spots) {
    const auto have = [&](std::size_t at, std::size_t n) {
        return at <= data.size() && n <= data.size() - at;
    };
    if (!have(from, 4)) {
        return false;
    }
    std::size_t at = from + 4 + Little32(data.data() + from);
    if (!have(at, 4)) {
        return false;
    }
    const std::uint32_t count = Little32(data.data() + at);
    at += 4;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (!have(at, 4)) {
            return false;
        }
        const std::size_t length = Little32(data.data() + at);
        at += 4;
        if (!have(at, length)) {
            return false;
        }
        const std::string_view comment(reinterpret_cast<const char*>(data.data() + at), length);
        for (std::size_t k = 0; k < swaps.size(); ++k) {
            const std::string_view key = swaps[k].key;
            const std::string_view value = swaps[k].before;
            if (comment.size() == key.size() + 1 + value.size() &&
                SameText(comment.substr(0, key.size()), key) && comment[key.size()] == '=' &&
                comment.substr(key.size() + 1) == value) {
                spots.push_back({static_cast<std::int64_t>(at + key.size() + 1), k});
            }
        }
        at += length;
    }
    return true;
}

// MP3: ID3v2 TXXX frames (description, then the value) at the file's start.
Found FindInId3(ExclusiveOutputFile& file, const std::vector<TagSwap>& swaps) {
    Found found;
    Bytes header;
    if (!Read(file, 0, 10, header) || std::memcmp(header.data(), "ID3", 3) != 0) {
        found.broken = true;
        return found;
    }
    const int version = header[3];
    const auto syncsafe = [](const unsigned char* p) {
        return (std::size_t{p[0]} << 21) | (std::size_t{p[1]} << 14) | (std::size_t{p[2]} << 7) |
               std::size_t{p[3]};
    };
    Bytes tag;
    if ((version != 3 && version != 4) || (header[5] & 0x80) != 0 ||
        !Read(file, 10, syncsafe(header.data() + 6), tag)) {
        found.broken = true;  // unsynchronised tags are not written here
        return found;
    }
    std::size_t at = 0;
    if ((header[5] & 0x40) != 0 && tag.size() >= 4) {  // an extended header
        at = version == 4 ? syncsafe(tag.data()) : Big32(tag.data()) + 4;
    }
    while (at + 10 <= tag.size() && tag[at] != 0) {
        const std::size_t size =
            version == 4 ? syncsafe(tag.data() + at + 4) : Big32(tag.data() + at + 4);
        const std::size_t body = at + 10;
        if (size > tag.size() - body) {
            found.broken = true;
            return found;
        }
        if (std::memcmp(tag.data() + at, "TXXX", 4) == 0 && size > 1) {
            const int encoding = tag[body];
            const bool wide = encoding == 1 || encoding == 2;
            // The description and its terminator, then the value, in the frame's encoding.
            for (std::size_t k = 0; k < swaps.size(); ++k) {
                const std::string_view key = swaps[k].key;
                const std::string_view value = swaps[k].before;
                Bytes expected;
                const bool bigEndian = encoding == 2;
                const auto add = [&](std::string_view text, bool bom) {
                    if (wide && bom && encoding == 1) {
                        expected.insert(expected.end(), {0xFF, 0xFE});
                    }
                    for (const char c : text) {
                        if (wide) {
                            expected.push_back(bigEndian ? 0 : static_cast<unsigned char>(c));
                            expected.push_back(bigEndian ? static_cast<unsigned char>(c) : 0);
                        } else {
                            expected.push_back(static_cast<unsigned char>(c));
                        }
                    }
                };
                add(key, true);
                expected.insert(expected.end(), wide ? 2 : 1, 0);
                const std::size_t valueAt = expected.size() + (wide && encoding == 1 ? 2 : 0);
                add(value, true);
                const std::size_t span = size - 1;
                if (span >= expected.size() && span <= expected.size() + (wide ? 2 : 1) &&
                    std::equal(expected.begin(), expected.end(),
                               tag.begin() + static_cast<std::ptrdiff_t>(body + 1))) {
                    found.spots.push_back(
                        {static_cast<std::int64_t>(10 + body + 1 + valueAt), k, wide, bigEndian});
                }
            }
        } else if (std::memcmp(tag.data() + at, "CHAP", 4) == 0) {
            // A chapter: its element id and NUL, then its start and end in milliseconds (big
            // endian), swapped as a key "CHAP <id>" whose value is those eight bytes.
            const auto* begin = tag.data() + body;
            const auto* nul = static_cast<const unsigned char*>(std::memchr(begin, 0, size));
            if (nul != nullptr && static_cast<std::size_t>(nul - begin) + 1 + 8 <= size) {
                const std::string key =
                    "CHAP " + std::string(reinterpret_cast<const char*>(begin),
                                          static_cast<std::size_t>(nul - begin));
                const std::string times(reinterpret_cast<const char*>(nul + 1), 8);
                for (std::size_t k = 0; k < swaps.size(); ++k) {
                    if (swaps[k].key == key && swaps[k].before == times) {
                        found.spots.push_back(
                            {static_cast<std::int64_t>(10 + (nul + 1 - tag.data())), k});
                    }
                }
            }
        }
        at = body + size;
    }
    return found;
}

// FLAC: the VORBIS_COMMENT metadata block.
Found FindInFlac(ExclusiveOutputFile& file, const std::vector<TagSwap>& swaps) {
    Found found;
    Bytes head;
    if (!Read(file, 0, 4, head) || std::memcmp(head.data(), "fLaC", 4) != 0) {
        found.broken = true;
        return found;
    }
    std::int64_t at = 4;
    for (bool last = false; !last;) {
        Bytes block;
        if (!Read(file, at, 4, block)) {
            found.broken = true;
            return found;
        }
        last = (block[0] & 0x80) != 0;
        const std::size_t size =
            (std::size_t{block[1]} << 16) | (std::size_t{block[2]} << 8) | block[3];
        if ((block[0] & 0x7F) == 4) {
            Bytes comments;
            std::vector<Spot> spots;
            if (!Read(file, at + 4, size, comments) ||
                !ReadVorbisComments(comments, 0, swaps, spots)) {
                found.broken = true;
                return found;
            }
            for (Spot& spot : spots) {
                spot.at += at + 4;
                found.spots.push_back(spot);
            }
        }
        at += 4 + static_cast<std::int64_t>(size);
    }
    return found;
}

// Ogg (Vorbis, Opus, FLAC): the comment packet, the stream's second, may span pages; each of its
// bytes is mapped back to where it lies in the file.
Found FindInOgg(ExclusiveOutputFile& file, const std::vector<TagSwap>& swaps) {
    Found found;
    Bytes packet;
    std::vector<std::int64_t> where;  // the file offset of each byte of `packet`
    int packets = 0;
    std::int64_t at = 0;
    bool done = false;
    while (!done) {
        Bytes header;
        if (!Read(file, at, 27, header) || std::memcmp(header.data(), "OggS", 4) != 0) {
            found.broken = true;
            return found;
        }
        Bytes lacing;
        if (!Read(file, at + 27, header[26], lacing)) {
            found.broken = true;
            return found;
        }
        std::int64_t body = at + 27 + header[26];
        std::int64_t length = 27 + header[26];
        for (const unsigned char lace : lacing) {
            length += lace;
        }
        bool holdsComments = false;
        for (const unsigned char lace : lacing) {
            if (packets == 1) {
                Bytes bytes;
                if (!Read(file, body, lace, bytes)) {
                    found.broken = true;
                    return found;
                }
                packet.insert(packet.end(), bytes.begin(), bytes.end());
                for (int i = 0; i < lace; ++i) {
                    where.push_back(body + i);
                }
                holdsComments = true;
                if (static_cast<std::int64_t>(packet.size()) > kMostHeaderBytes) {
                    found.broken = true;
                    return found;
                }
            }
            body += lace;
            if (lace < 255) {
                done = done || packets == 1;
                ++packets;
            }
        }
        if (holdsComments) {
            found.oggPages.emplace_back(at, length);
        }
        at += length;
    }
    // The comment packet's own start: "\x03vorbis", "OpusTags", or a FLAC metadata block header.
    std::size_t from = 0;
    if (packet.size() >= 7 && std::memcmp(packet.data(), "\x03vorbis", 7) == 0) {
        from = 7;
    } else if (packet.size() >= 8 && std::memcmp(packet.data(), "OpusTags", 8) == 0) {
        from = 8;
    } else if (!packet.empty() && (packet[0] & 0x7F) == 4) {
        from = 4;
    } else {
        found.broken = true;
        return found;
    }
    std::vector<Spot> spots;
    if (!ReadVorbisComments(packet, from, swaps, spots)) {
        found.broken = true;
        return found;
    }
    for (const Spot& spot : spots) {
        // One spot per byte: the text may run across a page's end.
        for (std::size_t c = 0; c < swaps[spot.swap].before.size(); ++c) {
            Spot byte = spot;
            byte.at = where[static_cast<std::size_t>(spot.at) + c];
            byte.character = c;
            found.spots.push_back(byte);
        }
    }
    return found;
}

// WMA (ASF): the Extended Content Description object's descriptors, names and values in UTF-16.
Found FindInAsf(ExclusiveOutputFile& file, const std::vector<TagSwap>& swaps) {
    static constexpr unsigned char kHeaderGuid[16] = {0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66,
                                                      0xCF, 0x11, 0xA6, 0xD9, 0x00, 0xAA,
                                                      0x00, 0x62, 0xCE, 0x6C};
    static constexpr unsigned char kExtendedGuid[16] = {0x40, 0xA4, 0xD0, 0xD2, 0x07, 0xE3,
                                                        0xD2, 0x11, 0x97, 0xF0, 0x00, 0xA0,
                                                        0xC9, 0x5E, 0xA8, 0x50};
    Found found;
    Bytes header;
    if (!Read(file, 0, 30, header) || std::memcmp(header.data(), kHeaderGuid, 16) != 0) {
        found.broken = true;
        return found;
    }
    const std::uint64_t size = Little64(header.data() + 16);
    Bytes objects;
    if (size < 30 || static_cast<std::int64_t>(size) > kMostHeaderBytes ||
        !Read(file, 30, size - 30, objects)) {
        found.broken = true;
        return found;
    }
    const auto utf16 = [](std::string_view text) {
        Bytes out;
        for (const char c : text) {
            out.push_back(static_cast<unsigned char>(c));
            out.push_back(0);
        }
        out.insert(out.end(), {0, 0});
        return out;
    };
    for (std::size_t at = 0; at + 24 <= objects.size();) {
        const std::uint64_t length = Little64(objects.data() + at + 16);
        if (length < 24 || length > objects.size() - at) {
            found.broken = true;
            return found;
        }
        if (std::memcmp(objects.data() + at, kExtendedGuid, 16) == 0 && length >= 26) {
            const std::size_t end = at + length;
            std::size_t d = at + 26;
            for (int n = Little16(objects.data() + at + 24); n > 0 && d + 2 <= end; --n) {
                const std::size_t nameLength = Little16(objects.data() + d);
                const std::size_t name = d + 2;
                if (name + nameLength + 4 > end) {
                    break;
                }
                const int type = Little16(objects.data() + name + nameLength);
                const std::size_t valueLength = Little16(objects.data() + name + nameLength + 2);
                const std::size_t value = name + nameLength + 4;
                if (value + valueLength > end) {
                    break;
                }
                for (std::size_t k = 0; k < swaps.size(); ++k) {
                    const Bytes key = utf16(swaps[k].key);
                    const Bytes text = utf16(swaps[k].before);
                    if (type == 0 && nameLength == key.size() && valueLength == text.size() &&
                        std::equal(key.begin(), key.end(),
                                   objects.begin() + static_cast<std::ptrdiff_t>(name)) &&
                        std::equal(text.begin(), text.end(),
                                   objects.begin() + static_cast<std::ptrdiff_t>(value))) {
                        found.spots.push_back({static_cast<std::int64_t>(30 + value), k, true});
                    }
                }
                d = value + valueLength;
            }
        }
        at += length;
    }
    return found;
}

// Matroska: EBML elements; the Tags of the Segment, their SimpleTags' TagName and TagString.
class Ebml final {
public:
    explicit Ebml(ExclusiveOutputFile& file) : m_file(file) {}
    // Reads an element's id and size at `at`; false at the end or where they do not read.
    bool Element(std::int64_t at, std::uint32_t& id, std::int64_t& size, std::int64_t& body) {
        Bytes head(12);
        const std::int64_t got = m_file.ReadAt(at, head.data(), head.size());
        if (got < 2) {
            return false;
        }
        int idLength = 0;
        for (int bit = 0; bit < 4 && idLength == 0; ++bit) {
            if ((head[0] & (0x80 >> bit)) != 0) {
                idLength = bit + 1;
            }
        }
        int sizeLength = 0;
        for (int bit = 0; bit < 8 && idLength != 0 && sizeLength == 0; ++bit) {
            if ((head[static_cast<std::size_t>(idLength)] & (0x80 >> bit)) != 0) {
                sizeLength = bit + 1;
            }
        }
        if (idLength == 0 || sizeLength == 0 || idLength + sizeLength > got) {
            return false;
        }
        id = 0;
        for (int i = 0; i < idLength; ++i) {
            id = (id << 8) | head[static_cast<std::size_t>(i)];
        }
        std::uint64_t value = head[static_cast<std::size_t>(idLength)] & (0xFF >> sizeLength);
        bool unknown = value == (0xFFu >> sizeLength);
        for (int i = 1; i < sizeLength; ++i) {
            const unsigned char b = head[static_cast<std::size_t>(idLength + i)];
            value = (value << 8) | b;
            unknown = unknown && b == 0xFF;
        }
        size = unknown ? -1 : static_cast<std::int64_t>(value);
        body = at + idLength + sizeLength;
        return true;
    }

private:
    ExclusiveOutputFile& m_file;
};

Found FindInMatroska(ExclusiveOutputFile& file, const std::vector<TagSwap>& swaps) {
    constexpr std::uint32_t kSegment = 0x18538067, kTags = 0x1254C367, kTag = 0x7373,
                            kSimpleTag = 0x67C8, kTagName = 0x45A3, kTagString = 0x4487;
    Found found;
    Ebml ebml(file);
    std::uint32_t id = 0;
    std::int64_t size = 0;
    std::int64_t body = 0;
    if (!ebml.Element(0, id, size, body) || id != 0x1A45DFA3 || size < 0) {
        found.broken = true;
        return found;
    }
    std::int64_t at = body + size;
    if (!ebml.Element(at, id, size, body) || id != kSegment) {
        found.broken = true;
        return found;
    }
    const std::int64_t fileSize = file.Size();
    const std::int64_t segmentEnd = size < 0 ? fileSize : std::min(fileSize, body + size);
    // The children of an element, with what to do for each.
    const auto walk = [&](auto&& self, std::int64_t from, std::int64_t to, int depth) -> bool {
        for (std::int64_t child = from; child < to;) {
            std::uint32_t childId = 0;
            std::int64_t childSize = 0;
            std::int64_t childBody = 0;
            if (!ebml.Element(child, childId, childSize, childBody) || childSize < 0 ||
                childBody + childSize > to) {
                return depth == 0 && childSize < 0;  // a cluster of unknown size ends the walk
            }
            if ((depth == 0 && childId == kTags) || (depth == 1 && childId == kTag)) {
                if (!self(self, childBody, childBody + childSize, depth + 1)) {
                    return false;
                }
            } else if (depth == 2 && childId == kSimpleTag && childSize < 4096) {
                Bytes simple;
                if (!Read(file, childBody, static_cast<std::size_t>(childSize), simple)) {
                    return false;
                }
                std::string name;
                std::int64_t stringAt = -1;
                std::int64_t stringSize = 0;
                for (std::int64_t e = childBody; e < childBody + childSize;) {
                    std::uint32_t eId = 0;
                    std::int64_t eSize = 0;
                    std::int64_t eBody = 0;
                    if (!ebml.Element(e, eId, eSize, eBody) || eSize < 0 ||
                        eBody + eSize > childBody + childSize) {
                        return false;
                    }
                    const auto offset = static_cast<std::size_t>(eBody - childBody);
                    if (eId == kTagName) {
                        name.assign(reinterpret_cast<const char*>(simple.data() + offset),
                                    static_cast<std::size_t>(eSize));
                    } else if (eId == kTagString) {
                        stringAt = eBody;
                        stringSize = eSize;
                    }
                    e = eBody + eSize;
                }
                for (std::size_t k = 0; k < swaps.size(); ++k) {
                    const std::string_view value = swaps[k].before;
                    if (stringAt >= 0 && SameText(name, swaps[k].key) &&
                        stringSize == static_cast<std::int64_t>(value.size()) &&
                        std::memcmp(simple.data() + (stringAt - childBody), value.data(),
                                    value.size()) == 0) {
                        found.spots.push_back({stringAt, k});
                    }
                }
            }
            child = childBody + childSize;
        }
        return true;
    };
    found.broken = !walk(walk, body, segmentEnd, 0);
    return found;
}

// MP4: boxes. A box as read: where it starts, its header's length and its whole size.
struct Box final {
    std::size_t at = 0;
    std::size_t header = 8;
    std::uint64_t size = 0;
};

// The box `type` among the boxes in [from, to) of `data`.
bool FindBox(const Bytes& data, std::size_t from, std::size_t to, const char* type, Box& box) {
    while (from + 8 <= to) {
        Box b{from, 8, Big32(data.data() + from)};
        if (b.size == 1 && from + 16 <= to) {
            b.header = 16;
            b.size = Big64(data.data() + from + 8);
        } else if (b.size == 0) {
            b.size = to - from;
        }
        if (b.size < b.header || b.size > to - from) {
            return false;
        }
        if (std::memcmp(data.data() + from + 4, type, 4) == 0) {
            box = b;
            return true;
        }
        from += b.size;
    }
    return false;
}

void PutBig32(Bytes& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out[at + static_cast<std::size_t>(i)] =
            static_cast<unsigned char>((value >> (24 - 8 * i)) & 0xff);
    }
}

// Grows the size of `box` in `data` by `grow` bytes (32- or 64-bit size fields).
bool GrowBox(Bytes& data, const Box& box, std::size_t grow) {
    const std::uint64_t size = box.size + grow;
    if (box.header == 16) {
        PutBig32(data, box.at + 8, static_cast<std::uint32_t>(size >> 32));
        PutBig32(data, box.at + 12, static_cast<std::uint32_t>(size));
        return true;
    }
    if (size > 0xFFFFFFFFu) {
        return false;
    }
    PutBig32(data, box.at, static_cast<std::uint32_t>(size));
    return true;
}

// One box: its size and type, then `body`.
void AppendBox(Bytes& out, const char* type, const Bytes& body) {
    const std::size_t at = out.size();
    out.resize(at + 8);
    PutBig32(out, at, static_cast<std::uint32_t>(8 + body.size()));
    std::memcpy(out.data() + at + 4, type, 4);
    out.insert(out.end(), body.begin(), body.end());
}

// An iTunes freeform atom "----": mean "com.apple.iTunes", `name`, and `value` as UTF-8 text.
Bytes FreeformAtom(const std::string& name, const std::string& value) {
    const auto bytes = [](const std::string& text, std::size_t zeros) {
        Bytes body(zeros, 0);
        body.insert(body.end(), text.begin(), text.end());
        return body;
    };
    Bytes inner;
    AppendBox(inner, "mean", bytes("com.apple.iTunes", 4));
    AppendBox(inner, "name", bytes(name, 4));
    Bytes data = bytes(value, 8);
    data[3] = 1;  // UTF-8 text
    AppendBox(inner, "data", data);
    Bytes atom;
    AppendBox(atom, "----", inner);
    return atom;
}

// Inserts `content` at the end of the box `type` inside `parent` (made, empty, when missing),
// growing `parent` and every box in `chain` above it; `skip` bytes of a full box's version and
// flags lie before the children. Returns the box found or made, or false.
bool EnterOrMake(Bytes& moov, std::vector<Box>& chain, const char* type, std::size_t skip,
                 const Bytes& made, Box& box) {
    const Box& parent = chain.back();
    const std::size_t childrenFrom = parent.at + parent.header + (chain.size() == 1 ? 0 : skip);
    if (FindBox(moov, childrenFrom, parent.at + parent.size, type, box)) {
        return true;
    }
    const std::size_t at = parent.at + parent.size;
    moov.insert(moov.begin() + static_cast<std::ptrdiff_t>(at), made.begin(), made.end());
    for (Box& above : chain) {
        if (!GrowBox(moov, above, made.size())) {
            return false;
        }
        above.size += made.size();
    }
    box = Box{at, 8, made.size()};
    return true;
}

// Adds `tags` as freeform atoms to the ilst of an MP4 file (udta, meta and ilst made where
// missing). The moov is read whole; where it is the file's last box it is written over with its
// new size, elsewhere the old one becomes a "free" box and the new one is appended: the sound's
// chunk offsets never change.
int AddFreeformAtoms(ExclusiveOutputFile& file,
                     const std::vector<std::pair<std::string, std::string>>& tags,
                     std::string& failure) {
    const std::int64_t fileSize = file.Size();
    if (fileSize < 0) {
        failure = QT_TRANSLATE_NOOP("Messages", "cannot read the output");
        return static_cast<int>(fileSize);
    }
    std::int64_t moovAt = -1;
    std::uint64_t moovSize = 0;
    for (std::int64_t at = 0; at + 8 <= fileSize;) {
        Bytes head;
        if (!Read(file, at, 16, head) && !Read(file, at, 8, head)) {
            break;
        }
        std::uint64_t size = Big32(head.data());
        if (size == 1 && head.size() >= 16) {
            size = Big64(head.data() + 8);
        } else if (size == 0) {
            size = static_cast<std::uint64_t>(fileSize - at);
        }
        if (size < 8 || size > static_cast<std::uint64_t>(fileSize - at)) {
            break;
        }
        if (std::memcmp(head.data() + 4, "moov", 4) == 0) {
            moovAt = at;
            moovSize = size;
        }
        at += static_cast<std::int64_t>(size);
    }
    Bytes moov;
    if (moovAt < 0 || moovSize > static_cast<std::uint64_t>(kMostHeaderBytes) ||
        !Read(file, moovAt, moovSize, moov)) {
        failure = QT_TRANSLATE_NOOP("Messages", "no movie header to tag");
        return AVERROR_INVALIDDATA;
    }
    std::vector<Box> chain;
    Box root{0, Big32(moov.data()) == 1 ? 16u : 8u, moovSize};
    chain.push_back(root);
    Box udta;
    Box meta;
    Box ilst;
    Bytes emptyMeta = {0, 0, 0, 0};
    Bytes handler = {0,   0,   0,   0, 0, 0, 0, 0, 'm', 'd', 'i', 'r', 'a',
                     'p', 'p', 'l', 0, 0, 0, 0, 0, 0,   0,   0,   0};
    AppendBox(emptyMeta, "hdlr", handler);
    AppendBox(emptyMeta, "ilst", {});
    Bytes udtaBox, metaBox, ilstBox;
    AppendBox(udtaBox, "udta", {});
    AppendBox(metaBox, "meta", emptyMeta);
    AppendBox(ilstBox, "ilst", {});
    bool ok = EnterOrMake(moov, chain, "udta", 0, udtaBox, udta);
    if (ok) {
        chain.push_back(udta);
        ok = EnterOrMake(moov, chain, "meta", 0, metaBox, meta);
    }
    if (ok) {
        chain.push_back(meta);
        // A meta box has a version and flags before its children.
        ok = EnterOrMake(moov, chain, "ilst", 4, ilstBox, ilst);
    }
    if (!ok) {
        failure = QT_TRANSLATE_NOOP("Messages", "the movie header's boxes do not read");
        return AVERROR_INVALIDDATA;
    }
    chain.push_back(ilst);
    Bytes atoms;
    for (const auto& [name, value] : tags) {
        const Bytes atom = FreeformAtom(name, value);
        atoms.insert(atoms.end(), atom.begin(), atom.end());
    }
    const std::size_t insertAt = ilst.at + ilst.size;
    for (const Box& box : chain) {
        if (!GrowBox(moov, box, atoms.size())) {
            failure = QT_TRANSLATE_NOOP("Messages", "the movie header would grow too large");
            return AVERROR_INVALIDDATA;
        }
    }
    moov.insert(moov.begin() + static_cast<std::ptrdiff_t>(insertAt), atoms.begin(), atoms.end());
    int ret = 0;
    if (moovAt + static_cast<std::int64_t>(moovSize) == fileSize) {
        ret = file.Overwrite(moovAt, moov.data(), moov.size());
    } else {
        ret = file.Overwrite(fileSize, moov.data(), moov.size());
        if (ret >= 0) {
            ret = file.Overwrite(moovAt + 4, "free", 4);
        }
    }
    if (ret < 0) {
        failure = QT_TRANSLATE_NOOP("Messages", "cannot write the tags: ") + AvErrorText(ret);
    }
    return ret;
}

// Ogg's page checksum: CRC-32, polynomial 0x04c11db7, most significant bit first, from 0.
// (FFmpeg's table gives it byte-swapped.)
std::uint32_t OggChecksum(const unsigned char* data, std::size_t size) {
    return av_bswap32(av_crc(av_crc_get_table(AV_CRC_32_IEEE), 0, data, size));
}

Found FindSwaps(ExclusiveOutputFile& file, const std::vector<TagSwap>& swaps) {
    Bytes head;
    Found none;
    none.broken = true;
    if (!Read(file, 0, 16, head)) {
        return none;
    }
    if (std::memcmp(head.data(), "ID3", 3) == 0) {
        return FindInId3(file, swaps);
    }
    if (std::memcmp(head.data(), "fLaC", 4) == 0) {
        return FindInFlac(file, swaps);
    }
    if (std::memcmp(head.data(), "OggS", 4) == 0) {
        return FindInOgg(file, swaps);
    }
    if (head[0] == 0x1A && head[1] == 0x45 && head[2] == 0xDF && head[3] == 0xA3) {
        return FindInMatroska(file, swaps);
    }
    if (head[0] == 0x30 && head[1] == 0x26 && head[2] == 0xB2 && head[3] == 0x75) {
        return FindInAsf(file, swaps);
    }
    return none;
}

// Writes each swap's new text over its spots, then the Ogg pages' checksums anew.
int WriteSwaps(ExclusiveOutputFile& file, const Found& found, const std::vector<TagSwap>& swaps,
               std::string& failure) {
    for (const Spot& spot : found.spots) {
        const std::string& text = swaps[spot.swap].after;
        Bytes bytes;
        if (spot.character != std::string::npos) {
            bytes.push_back(static_cast<unsigned char>(text[spot.character]));
        } else {
            for (const char c : text) {
                if (spot.utf16 && spot.bigEndian) {
                    bytes.push_back(0);
                }
                bytes.push_back(static_cast<unsigned char>(c));
                if (spot.utf16 && !spot.bigEndian) {
                    bytes.push_back(0);
                }
            }
        }
        if (const int ret = file.Overwrite(spot.at, bytes.data(), bytes.size()); ret < 0) {
            failure = QT_TRANSLATE_NOOP("Messages", "cannot write the tags: ") + AvErrorText(ret);
            return ret;
        }
    }
    for (const auto& [page, length] : found.oggPages) {
        Bytes bytes;
        if (!Read(file, page, static_cast<std::size_t>(length), bytes)) {
            failure = QT_TRANSLATE_NOOP("Messages", "cannot read the output back");
            return AVERROR(EIO);
        }
        std::fill(bytes.begin() + 22, bytes.begin() + 26, 0);
        const std::uint32_t crc = OggChecksum(bytes.data(), bytes.size());
        unsigned char sum[4];
        for (int i = 0; i < 4; ++i) {
            sum[i] = static_cast<unsigned char>((crc >> (8 * i)) & 0xff);
        }
        if (const int ret = file.Overwrite(page + 22, sum, 4); ret < 0) {
            failure = QT_TRANSLATE_NOOP("Messages", "cannot write the tags: ") + AvErrorText(ret);
            return ret;
        }
    }
    return 0;
}

// Whether every swap was found at least once.
bool AllFound(const Found& found, std::size_t swaps) {
    std::vector<bool> seen(swaps, false);
    for (const Spot& spot : found.spots) {
        seen[spot.swap] = true;
    }
    return !found.broken && std::find(seen.begin(), seen.end(), false) == seen.end();
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

std::string FixedWidthR128(double decibels) {
    const double q78 = std::isfinite(decibels) ? std::round(decibels * 256.0) : 0.0;
    const long value = std::lround(std::clamp(q78, -32768.0, 32767.0));
    std::string digits = std::to_string(std::abs(value));
    digits.insert(0, 5 - digits.size(), '0');
    return (value < 0 ? "-" : "+") + digits;
}

GainTags GainTagsOf(const AVOutputFormat& format) {
    const std::string_view name = format.name;
    if (name == "opus") {
        return GainTags::R128;
    }
    for (const std::string_view placeholders : {"mp3", "ogg", "oga", "flac", "asf", "matroska"}) {
        if (name == placeholders) {
            return GainTags::Placeholders;
        }
    }
    for (const std::string_view atoms : {"ipod", "mp4", "mov"}) {
        if (name == atoms) {
            return GainTags::Mp4Atoms;
        }
    }
    return GainTags::None;
}

int PatchTrackReplayGain(ExclusiveOutputFile& file, GainTags tags, const GainPatch& patch,
                         std::string& failure) {
    if (tags == GainTags::None) {
        return 0;
    }
    try {
        std::vector<TagSwap> swaps = {
            {std::string(kGainKey), kTrackGainPlaceholder, {}},
            {std::string(kPeakKey), kTrackPeakPlaceholder, {}},
        };
        if (tags == GainTags::R128) {
            swaps = {{kR128TrackKey, kR128Placeholder, {}}};
        }
        // The structure first: a header that cannot be patched fails before the sound is read.
        Found found;
        if (tags != GainTags::Mp4Atoms) {
            found = FindSwaps(file, swaps);
            if (!AllFound(found, swaps.size())) {
                failure = QT_TRANSLATE_NOOP("Messages",
                                            "the ReplayGain tags could not be found in the header");
                return AVERROR_INVALIDDATA;
            }
        }
        // Measured while written (a stopped file too: what it holds is known); read again
        // otherwise, unless a stop came.
        const bool measured = patch.measured != nullptr && patch.measured->measured;
        const auto stopped = [&] {
            return !measured && patch.stop != nullptr &&
                   patch.stop->load(std::memory_order_relaxed);
        };
        if (stopped()) {
            return AVERROR_EXIT;
        }
        const LoudnessFacts facts =
            measured ? *patch.measured
                     : MeasureLoudnessInParts(file.PartPath(), 0, 0.0, 0.0, true,
                                              patch.soundSeconds, patch.stop, patch.parts);
        if (stopped()) {
            return AVERROR_EXIT;
        }
        if (!facts.measured) {
            failure = QT_TRANSLATE_NOOP("Messages",
                                        "cannot measure the output for its ReplayGain tags: ") +
                      facts.failure;
            return AVERROR_INVALIDDATA;
        }
        const bool sound = std::isfinite(facts.integrated);
        int ret = 0;
        if (tags == GainTags::R128) {
            swaps[0].after = FixedWidthR128(sound ? kR128Reference - facts.integrated : 0.0);
            ret = WriteSwaps(file, found, swaps, failure);
            if (ret < 0) {
                failure =
                    QT_TRANSLATE_NOOP("Messages", "the R128 gain could not be written: ") + failure;
            }
            return ret;
        }
        swaps[0].after = FixedWidthGain(sound ? -18.0 - facts.integrated : 0.0);
        swaps[1].after = FixedWidthPeak(sound ? facts.samplePeak : 0.0);
        if (tags == GainTags::Mp4Atoms) {
            std::vector<std::pair<std::string, std::string>> atoms = {
                {"replaygain_track_gain", swaps[0].after},
                {"replaygain_track_peak", swaps[1].after}};
            if (!patch.albumGain.empty()) {
                atoms.emplace_back("replaygain_album_gain", patch.albumGain);
                atoms.emplace_back("replaygain_album_peak", patch.albumPeak);
            }
            ret = AddFreeformAtoms(file, atoms, failure);
        } else {
            ret = WriteSwaps(file, found, swaps, failure);
        }
        if (ret < 0) {
            failure = QT_TRANSLATE_NOOP("Messages", "the ReplayGain tags could not be written: ") +
                      failure;
        }
        return ret;
    } catch (const std::bad_alloc&) {
        failure = QT_TRANSLATE_NOOP("Messages", "not enough memory for the ReplayGain tags");
        return AVERROR(ENOMEM);
    }
}

int SwapHeaderValues(ExclusiveOutputFile& file, const std::vector<TagSwap>& swaps,
                     std::string& failure) {
    try {
        const Found found = FindSwaps(file, swaps);
        if (found.broken) {
            return 0;
        }
        return WriteSwaps(file, found, swaps, failure);
    } catch (const std::bad_alloc&) {
        failure = QT_TRANSLATE_NOOP("Messages", "not enough memory for the tags");
        return AVERROR(ENOMEM);
    }
}

}  // namespace tolvane
