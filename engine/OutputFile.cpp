#include "OutputFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <limits>

#include "Paths.h"

extern "C" {
#include <libavutil/error.h>
#include <libavutil/mem.h>
}

namespace tolvane {

namespace {

constexpr int kIoBufferBytes = 64 * 1024;
constexpr std::int64_t kWritebackBytes = 4 * 1024 * 1024;
constexpr std::size_t kLongestFileName = 255;
constexpr const char* kPartSuffix = ".part";

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Locks the whole of `fd` for writing through its open file description: released when the
// file is closed, or its process dies, and seen by every other process, also over NFS.
bool LockForWriting(int fd) {
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

// Flushes what the folder holds (a rename) to disk.
void SyncFolder(const std::string& path) {
    const int folder = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

// Renames `from` to `to` unless `to` exists. 0, or the errno (EEXIST when the name is taken).
int RenameWithoutReplacing(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) {
        return errno;
    }
    // File systems without it (NFS and SMB shares often): a second link fails where the name
    // is taken, then the part's name goes.
    if (::link(from.c_str(), to.c_str()) != 0) {
        return errno;
    }
    ::unlink(from.c_str());
    return 0;
}

}  // namespace

std::string PartFilePath(const std::string& path) {
    const std::string_view name = FileNameOfPath(path);
    const std::string folder = path.substr(0, path.size() - name.size());
    const std::string plain = "." + std::string(name) + kPartSuffix;
    if (plain.size() <= kLongestFileName) {
        return folder + plain;
    }
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016zx", std::hash<std::string_view>{}(name));
    return folder + ".tolvane-" + hash + kPartSuffix;
}

bool IsPartFileName(const std::string& fileName) {
    const std::string_view suffix(kPartSuffix);
    return fileName.size() > suffix.size() + 1 && fileName.front() == '.' &&
           fileName.compare(fileName.size() - suffix.size(), suffix.size(), suffix) == 0;
}

int RemoveStalePartFiles(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return 0;
    }
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (!IsPartFileName(name)) {
            continue;
        }
        const std::string path = folder + "/" + name;
        const int fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        struct stat st {};
        // Only a regular file whose lock no live writer holds.
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && LockForWriting(fd) &&
            ::unlink(path.c_str()) == 0) {
            ++removed;
        }
        ::close(fd);
    }
    ::closedir(dir);
    return removed;
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
    Discard();
}

int ExclusiveOutputFile::Create(const std::string& requested) {
    Discard();
    std::string candidate = requested;
    for (int counter = 0; counter < std::numeric_limits<int>::max(); ++counter) {
        // A name is free when neither it nor its part file exists. O_EXCL: an existing file,
        // readable or not, is never opened, and no other process can slip one in between the
        // test and the creation; a part file someone else writes keeps its name for them.
        struct stat st {};
        const bool taken = ::lstat(candidate.c_str(), &st) == 0;
        if (!taken && errno != ENOENT) {
            return AVERROR(errno);
        }
        if (!taken) {
            const std::string part = PartFilePath(candidate);
            const int fd = ::open(part.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) {
                m_fd = fd;
                m_path = candidate;
                m_partPath = part;
                // Where locks are not to be had the file is written all the same.
                LockForWriting(fd);
                break;
            }
            if (errno != EEXIST) {
                return AVERROR(errno);
            }
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
    // The disk starts on what was written while the rest is made, so that the flush before
    // the rename has little left to wait for.
    self->m_unsynced += size;
    if (self->m_unsynced >= kWritebackBytes) {
        ::sync_file_range(self->m_fd, 0, 0, SYNC_FILE_RANGE_WRITE);
        self->m_unsynced = 0;
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

int ExclusiveOutputFile::Overwrite(std::int64_t offset, const void* data, std::size_t size) {
    if (m_fd < 0) {
        return AVERROR(EBADF);
    }
    if (m_io != nullptr) {
        avio_flush(m_io);
    }
    const ssize_t written = ::pwrite(m_fd, data, size, static_cast<off_t>(offset));
    return written == static_cast<ssize_t>(size) ? 0 : AVERROR(written < 0 ? errno : EIO);
}

int ExclusiveOutputFile::Close() {
    if (m_fd < 0) {
        return 0;
    }
    int result = 0;
    if (m_io != nullptr) {
        avio_flush(m_io);
        result = m_io->error;
        av_freep(&m_io->buffer);
        avio_context_free(&m_io);
    }
    // On disk before it has its name: a power cut never leaves a named file half written.
    if (result == 0 && ::fdatasync(m_fd) != 0 && errno != EINVAL) {
        result = AVERROR(errno);
    }
    if (result == 0) {
        result = Rename();
    }
    if (result < 0) {
        Discard();
        return result;
    }
    // The lock goes with the descriptor, once the file has its name.
    if (::close(m_fd) != 0 && errno != EINTR) {
        result = AVERROR(errno);
    }
    m_fd = -1;
    m_partPath.clear();
    SyncFolder(m_path);
    return result;
}

int ExclusiveOutputFile::Rename() {
    // The name was free when the file was started; another program may have taken it since.
    const std::string requested = m_path;
    std::string candidate = requested;
    for (int counter = 0; counter < std::numeric_limits<int>::max(); ++counter) {
        const int error = RenameWithoutReplacing(m_partPath, candidate);
        if (error == 0) {
            m_path = candidate;
            return 0;
        }
        if (error != EEXIST) {
            return AVERROR(error);
        }
        candidate = NumberedName(requested, counter);
    }
    return AVERROR(EEXIST);
}

void ExclusiveOutputFile::CloseDescriptor() {
    if (m_io != nullptr) {
        av_freep(&m_io->buffer);
        avio_context_free(&m_io);
    }
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

void ExclusiveOutputFile::Discard() {
    // Removed while still locked: no other run can take it for a stale one in between.
    if (!m_partPath.empty()) {
        ::unlink(m_partPath.c_str());
        m_partPath.clear();
    }
    CloseDescriptor();
}

}  // namespace tolvane
