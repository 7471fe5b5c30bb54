#include "Paths.h"

#include <sys/stat.h>
#include <QtGlobal>  // QT_TRANSLATE_NOOP: the window and the command line translate these

#include <cerrno>
#include <cstring>

std::string_view FileNameOfPath(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::size_t ExtensionStart(std::string_view path) {
    const std::size_t dot = path.find_last_of('.');
    const std::size_t slash = path.find_last_of('/');
    const bool hasExtension =
        dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
    return hasExtension ? dot : path.size();
}

std::string WithExtension(std::string_view path, std::string_view extension) {
    std::string result(path.substr(0, ExtensionStart(path)));
    result += extension;
    return result;
}

std::string InputRefusal(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return SystemErrorText(errno);
    }
    if (S_ISDIR(st.st_mode)) {
        return QT_TRANSLATE_NOOP("Messages", "it is a folder");
    }
    if (!S_ISREG(st.st_mode)) {
        return QT_TRANSLATE_NOOP("Messages", "it is not a regular file (a pipe, socket or device)");
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

std::string SystemErrorText(int code) {
    const char* text = ::strerrordesc_np(code);
    return text != nullptr ? std::string(text) : "error " + std::to_string(code);
}
