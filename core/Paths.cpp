#include "Paths.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

std::string_view FileNameOfPath(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string InputRefusal(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return std::strerror(errno);
    }
    if (S_ISDIR(st.st_mode)) {
        return "it is a folder";
    }
    if (!S_ISREG(st.st_mode)) {
        return "it is not a regular file (a pipe, socket or device)";
    }
    return {};
}

std::filesystem::path DataFilePath(const std::filesystem::path& programFolder,
                                   std::string_view name) {
    std::error_code error;
    const std::filesystem::path beside = programFolder / name;
    if (std::filesystem::exists(beside, error)) {
        return beside;
    }
    return (programFolder.parent_path() / "share" / "tolvane" / name).lexically_normal();
}
