#include "OutputFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <limits>
#include <string_view>
#include <utility>
#include <vector>

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
constexpr const char* kPartSuffix = ".tolvane-part";

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

// Whether no other open file description holds a lock on `fd`'s file: takes a read lock (which
// any writer's lock refuses), kept until the descriptor is closed.
bool LockForReading(int fd) {
    struct flock lock {};
    lock.l_type = F_RDLCK;
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

// A part file's name carries a tag made from the file's own identity: another program's file,
// even one named like ours, does not carry the tag of its own inode, so a run proves a part file
// is one of ours before it removes it. The tag is the inode's alone, which a remount or a disk
// seen under another device number keeps; tags of the device and inode together, as earlier
// runs made them, still count.
std::string IdentityTag(std::initializer_list<std::uint64_t> words) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;  // FNV-1a: the same in every build
    for (const std::uint64_t word : words) {
        for (int i = 0; i < 8; ++i) {
            hash = (hash ^ ((word >> (8 * i)) & 0xff)) * 0x100000001b3ULL;
        }
    }
    char tag[17];
    std::snprintf(tag, sizeof tag, "%016llx", static_cast<unsigned long long>(hash));
    return tag;
}

std::string IdentityTag(const struct stat& st) {
    return IdentityTag({static_cast<std::uint64_t>(st.st_ino)});
}

constexpr std::size_t kTagLength = 16;

// What the part names of an output's `name` start with: ".NAME.", or, where a part name would
// pass the longest file name, ".tolvane-HASH.".
std::string PartNamePrefix(std::string_view name) {
    const std::string plain = "." + std::string(name) + ".";
    if (plain.size() + kTagLength + std::string_view(kPartSuffix).size() <= kLongestFileName) {
        return plain;
    }
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : name) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return std::string(".tolvane-") + text + ".";
}

// The tag a part file's name carries, empty when `fileName` is no part file's name.
std::string_view TagOfPartName(std::string_view fileName) {
    const std::string_view suffix(kPartSuffix);
    if (fileName.size() < 1 + kTagLength + 1 + suffix.size() || fileName.front() != '.' ||
        !fileName.ends_with(suffix)) {
        return {};
    }
    const std::string_view tag =
        fileName.substr(fileName.size() - suffix.size() - kTagLength, kTagLength);
    if (fileName[fileName.size() - suffix.size() - kTagLength - 1] != '.' ||
        tag.find_first_not_of("0123456789abcdef") != std::string_view::npos) {
        return {};
    }
    return tag;
}

// Whether the part file at `path` may be one a live writer is making: anything but a regular
// file that nobody holds a lock on (what a killed run left, however it came to stay).
bool MayBeWritten(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return errno != ENOENT;  // gone meanwhile: free; unreadable: not ours to judge
    }
    struct stat st {};
    const bool idle = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && LockForReading(fd) &&
                      ::flock(fd, LOCK_SH | LOCK_NB) == 0;
    ::close(fd);
    return !idle;
}

// Whether `folder` holds a part file of the output `name` that a live writer is making: its
// name is theirs. A leftover nobody writes (one a sweep could not remove) keeps nobody's name,
// so that it never turns the skip of a rerun into a new numbered copy.
bool HasPartFileOf(const std::string& folder, std::string_view name) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return false;
    }
    const std::string prefix = PartNamePrefix(name);
    bool found = false;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view entryName = entry->d_name;
        if (entryName.starts_with(prefix) && !TagOfPartName(entryName).empty() &&
            entryName.size() == prefix.size() + kTagLength + std::string_view(kPartSuffix).size() &&
            MayBeWritten(folder + "/" + std::string(entryName))) {
            found = true;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

// Creates a file in `folder` that no other run can reach before it is locked, locks it and
// gives it the part name of `candidate` (with the new file's tag). Returns the descriptor, or
// -errno.
int CreateLockedPart(const std::string& candidate, std::string& partPath) {
    const std::string folder = FolderOf(candidate);
    const std::string prefix = folder + "/" + PartNamePrefix(FileNameOfPath(candidate));
    const auto nameFor = [&](int fd) {
        struct stat st {};
        return ::fstat(fd, &st) == 0 ? prefix + IdentityTag(st) + kPartSuffix : std::string();
    };
    // A file without a name until it is locked: where the file system has them.
    int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
    if (fd >= 0) {
        LockForWriting(fd);  // where locks are not to be had the file is written all the same
        partPath = nameFor(fd);
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        if (!partPath.empty() &&
            (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, partPath.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
             ::linkat(fd, "", AT_FDCWD, partPath.c_str(), AT_EMPTY_PATH) == 0)) {
            return fd;
        }
        const int error = errno;
        ::close(fd);
        if (error != ENOENT && error != EPERM && error != EOPNOTSUPP) {
            return -error;
        }
    } else if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
        return -errno;
    }
    // Elsewhere: made under a name no sweep takes, locked, then given its part name.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string staging =
            folder + "/.tolvane-new-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        fd = ::open(staging.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) {
                continue;
            }
            return -errno;
        }
        LockForWriting(fd);
        partPath = nameFor(fd);
        const int error = partPath.empty() ? errno : RenameWithoutReplacing(staging, partPath);
        if (error == 0) {
            return fd;
        }
        ::unlink(staging.c_str());
        ::close(fd);
        return -error;
    }
    return -EEXIST;
}

}  // namespace

bool PartTagMatches(std::string_view tag, const struct stat& st) {
    return tag == IdentityTag(st) || tag == IdentityTag({static_cast<std::uint64_t>(st.st_dev),
                                                         static_cast<std::uint64_t>(st.st_ino)});
}

bool IsPartFileName(const std::string& fileName) {
    return !TagOfPartName(fileName).empty();
}

bool IsPartFileOf(const std::string& fileName, const std::string& outputPath) {
    const std::string prefix = PartNamePrefix(FileNameOfPath(outputPath));
    return fileName.size() == prefix.size() + kTagLength + std::string_view(kPartSuffix).size() &&
           fileName.starts_with(prefix) && IsPartFileName(fileName);
}

int RemoveStalePartFiles(const std::string& folder, const std::vector<std::string>& keep) {
    // The files never to touch, by identity: the run's inputs may be named like anything.
    std::vector<std::pair<dev_t, ino_t>> kept;
    for (const std::string& path : keep) {
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0) {
            kept.emplace_back(st.st_dev, st.st_ino);
        }
    }
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return 0;
    }
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        const std::string_view tag = TagOfPartName(name);
        if (tag.empty()) {
            continue;
        }
        const std::string path = folder + "/" + name;
        // Only a regular file (never opened otherwise: a FIFO would block), whose name carries
        // its own identity, that is none of the run's inputs.
        struct stat named {};
        if (::lstat(path.c_str(), &named) != 0 || !S_ISREG(named.st_mode) ||
            !PartTagMatches(tag, named) ||
            std::find(kept.begin(), kept.end(), std::pair(named.st_dev, named.st_ino)) !=
                kept.end()) {
            continue;
        }
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        // The same file, and no live writer holds it: neither our lock nor another's.
        struct stat opened {};
        if (::fstat(fd, &opened) == 0 && opened.st_dev == named.st_dev &&
            opened.st_ino == named.st_ino && LockForReading(fd) &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            struct stat still {};
            if (::lstat(path.c_str(), &still) == 0 && still.st_ino == named.st_ino &&
                still.st_dev == named.st_dev && ::unlink(path.c_str()) == 0) {
                ++removed;
            }
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
        // A name is free when neither it nor a part file of it exists: a part file someone else
        // writes keeps its name for them. Should another writer take the name meanwhile, the
        // rename at the end finds the next free one; an existing file is never opened.
        struct stat st {};
        const bool taken = ::lstat(candidate.c_str(), &st) == 0;
        if (!taken && errno != ENOENT) {
            return AVERROR(errno);
        }
        if (!taken && !HasPartFileOf(FolderOf(candidate), FileNameOfPath(candidate))) {
            std::string part;
            const int fd = CreateLockedPart(candidate, part);
            if (fd < 0) {
                return AVERROR(-fd);
            }
            m_fd = fd;
            m_path = candidate;
            m_partPath = part;
            break;
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

namespace {

// Reads or writes `size` bytes at `offset` of `fd`, again after an interruption and on after a
// part. Returns the bytes moved (fewer than `size` only when a read reaches the end), or an
// AVERROR; a write that moves nothing (a full disk, a file size limit) is EIO.
std::int64_t MoveAt(int fd, std::int64_t offset, char* data, std::size_t size, bool write) {
    std::size_t done = 0;
    while (done < size) {
        const off_t at = static_cast<off_t>(offset) + static_cast<off_t>(done);
        const ssize_t n = write ? ::pwrite(fd, data + done, size - done, at)
                                : ::pread(fd, data + done, size - done, at);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return AVERROR(errno);
        }
        if (n == 0) {
            if (write) {
                return AVERROR(EIO);
            }
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return static_cast<std::int64_t>(done);
}

}  // namespace

int ExclusiveOutputFile::Overwrite(std::int64_t offset, const void* data, std::size_t size) {
    if (m_fd < 0) {
        return AVERROR(EBADF);
    }
    if (m_io != nullptr) {
        avio_flush(m_io);
    }
    // A short write leaves the file incomplete: the caller does not keep it.
    const std::int64_t moved =
        MoveAt(m_fd, offset, static_cast<char*>(const_cast<void*>(data)), size, true);
    return moved < 0 ? static_cast<int>(moved) : 0;
}

std::int64_t ExclusiveOutputFile::ReadAt(std::int64_t offset, void* data, std::size_t size) {
    if (m_fd < 0) {
        return AVERROR(EBADF);
    }
    if (m_io != nullptr) {
        avio_flush(m_io);
    }
    return MoveAt(m_fd, offset, static_cast<char*>(data), size, false);
}

std::int64_t ExclusiveOutputFile::Size() {
    if (m_io != nullptr) {
        avio_flush(m_io);
    }
    struct stat st {};
    return m_fd >= 0 && ::fstat(m_fd, &st) == 0 ? st.st_size : AVERROR(m_fd < 0 ? EBADF : errno);
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
