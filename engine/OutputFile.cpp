#include "OutputFile.h"

#include "Paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <limits>

extern "C" {
#include <libavutil/error.h>
#include <libavutil/mem.h>
}

namespace tolvane {

namespace {
constexpr int kIoBufferBytes = 64 * 1024;
}

std::string NumberedName(const std::string& path, int counter) {
    std::string numbered = path;
    numbered.insert(ExtensionStart(path), "(" + std::to_string(counter) + ")");
    return numbered;
}

std::string FirstFreeName(const std::string& path) {
    std::string candidate = path;
    for (int counter = 0; counter < std::numeric_limits<int>::max(); ++counter) {
        struct stat st {};
        if (::lstat(candidate.c_str(), &st) != 0) {
            // Free, or a name that cannot be tested (too long, a folder missing): either way no
            // further number would fare better.
            return errno == ENOENT ? candidate : std::string();
        }
        candidate = NumberedName(path, counter);
    }
    return {};
}

ExclusiveOutputFile::~ExclusiveOutputFile() {
    Close();
}

int ExclusiveOutputFile::Create(const std::string& requested) {
    Close();
    std::string candidate = requested;
    for (int counter = 0; counter < std::numeric_limits<int>::max(); ++counter) {
        // O_EXCL: an existing file of that name, readable or not, is never opened, and no other
        // process can slip a file in between the test and the creation.
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            m_fd = fd;
            m_path = candidate;
            break;
        }
        if (errno != EEXIST) {
            return AVERROR(errno);
        }
        candidate = NumberedName(requested, counter);
    }
    if (m_fd < 0) {
        return AVERROR(EEXIST);
    }
    auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBufferBytes));
    if (buffer == nullptr) {
        Discard();
        return AVERROR(ENOMEM);
    }
    m_io = avio_alloc_context(buffer, kIoBufferBytes, 1, this, nullptr, &WritePacket, &Seek);
    if (m_io == nullptr) {
        av_free(buffer);
        Discard();
        return AVERROR(ENOMEM);
    }
    return 0;
}

int ExclusiveOutputFile::WritePacket(void* opaque, std::uint8_t* buf, int size) {
    auto* self = static_cast<ExclusiveOutputFile*>(opaque);
    int done = 0;
    while (done < size) {
        const ssize_t n = ::write(self->m_fd, buf + done, static_cast<std::size_t>(size - done));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return AVERROR(errno);
        }
        done += static_cast<int>(n);
    }
    return size;
}

std::int64_t ExclusiveOutputFile::Seek(void* opaque, std::int64_t offset, int whence) {
    auto* self = static_cast<ExclusiveOutputFile*>(opaque);
    if (whence & AVSEEK_SIZE) {
        struct stat st {};
        return ::fstat(self->m_fd, &st) == 0 ? st.st_size : AVERROR(errno);
    }
    const off_t pos = ::lseek(self->m_fd, offset, whence & ~AVSEEK_FORCE);
    return pos < 0 ? AVERROR(errno) : pos;
}

int ExclusiveOutputFile::Close() {
    int result = 0;
    if (m_io != nullptr) {
        avio_flush(m_io);
        result = m_io->error;
        av_freep(&m_io->buffer);
        avio_context_free(&m_io);
    }
    if (m_fd >= 0) {
        if (::close(m_fd) != 0 && result == 0) {
            result = AVERROR(errno);
        }
        m_fd = -1;
    }
    return result;
}

void ExclusiveOutputFile::Discard() {
    Close();
    if (!m_path.empty()) {
        ::unlink(m_path.c_str());
        m_path.clear();
    }
}

}  // namespace tolvane
