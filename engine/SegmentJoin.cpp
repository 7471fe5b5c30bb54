#include "SegmentJoin.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numeric>

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

SegmentLayout LayOutSegments(double seconds, int segments, int frameSize, int rate,
                             int sourceRate) {
    SegmentLayout layout;
    layout.frameSize = frameSize;
    layout.rate = rate;
    layout.cuts.push_back(0);
    layout.readFrom.push_back(0);
    if (frameSize <= 0 || rate <= 0 || sourceRate <= 0 || !(seconds > 0.0)) {
        return layout;
    }
    segments = std::min(segments, static_cast<int>(seconds / 60.0));
    // Cuts on whole frames that are also whole samples of the source.
    const std::int64_t unit =
        std::lcm(static_cast<std::int64_t>(frameSize),
                 static_cast<std::int64_t>(rate / std::gcd(rate, sourceRate)));
    const std::int64_t unitFrames = unit / frameSize;
    const std::int64_t preRoll =
        static_cast<std::int64_t>(std::ceil(kPreRollSeconds * rate / static_cast<double>(unit))) *
        unitFrames;
    const double totalFrames = seconds * rate / frameSize;
    for (int k = 1; k < segments; ++k) {
        const auto cut = static_cast<std::int64_t>(std::llround(totalFrames * k / segments /
                                                                static_cast<double>(unitFrames))) *
                         unitFrames;
        if (cut - preRoll <= layout.cuts.back() + kSearchFrames) {
            break;
        }
        layout.cuts.push_back(cut);
        layout.readFrom.push_back(cut - preRoll);
    }
    return layout;
}

SegmentJoin::SegmentJoin(SegmentLayout layout)
    : m_layout(std::move(layout)), m_segments(m_layout.cuts.size()) {}

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
    }
    m_changed.notify_all();
}

int SegmentJoin::Take(int k, AVPacket& packet, OutputMedia* output) {
    std::unique_lock lock(m_mutex);
    Segment& segment = m_segments[static_cast<std::size_t>(k)];
    const std::int64_t frame = m_layout.readFrom[static_cast<std::size_t>(k)] + segment.made++;
    m_changed.notify_all();
    if (segment.done) {
        return 0;
    }
    // Onto the whole sound's time line (the encoder counts from where the segment reads).
    const std::int64_t shift = m_layout.readFrom[static_cast<std::size_t>(k)] * m_layout.frameSize;
    if (packet.pts != AV_NOPTS_VALUE) {
        packet.pts += shift;
    }
    if (packet.dts != AV_NOPTS_VALUE) {
        packet.dts += shift;
    }
    if (k > 0 && frame < m_layout.cuts[static_cast<std::size_t>(k)] - kHeldFrames) {
        return 0;  // early pre-roll: of no use to anyone
    }
    Layer3Frame own;
    const bool readable = ReadLayer3Frame(packet.data, packet.size, own);
    const int next = NextLiving(k);
    if (next > 0 && frame >= m_layout.cuts[static_cast<std::size_t>(next)]) {
        const std::int64_t nextFrom = m_layout.readFrom[static_cast<std::size_t>(next)];
        Segment& after = m_segments[static_cast<std::size_t>(next)];
        m_changed.wait(lock, [&] {
            return after.state == State::GaveUp || after.ended || nextFrom + after.made > frame;
        });
        if (after.state != State::GaveUp && nextFrom + after.made > frame) {
            // The next segment's frame here, and the frames before it in its own stream.
            std::vector<const AVPacket*> source;
            const Held* joining = nullptr;
            for (const Held& held : after.held) {
                if (held.frame == frame) {
                    joining = &held;
                    break;
                }
                source.push_back(held.packet.get());
            }
            std::vector<AVPacket*> tail;
            for (Held& held : segment.held) {
                tail.push_back(held.packet.get());
            }
            if (readable && joining != nullptr && joining->mainDataBegin <= own.mainDataBegin &&
                CarryReservoir(tail, source, joining->mainDataBegin)) {
                after.state = State::Joined;
                after.join = frame;
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
    Held held;
    held.frame = frame;
    held.mainDataBegin = readable ? own.mainDataBegin : -1;
    held.packet.reset(av_packet_alloc());
    if (!held.packet) {
        return AVERROR(ENOMEM);
    }
    av_packet_move_ref(held.packet.get(), &packet);
    segment.held.push_back(std::move(held));
    m_changed.notify_all();
    lock.unlock();
    return k == 0 && output != nullptr ? WriteSettled(0, *output, false) : 0;
}

int SegmentJoin::WriteSettled(int k, OutputMedia& output, bool all) {
    std::vector<PacketPtr> ready;
    {
        const std::lock_guard lock(m_mutex);
        Segment& segment = m_segments[static_cast<std::size_t>(k)];
        while (!segment.held.empty() &&
               (all || segment.held.size() > static_cast<std::size_t>(kHeldFrames))) {
            ready.push_back(std::move(segment.held.front().packet));
            segment.held.pop_front();
        }
    }
    for (PacketPtr& packet : ready) {
        if (const int ret =
                output.WriteEncoded(packet.get(), AVRational{1, m_layout.rate}, output.audio);
            ret < 0) {
            return ret;
        }
    }
    return 0;
}

bool SegmentJoin::Done(int k) const {
    const std::lock_guard lock(m_mutex);
    return m_segments[static_cast<std::size_t>(k)].done;
}

void SegmentJoin::End(int k, bool complete, std::int64_t samples, const std::string& failure) {
    const std::lock_guard lock(m_mutex);
    Segment& segment = m_segments[static_cast<std::size_t>(k)];
    segment.ended = true;
    segment.samples = samples;
    segment.failure = failure;
    if (!segment.done) {
        segment.complete = complete;
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
                           std::string& failure) {
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
        if (const int ret = WriteSettled(k, output, finished); ret < 0) {
            return ret;
        }
        if (!finished) {
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
            Segment& after = m_segments[static_cast<std::size_t>(next)];
            while (!after.held.empty() && after.held.front().frame < after.join) {
                after.held.pop_front();
            }
            k = next;
            ++m_joined;
            continue;
        }
        if (segment.complete) {
            m_total = m_layout.readFrom[static_cast<std::size_t>(k)] * m_layout.frameSize +
                      segment.samples;
        } else if (!segment.failure.empty()) {
            failure = segment.failure;
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
        std::int64_t end = m_layout.readFrom[i] + segment.made;
        if (const int next = NextLiving(k); next > 0) {
            end = std::min(end, m_layout.cuts[static_cast<std::size_t>(next)]);
        }
        frames += std::max<std::int64_t>(0, end - m_layout.cuts[i]);
    }
    return static_cast<double>(frames * m_layout.frameSize) / m_layout.rate;
}

std::int64_t SegmentJoin::TotalSamples() const {
    const std::lock_guard lock(m_mutex);
    return m_total;
}

int SegmentJoin::Joined() const {
    const std::lock_guard lock(m_mutex);
    return m_joined;
}

}  // namespace tolvane
