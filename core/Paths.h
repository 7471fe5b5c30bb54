#pragma once

// Linux paths: "/" is the only separator (a backslash is an ordinary character of a name), and
// only regular files are inputs.

#include <filesystem>
#include <string>
#include <string_view>

// The part of `path` after its last "/" (all of it without one).
std::string_view FileNameOfPath(std::string_view path);

// Where the extension of `path`'s file name starts (its last "."), or the path's length when the
// file name has none.
std::size_t ExtensionStart(std::string_view path);

// `path` with its file name's extension replaced by `extension` (".ogg"), or with it added.
std::string WithExtension(std::string_view path, std::string_view extension);

// Why `path` cannot be an input, or empty when it can: a pipe, socket, device or folder is
// refused without being opened (opening a pipe with no writer would wait for ever).
std::string InputRefusal(const std::string& path);

// Where a file the program reads at run time is: beside the program (a build folder), or else
// in the installed data folder, <prefix>/share/tolvane/, for a program in <prefix>/bin.
std::filesystem::path DataFilePath(const std::filesystem::path& programFolder,
                                   std::string_view name);

// The system's text for the error number `code` ("No such file or directory"), in English
// whatever the user's language: status lines and logs are read by programs too.
std::string SystemErrorText(int code);
