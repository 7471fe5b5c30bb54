#pragma once

// An output file that never replaces an existing one: it is created exclusively, and when the
// requested name is taken, "(0)", "(1)", ... is inserted before the extension until a name is
// free. The library writes it through an AVIO context of ours, so a failed write (a full or
// read-only disk) comes back as an error instead of being lost.

#include <string>

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

class ExclusiveOutputFile final {
public:
    ExclusiveOutputFile() = default;
    ExclusiveOutputFile(const ExclusiveOutputFile&) = delete;
    ExclusiveOutputFile& operator=(const ExclusiveOutputFile&) = delete;
    ~ExclusiveOutputFile();

    // Creates `requested` or the first free numbered name. Returns 0 or a negative AVERROR.
    int Create(const std::string& requested);

    const std::string& Path() const { return m_path; }
    AVIOContext* Io() const { return m_io; }

    // Flushes and closes the file. Returns 0 or the first write or close error.
    int Close();
    // Closes the file and removes it (a task that failed leaves nothing behind).
    void Discard();

private:
    static int WritePacket(void* opaque, std::uint8_t* buf, int size);
    static std::int64_t Seek(void* opaque, std::int64_t offset, int whence);

    std::string m_path;
    int m_fd = -1;
    AVIOContext* m_io = nullptr;
};

}  // namespace tolvane
