#include "SegmentJoin.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <limits>
#include <numeric>

extern "C" {
#include <libavutil/bswap.h>
#include <libavutil/crc.h>
}

#include "OutputMedia.h"

namespace tolvane {

namespace {

// Frames kept back from writing at the end of what a segment made: the frames a join may
// carry reservoir bytes into (main_data_begin reaches back at most 511 bytes, fewer than the
// main data of this many of the smallest frames).
constexpr std::int64_t kHeldFrames = 16;
// How far past a cut a join is looked for before the segment is given up.
constexpr std::int64_t kSearchFrames = 1000;
// The pre-roll: at least this long before each cut.
constexpr double kPreRollSeconds = 1.0;
// The samples between two long Vorbis blocks (of 2048) in a row.
constexpr std::int64_t kVorbisLongHop = 1024;

}  // namespace

bool ReadLayer3Frame(const std::uint8_t* data, int size, Layer3Frame& frame) {
    if (data == nullptr || size < 6 || data[0] != 0xFF || (data[1] & 0xE0) != 0xE0) {
        return false;
    }
    const int version = (data[1] >> 3) & 3;  // 3: MPEG-1, 2: MPEG-2, 0: MPEG-2.5
    const int layer = (data[1] >> 1) & 3;    // 1: Layer III
    if (version == 1 || layer != 1) {
        return false;
    }
    const bool crc = (data[1] & 1) == 0;
    const bool mono = ((data[3] >> 6) & 3) == 3;
    const bool mpeg1 = version == 3;
    const int side = mpeg1 ? (mono ? 17 : 32) : (mono ? 9 : 17);
    const int sideStart = 4 + (crc ? 2 : 0);
    if (size < sideStart + side) {
        return false;
    }
    frame.dataStart = sideStart + side;
    frame.mainDataBegin =
        mpeg1 ? (data[sideStart] << 1) | (data[sideStart + 1] >> 7) : data[sideStart];
    return true;
}

bool CarryReservoir(const std::vector<AVPacket*>& tail, const std::vector<const AVPacket*>& source,
                    int count) {
    if (count <= 0) {
        return true;
    }
    // The source's last `count` main data bytes, gathered from its last frames backwards.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
    int missing = count;
    for (auto it = source.rbegin(); it != source.rend() && missing > 0; ++it) {
        Layer3Frame frame;
        if (!ReadLayer3Frame((*it)->data, (*it)->size, frame)) {
            return false;
        }
        const int n = std::min(missing, (*it)->size - frame.dataStart);
        std::copy_n((*it)->data + (*it)->size - n, n, bytes.begin() + (missing - n));
        missing -= n;
    }
    int room = 0;
    for (const AVPacket* packet : tail) {
        Layer3Frame frame;
        if (!ReadLayer3Frame(packet->data, packet->size, frame)) {
            return false;
        }
        room += packet->size - frame.dataStart;
    }
    if (missing > 0 || room < count) {
        return false;
    }
    int left = count;
    for (auto it = tail.rbegin(); it != tail.rend() && left > 0; ++it) {
        if (av_packet_make_writable(*it) < 0) {
            return false;  // nothing of the tail is used yet by the frames before the join
        }
        Layer3Frame frame;
        ReadLayer3Frame((*it)->data, (*it)->size, frame);
        const int n = std::min(left, (*it)->size - frame.dataStart);
        std::copy_n(bytes.begin() + (left - n), n, (*it)->data + (*it)->size - n);
        left -= n;
    }
    return true;
}

bool RenumberFlacFrame(AVPacket& packet, std::int64_t number) {
    const std::uint8_t* data = packet.data;
    const int size = packet.size;
    // Sync code with a fixed block size (the variable kind numbers samples, not frames).
    if (data == nullptr || size < 8 || data[0] != 0xFF || data[1] != 0xF8 || number < 0 ||
        number >= (std::int64_t{1} << 31)) {
        return false;
    }
    // The old number's length, as UTF-8 codes lengths.
    int length = 0;
    for (const std::uint8_t lead = data[4]; length < 7 && (lead & (0x80 >> length)) != 0;) {
        ++length;
    }
    length = length == 0 ? 1 : length;
    if (length == 1 && (data[4] & 0x80) != 0) {
        return false;
    }
    const int blockCode = data[2] >> 4;
    const int rateCode = data[2] & 0x0F;
    const int extra = (blockCode == 6   ? 1
                       : blockCode == 7 ? 2
                                        : 0) +
                      (rateCode == 12                     ? 1
                       : rateCode == 13 || rateCode == 14 ? 2
                                                          : 0);
    const int crc8At = 4 + length + extra;
    if (size < crc8At + 3) {
        return false;
    }
    const AVCRC* crc8 = av_crc_get_table(AV_CRC_8_ATM);
    const AVCRC* crc16 = av_crc_get_table(AV_CRC_16_ANSI);
    const auto frameCrc = [&](const std::uint8_t* bytes, std::size_t count) {
        return static_cast<std::uint16_t>(
            av_bswap16(static_cast<std::uint16_t>(av_crc(crc16, 0, bytes, count))));
    };
    // Only a frame whose checks hold is rewritten.
    if (av_crc(crc8, 0, data, static_cast<std::size_t>(crc8At)) != data[crc8At] ||
        frameCrc(data, static_cast<std::size_t>(size - 2)) !=
            ((data[size - 2] << 8) | data[size - 1])) {
        return false;
    }
    std::vector<std::uint8_t> frame(data, data + 4);
    if (number < 0x80) {
        frame.push_back(static_cast<std::uint8_t>(number));
    } else {
        int bytes = 2;
        while (bytes < 6 && number >= (std::int64_t{1} << (5 * bytes + 1))) {
            ++bytes;
        }
        frame.push_back(static_cast<std::uint8_t>((0xFF00 >> bytes) & 0xFF) |
                        static_cast<std::uint8_t>(number >> (6 * (bytes - 1))));
        for (int i = bytes - 2; i >= 0; --i) {
            frame.push_back(static_cast<std::uint8_t>(0x80 | ((number >> (6 * i)) & 0x3F)));
        }
    }
    frame.insert(frame.end(), data + 4 + length, data + crc8At);
    frame.push_back(static_cast<std::uint8_t>(av_crc(crc8, 0, frame.data(), frame.size())));
    frame.insert(frame.end(), data + crc8At + 1, data + size - 2);
    const std::uint16_t check = frameCrc(frame.data(), frame.size());
    frame.push_back(static_cast<std::uint8_t>(check >> 8));
    frame.push_back(static_cast<std::uint8_t>(check & 0xFF));
    // The same packet (its timestamps and side data) with the new bytes.
    const int grow = static_cast<int>(frame.size()) - size;
    if (av_packet_make_writable(&packet) < 0 || (grow > 0 && av_grow_packet(&packet, grow) < 0)) {
        return false;
    }
    if (grow < 0) {
        av_shrink_packet(&packet, static_cast<int>(frame.size()));
    }
    std::copy(frame.begin(), frame.end(), packet.data);
    return true;
}

int PcmSegmentFrame(int rate, int sourceRate) {
    const int step = rate / std::gcd(rate, std::max(sourceRate, 1));
    return step * std::max(1, 4096 / step);
}

SegmentLayout LayOutSegments(SegmentCodec codec, double seconds, int segments, int frameSize,
                             int rate, int sourceRate) {
    SegmentLayout layout;
    layout.codec = codec;
    layout.frameSize = frameSize;
    layout.rate = rate;
    layout.cuts.push_back(0);
    layout.readFrom.push_back(0);
    if (frameSize <= 0 || rate <= 0 || sourceRate <= 0 || !(seconds > 0.0)) {
        return layout;
    }
    segments = std::min(segments, static_cast<int>(seconds / 60.0));
    // Cuts on whole frames that are also whole samples of the source.
    const std::int64_t grid =
        std::lcm(static_cast<std::int64_t>(frameSize),
                 static_cast<std::int64_t>(rate / std::gcd(rate, sourceRate)));
    // (Vorbis: on the long blocks' grid as well, so that both encodes can meet with blocks in
    // step.)
    const std::int64_t unit = codec == SegmentCodec::Vorbis ? std::lcm(grid, kVorbisLongHop) : grid;
    const std::int64_t unitFrames = unit / frameSize;
    const std::int64_t preRoll =
        static_cast<std::int64_t>(std::ceil(kPreRollSeconds * rate / static_cast<double>(unit))) *
        unitFrames;
    const double totalFrames = seconds * rate / frameSize;
    const std::int64_t search = kSearchFrames * 1152 / frameSize + 1;
    for (int k = 1; k < segments; ++k) {
        const auto cut = static_cast<std::int64_t>(std::llround(totalFrames * k / segments /
                                                                static_cast<double>(unitFrames))) *
                         unitFrames;
        if (cut - preRoll <= layout.cuts.back() + search) {
            break;
        }
        layout.cuts.push_back(cut);
        layout.readFrom.push_back(cut - preRoll);
    }
    return layout;
}

SegmentJoin::SegmentJoin(SegmentLayout layout, std::string spillFolder)
    : m_layout(std::move(layout)),
      m_spillFolder(std::move(spillFolder)),
      m_segments(m_layout.cuts.size()) {
    for (std::size_t k = 0; k < m_segments.size(); ++k) {
        m_segments[k].reached = m_layout.readFrom[k];
    }
}

double SegmentJoin::ReadFromSeconds(int k) const {
    return static_cast<double>(m_layout.readFrom[static_cast<std::size_t>(k)] *
                               m_layout.frameSize) /
           m_layout.rate;
}

int SegmentJoin::NextLiving(int k) const {
    for (int m = k + 1; m < Segments(); ++m) {
        if (m_segments[static_cast<std::size_t>(m)].state != State::GaveUp) {
            return m;
        }
    }
    return -1;
}

void SegmentJoin::GiveUpFrom(int k) {
    for (int m = std::max(k, 1); m < Segments(); ++m) {
        Segment& segment = m_segments[static_cast<std::size_t>(m)];
        segment.state = State::GaveUp;
        segment.done = true;
        segment.held.clear();
        segment.window.clear();
    }
    m_changed.notify_all();
}

SegmentJoin::Spill::~Spill() {
    if (m_file != nullptr) {
        std::fclose(m_file);
    }
}

int SegmentJoin::Spill::Put(const Held& held, const std::string& folder) {
    if (m_file == nullptr) {
        // A file without a name: nothing is left behind, whatever ends the process.
        const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_RDWR, 0600);
        m_file = fd >= 0 ? ::fdopen(fd, "w+b") : std::tmpfile();
        if (m_file == nullptr) {
            if (fd >= 0) {
                ::close(fd);
            }
            return AVERROR(errno);
        }
    }
    const AVPacket& packet = *held.packet;
    const std::int64_t fields[] = {held.frame,      held.mainDataBegin, packet.pts, packet.dts,
                                   packet.duration, packet.flags,       packet.size};
    if (std::fseek(m_file, 0, SEEK_END) != 0 ||
        std::fwrite(fields, sizeof fields, 1, m_file) != 1 ||
        std::fwrite(packet.data, 1, static_cast<std::size_t>(packet.size), m_file) !=
            static_cast<std::size_t>(packet.size)) {
        return AVERROR(errno != 0 ? errno : EIO);
    }
    ++m_count;
    return 0;
}

int SegmentJoin::Spill::Get(Held& held) {
    std::int64_t fields[7] = {};
    if (std::fseek(m_file, m_readAt, SEEK_SET) != 0 ||
        std::fread(fields, sizeof fields, 1, m_file) != 1) {
        return AVERROR(EIO);
    }
    held.frame = fields[0];
    held.mainDataBegin = static_cast<int>(fields[1]);
    held.packet.reset(av_packet_alloc());
    if (!held.packet || av_new_packet(held.packet.get(), static_cast<int>(fields[6])) < 0) {
        return AVERROR(ENOMEM);
    }
    AVPacket& packet = *held.packet;
    packet.pts = fields[2];
    packet.dts = fields[3];
    packet.duration = fields[4];
    packet.flags = static_cast<int>(fields[5]);
    if (std::fread(packet.data, 1, static_cast<std::size_t>(packet.size), m_file) !=
        static_cast<std::size_t>(packet.size)) {
        return AVERROR(EIO);
    }
    m_readAt = std::ftell(m_file);
    --m_count;
    return 0;
}

int SegmentJoin::Keep(Segment& segment, Held held) {
    segment.heldBytes += static_cast<std::size_t>(held.packet->size);
    segment.held.push_back(std::move(held));
    // Past a size the oldest wait in the spill file (never the last frames: a join changes
    // those); a frame with side data stays in memory, and so do those after it.
    constexpr std::size_t kHeldBytes = 8 << 20;
    while (segment.heldBytes > kHeldBytes &&
           segment.held.size() > static_cast<std::size_t>(kHeldFrames) &&
           segment.held.front().packet->side_data_elems == 0) {
        if (const int ret = segment.spill.Put(segment.held.front(), m_spillFolder); ret < 0) {
            return ret;
        }
        segment.heldBytes -= static_cast<std::size_t>(segment.held.front().packet->size);
        segment.held.pop_front();
    }
    return 0;
}

bool SegmentJoin::JoinsHere(Segment& before, const Held& own, const Segment& after,
                            std::int64_t frame) {
    const Held* joining = nullptr;
    std::vector<const AVPacket*> source;  // the frames before it in its own stream
    for (const Held& held : after.window) {
        if (held.frame == frame) {
            joining = &held;
            break;
        }
        source.push_back(held.packet.get());
    }
    if (joining == nullptr) {
        return false;
    }
    if (m_layout.codec == SegmentCodec::Vorbis) {
        // Packets of the same lengths start at the same places on both sides of the join, with
        // the same mode and window flags (the first byte's low bits): the windows meet as
        // within one stream. (A length alone names two blocks, but not their order.)
        const Held* ownBefore = before.held.empty() ? nullptr : &before.held.back();
        const Held* afterBefore = source.empty() ? nullptr : &after.window[source.size() - 1];
        const auto same = [](const AVPacket& a, const AVPacket& b) {
            return a.duration == b.duration && a.size > 0 && b.size > 0 &&
                   (a.data[0] & 0x0F) == (b.data[0] & 0x0F);
        };
        return ownBefore != nullptr && afterBefore != nullptr &&
               ownBefore->frame == afterBefore->frame &&
               same(*ownBefore->packet, *afterBefore->packet) &&
               same(*own.packet, *joining->packet);
    }
    if (m_layout.codec != SegmentCodec::Mp3) {
        return true;  // frames that stand on their own
    }
    std::vector<AVPacket*> tail;
    for (Held& held : before.held) {
        tail.push_back(held.packet.get());
    }
    return own.mainDataBegin >= 0 && joining->mainDataBegin >= 0 &&
           joining->mainDataBegin <= own.mainDataBegin &&
           CarryReservoir(tail, source, joining->mainDataBegin);
}

int SegmentJoin::Take(int k, AVPacket& packet, OutputMedia* output) {
    std::unique_lock lock(m_mutex);
    Segment& segment = m_segments[static_cast<std::size_t>(k)];
    // Onto the whole sound's time line (the encoder counts from where the segment reads).
    const std::int64_t from = m_layout.readFrom[static_cast<std::size_t>(k)];
    const std::int64_t shift = from * m_layout.frameSize;
    if (packet.pts != AV_NOPTS_VALUE) {
        packet.pts += shift;
    }
    if (packet.dts != AV_NOPTS_VALUE) {
        packet.dts += shift;
    }
    // The frame of the grid it is; a Vorbis packet (of a length of its own) the frame where it
    // starts.
    std::int64_t frame = from + segment.made++;
    if (m_layout.codec == SegmentCodec::Vorbis && packet.pts != AV_NOPTS_VALUE) {
        const std::int64_t off =
            (packet.pts % m_layout.frameSize + m_layout.frameSize) % m_layout.frameSize;
        if (off != 0 && k > 0) {
            return AVERROR_INVALIDDATA;  // off the grid: this segment cannot be placed
        }
        frame = (packet.pts - off) / m_layout.frameSize;
    }
    segment.reached = std::max(segment.reached, frame + 1);
    m_changed.notify_all();
    if (segment.done) {
        return 0;
    }
    const std::int64_t cut = m_layout.cuts[static_cast<std::size_t>(k)];
    if (k > 0 && frame < cut - kHeldFrames) {
        return 0;  // early pre-roll: of no use to anyone
    }
    // (The FLAC encoder's last packet has no frame: the stream's facts alone.)
    if (k > 0 && m_layout.codec == SegmentCodec::Flac && packet.size > 0 &&
        !RenumberFlacFrame(packet, frame)) {
        return AVERROR_INVALIDDATA;
    }
    Held held;
    held.frame = frame;
    held.mainDataBegin = -1;
    if (Layer3Frame own;
        m_layout.codec == SegmentCodec::Mp3 && ReadLayer3Frame(packet.data, packet.size, own)) {
        held.mainDataBegin = own.mainDataBegin;
    }
    held.packet.reset(av_packet_alloc());
    if (!held.packet) {
        return AVERROR(ENOMEM);
    }
    av_packet_move_ref(held.packet.get(), &packet);

    const int next = NextLiving(k);
    if (next > 0 && frame >= m_layout.cuts[static_cast<std::size_t>(next)]) {
        Segment& after = m_segments[static_cast<std::size_t>(next)];
        m_changed.wait(lock, [&] {
            return after.state == State::GaveUp || after.ended || after.reached > frame;
        });
        if (after.state != State::GaveUp && after.reached > frame) {
            if (JoinsHere(segment, held, after, frame)) {
                after.state = State::Joined;
                after.join = frame;
                after.window.clear();
                segment.done = true;
                m_changed.notify_all();
                return 0;
            }
            if (frame >= m_layout.cuts[static_cast<std::size_t>(next)] + kSearchFrames) {
                GiveUpFrom(next);
            }
        } else if (after.state != State::GaveUp) {
            GiveUpFrom(next);  // it ended before this frame
        }
    }
    // Around its cut a segment's frames are looked at by the one before it (MP3 and Vorbis join
    // where their frames allow; the others at the first frame from the cut).
    const bool searched =
        m_layout.codec == SegmentCodec::Mp3 || m_layout.codec == SegmentCodec::Vorbis;
    const std::int64_t looked = searched ? kSearchFrames : 1;
    if (k > 0 && segment.state == State::Running && frame < cut + looked) {
        Held look;
        look.frame = frame;
        look.mainDataBegin = held.mainDataBegin;
        look.packet.reset(av_packet_clone(held.packet.get()));
        if (!look.packet) {
            return AVERROR(ENOMEM);
        }
        segment.window.push_back(std::move(look));
    }
    if (const int ret = Keep(segment, std::move(held)); ret < 0) {
        return ret;
    }
    m_changed.notify_all();
    lock.unlock();
    return k == 0 && output != nullptr ? WriteSettled(0, *output, false) : 0;
}

int SegmentJoin::WriteSettled(int k, OutputMedia& output, bool all, bool batchOnly) {
    // The spill file is read back a few megabytes at a time: a segment that waited for the
    // one before it never comes back into memory whole.
    constexpr std::size_t kBatchBytes = 4 << 20;
    for (;;) {
        std::vector<PacketPtr> ready;
        std::int64_t total = -1;  // the whole stream's samples, once its last packet is here
        bool more = false;        // the spill holds more than this batch
        {
            const std::lock_guard lock(m_mutex);
            Segment& segment = m_segments[static_cast<std::size_t>(k)];
            // A later segment's frames before its join (its pre-roll) are passed over.
            const std::int64_t first =
                k > 0 ? segment.join : std::numeric_limits<std::int64_t>::min();
            std::size_t bytes = 0;
            while (!segment.spill.Empty() && bytes < kBatchBytes) {
                Held held;
                if (const int ret = segment.spill.Get(held); ret < 0) {
                    return ret;
                }
                bytes += static_cast<std::size_t>(held.packet->size);
                if (held.frame >= first) {
                    ready.push_back(std::move(held.packet));
                }
            }
            more = !segment.spill.Empty();
            while (!more && !segment.held.empty() &&
                   (all || segment.held.size() > static_cast<std::size_t>(kHeldFrames))) {
                segment.heldBytes -= static_cast<std::size_t>(segment.held.front().packet->size);
                if (segment.held.front().frame >= first) {
                    ready.push_back(std::move(segment.held.front().packet));
                }
                segment.held.pop_front();
            }
            if (!more && all && k > 0 && segment.ending.complete &&
                m_layout.codec == SegmentCodec::Flac) {
                total = m_layout.readFrom[static_cast<std::size_t>(k)] * m_layout.frameSize +
                        segment.ending.samples;
            }
            if (m_layout.codec != SegmentCodec::Vorbis) {
                m_written += static_cast<std::int64_t>(ready.size());
            } else if (!ready.empty()) {
                m_written = (ready.back()->pts + ready.back()->duration) / m_layout.frameSize;
            }
        }
        if (const int ret = WritePackets(ready, total, output); ret < 0) {
            return ret;
        }
        if (!more) {
            return 0;
        }
        if (batchOnly) {
            return 1;
        }
    }
}

int SegmentJoin::WritePackets(std::vector<PacketPtr>& ready, std::int64_t total,
                              OutputMedia& output) {
    for (PacketPtr& packet : ready) {
        if (m_layout.codec == SegmentCodec::Flac && output.audio.stream != nullptr) {
            // The frames come in the stream's order: their sound is summed as it is written,
            // and the last packet (the stream's facts alone) gets the sum.
            if (packet->size > 0) {
                if (const int ret = SumFlacFrame(*packet, *output.audio.stream->codecpar);
                    ret < 0) {
                    return ret;
                }
            }
            if (total >= 0 && packet->size == 0 && m_flacSum.md5) {
                std::uint8_t digest[16];
                av_md5_final(m_flacSum.md5.get(), digest);
                m_flacSum.md5.reset();
                FixStreamInfo(*packet, total, digest);
            } else if (total >= 0) {
                FixStreamInfo(*packet, total, nullptr);
            }
        }
        if (const int ret =
                output.WriteEncoded(packet.get(), AVRational{1, m_layout.rate}, output.audio);
            ret < 0) {
            return ret;
        }
    }
    return 0;
}

void SegmentJoin::FixStreamInfo(AVPacket& packet, std::int64_t samples,
                                const std::uint8_t* md5) const {
    // STREAMINFO: block sizes (4 bytes), frame sizes (6: unknown here), rate, channels, bits
    // and the number of samples (8), the MD5 of the sound (16).
    std::size_t size = 0;
    std::uint8_t* info = av_packet_get_side_data(&packet, AV_PKT_DATA_NEW_EXTRADATA, &size);
    if (info == nullptr || size != 34) {
        return;
    }
    std::fill_n(info + 4, 6, 0);
    info[13] = static_cast<std::uint8_t>((info[13] & 0xF0) | ((samples >> 32) & 0x0F));
    for (int i = 0; i < 4; ++i) {
        info[14 + i] = static_cast<std::uint8_t>((samples >> (24 - 8 * i)) & 0xFF);
    }
    if (md5 != nullptr) {
        std::copy_n(md5, 16, info + 18);
    } else {
        std::fill_n(info + 18, 16, 0);
    }
}

int SegmentJoin::SumFlacFrame(const AVPacket& packet, const AVCodecParameters& stream) {
    FlacSum& sum = m_flacSum;
    if (!sum.decoder) {
        const AVCodec* codec = avcodec_find_decoder(AV_CODEC_ID_FLAC);
        sum.decoder.reset(codec != nullptr ? avcodec_alloc_context3(codec) : nullptr);
        sum.frame.reset(av_frame_alloc());
        sum.md5.reset(av_md5_alloc());
        if (!sum.decoder || !sum.frame || !sum.md5) {
            return AVERROR(ENOMEM);
        }
        if (const int ret = avcodec_parameters_to_context(sum.decoder.get(), &stream); ret < 0) {
            return ret;
        }
        if (const int ret = avcodec_open2(sum.decoder.get(), codec, nullptr); ret < 0) {
            return ret;
        }
        av_md5_init(sum.md5.get());
    }
    if (!sum.md5) {
        return 0;  // summed to its end already
    }
    int ret = avcodec_send_packet(sum.decoder.get(), &packet);
    while (ret >= 0) {
        ret = avcodec_receive_frame(sum.decoder.get(), sum.frame.get());
        if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF) {
            return 0;
        }
        if (ret < 0) {
            return ret;
        }
        const AVFrame& frame = *sum.frame;
        const auto format = static_cast<AVSampleFormat>(frame.format);
        const int width = av_get_bytes_per_sample(format);
        const int bits = std::clamp(sum.decoder->bits_per_raw_sample, 1, 8 * width);
        const int bytes = (bits + 7) / 8;
        const int shift = 8 * width - bits;  // the decoder's samples are left-justified
        const int channels = frame.ch_layout.nb_channels;
        const bool planar = av_sample_fmt_is_planar(format) != 0;
        sum.bytes.resize(static_cast<std::size_t>(frame.nb_samples) *
                         static_cast<std::size_t>(channels) * static_cast<std::size_t>(bytes));
        std::size_t out = 0;
        for (int i = 0; i < frame.nb_samples; ++i) {
            for (int c = 0; c < channels; ++c) {
                const std::uint8_t* data = planar ? frame.extended_data[c] : frame.extended_data[0];
                const int index = planar ? i : i * channels + c;
                std::int32_t value = 0;
                if (width == 2) {
                    value = reinterpret_cast<const std::int16_t*>(data)[index];
                } else if (width == 4) {
                    value = reinterpret_cast<const std::int32_t*>(data)[index];
                } else {
                    value = static_cast<std::int32_t>(data[index]) - 128;
                }
                value >>= shift;
                for (int b = 0; b < bytes; ++b) {
                    sum.bytes[out++] = static_cast<std::uint8_t>((value >> (8 * b)) & 0xFF);
                }
            }
        }
        av_md5_update(sum.md5.get(), sum.bytes.data(), sum.bytes.size());
        av_frame_unref(sum.frame.get());
    }
    return ret;
}

bool SegmentJoin::Done(int k) const {
    const std::lock_guard lock(m_mutex);
    return m_segments[static_cast<std::size_t>(k)].done;
}

void SegmentJoin::End(int k, Ending ending) {
    const std::lock_guard lock(m_mutex);
    Segment& segment = m_segments[static_cast<std::size_t>(k)];
    segment.ended = true;
    ending.complete = ending.complete && !segment.done;
    const bool complete = ending.complete;
    segment.ending = std::move(ending);
    if (!segment.done) {
        // Nothing after it is reached; and a segment not yet joined gives its part back.
        GiveUpFrom(k > 0 && !complete && segment.state == State::Running ? k : k + 1);
    }
    m_changed.notify_all();
}

void SegmentJoin::GiveUpHelpers() {
    const std::lock_guard lock(m_mutex);
    GiveUpFrom(1);
}

int SegmentJoin::WriteRest(OutputMedia& output, const std::function<void(double)>& progress,
                           const std::function<bool()>& stopped, Ending& report) {
    int k = 0;
    for (;;) {
        bool finished = false;
        {
            std::unique_lock lock(m_mutex);
            Segment& segment = m_segments[static_cast<std::size_t>(k)];
            m_changed.wait_for(lock, std::chrono::milliseconds(100), [&] {
                return segment.done || segment.ended ||
                       segment.held.size() > static_cast<std::size_t>(kHeldFrames);
            });
            finished = segment.done || segment.ended;
        }
        if (progress) {
            progress(Seconds());
        }
        const int ret = WriteSettled(k, output, finished, true);
        if (ret < 0) {
            return ret;
        }
        if (ret > 0 && stopped && stopped()) {
            // A stop while a segment made long ago is written: what is written stays, whole
            // packets up to there, as at a stop anywhere else.
            return 0;
        }
        if (ret > 0 || !finished) {
            continue;
        }
        std::unique_lock lock(m_mutex);
        Segment& segment = m_segments[static_cast<std::size_t>(k)];
        if (!segment.held.empty()) {
            continue;  // made more meanwhile (it ended only now)
        }
        const int next = NextLiving(k);
        if (segment.done && next > 0 &&
            m_segments[static_cast<std::size_t>(next)].state == State::Joined) {
            // The next segment's frames from its join on follow.
            k = next;
            ++m_joined;
            continue;
        }
        report.damage = segment.ending.damage;
        for (int i = 0; i <= k; ++i) {
            const Ending& ended = m_segments[static_cast<std::size_t>(i)].ending;
            report.packetsSkipped += ended.packetsSkipped;
            if (report.remark.empty()) {
                report.remark = ended.remark;
            }
        }
        if (segment.ending.complete) {
            m_total = m_layout.readFrom[static_cast<std::size_t>(k)] * m_layout.frameSize +
                      segment.ending.samples;
        } else if (!segment.ending.failure.empty()) {
            report.failure = segment.ending.failure;
            return AVERROR_EXTERNAL;
        }
        return 0;
    }
}

double SegmentJoin::Seconds() const {
    const std::lock_guard lock(m_mutex);
    std::int64_t frames = 0;
    for (int k = 0; k < Segments(); ++k) {
        const Segment& segment = m_segments[static_cast<std::size_t>(k)];
        if (k > 0 && segment.state == State::GaveUp) {
            continue;
        }
        const auto i = static_cast<std::size_t>(k);
        std::int64_t end = segment.reached;
        if (const int next = NextLiving(k); next > 0) {
            end = std::min(end, m_layout.cuts[static_cast<std::size_t>(next)]);
        }
        frames += std::max<std::int64_t>(0, end - m_layout.cuts[i]);
    }
    return static_cast<double>(frames * m_layout.frameSize) / m_layout.rate;
}

std::int64_t SegmentJoin::TotalSamples() const {
    const std::lock_guard lock(m_mutex);
    return m_total > 0 ? m_total : m_written * m_layout.frameSize;
}

int SegmentJoin::Joined() const {
    const std::lock_guard lock(m_mutex);
    return m_joined;
}

}  // namespace tolvane
