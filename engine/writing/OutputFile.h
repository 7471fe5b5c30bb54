#pragma once

// An output file that never replaces an existing one, and never shows under its name until it
// is whole. When the requested name is taken, "(0)", "(1)", ... is inserted before the extension
// until a name is free. The file is written as a hidden part file beside it
// (".NAME.TAG.tolvane-part"), made without a name, locked with an open-file-description lock
// (fcntl, so that it also holds on network shares) and only then linked into the folder, so that
// no other run ever finds it unlocked while it is written; Close flushes it to disk and renames
// it to its name without replacing anything, then flushes the folder. A process that dies
// leaves only the part file, which the next run into that folder removes once no live process
// holds it. The library writes through an AVIO context of ours, so a failed write (a full or
// read-only disk) comes back
// as an error instead of being lost.

#include <string>
#include <string_view>
#include <vector>

#include <sys/stat.h>

extern "C" {
#include <libavformat/avio.h>
}

namespace tolvane {

// The candidate name for `counter`: the part before the file name's last ".", then "(counter)",
// then the part from that "." on. A file name without "." gets the counter at its end.
std::string NumberedName(const std::string& path, int counter);

// The first name, `path` or a numbered one, of which no file exists (a file that exists but
// cannot be read counts as existing). Empty when a name cannot be tested at all (too long, a
// folder missing or unreadable). Used where a name is reported but not created.
std::string FirstFreeName(const std::string& path);

// Whether `fileName` (without folder) is the name of a part file: ".NAME.TAG.tolvane-part",
// where TAG is made from the file's own identity (or, where that would pass the longest file
// name, ".tolvane-HASH.TAG.tolvane-part").
bool IsPartFileName(const std::string& fileName);
// Whether `fileName` (without folder) is a part file of the output `outputPath`.
bool IsPartFileOf(const std::string& fileName, const std::string& outputPath);

// Whether a part file's name `tag` is the one its file `st` carries (its inode's, which a
// remount keeps; or, as earlier runs named them, its device's and inode's).
bool PartTagMatches(std::string_view tag, const struct stat& st);

// Removes the part files in `folder` that are provably ours and stale: what a killed run left
// behind. A file is left alone unless it is a regular file whose name carries its own identity,
// no live process holds a lock on it (fcntl or flock), and it is none of `keep` (the run's
// inputs). Returns how many went.
int RemoveStalePartFiles(const std::string& folder, const std::vector<std::string>& keep = {});

class ExclusiveOutputFile final {
public:
    ExclusiveOutputFile() = default;
    ExclusiveOutputFile(const ExclusiveOutputFile&) = delete;
    ExclusiveOutputFile& operator=(const ExclusiveOutputFile&) = delete;
    ~ExclusiveOutputFile();

    // Starts `requested`, or the first free numbered name, as its part file. Returns 0 or a
    // negative AVERROR.
    int Create(const std::string& requested);

    // The name the file has once it is closed (the next free one if its own was taken
    // meanwhile).
    const std::string& Path() const { return m_path; }
    const std::string& PartPath() const { return m_partPath; }
    AVIOContext* Io() const { return m_io; }

    // Flushes the file to disk and gives it its name. Returns 0 or the first write, flush,
    // rename or close error; on an error the part file is removed.
    int Close();
    // Overwrites `size` bytes at `offset` of the file being written (the muxer's buffer flushed
    // first): for values known only once the whole file is written. Returns 0 or an AVERROR.
    int Overwrite(std::int64_t offset, const void* data, std::size_t size);
    // Reads up to `size` bytes at `offset` of the file being written (the muxer's buffer
    // flushed first). Returns how many were read, or an AVERROR.
    std::int64_t ReadAt(std::int64_t offset, void* data, std::size_t size);
    // The size of the file being written, or an AVERROR.
    std::int64_t Size();
    // Closes the file and removes it (a task that failed leaves nothing behind). A file neither
    // closed nor discarded is discarded when its owner goes.
    void Discard();

private:
    static int WritePacket(void* opaque, std::uint8_t* buf, int size);
    static std::int64_t Seek(void* opaque, std::int64_t offset, int whence);

    int Rename();
    void CloseDescriptor();

    std::string m_path;
    std::string m_partPath;
    int m_fd = -1;
    AVIOContext* m_io = nullptr;
    std::int64_t m_unsynced = 0;  // bytes written since the disk was last asked to start
};

}  // namespace tolvane
