#pragma once

// The output folder: where it starts from (the settings file, or a default folder), the check
// made at the start of every run, and remembering it for the next start.

#include <QtGlobal>  // QT_TRANSLATE_NOOP: the texts are shown through Say

#include <filesystem>
#include <string>

inline constexpr char kFolderMissingMessage[] = QT_TRANSLATE_NOOP(
    "Messages", "The folder that you selected does not exit.Please specify a different folder!");
inline constexpr char kFolderInvalidMessage[] =
    QT_TRANSLATE_NOOP("Messages", "The output folder name is invalid!");
inline constexpr char kBrowseTitle[] =
    QT_TRANSLATE_NOOP("Messages", "Please select output folder:");

// Where the settings file and the default output folder are. Beside the program:
// <program folder>/bin/Path_Registration.ini and <program folder>/OutPut. When the program folder
// cannot be written, or the program is installed (IsInstalledProgram, even where root could write
// there): the user's configuration folder for the file and the user's music folder for the
// output.
struct ProfileLocations {
    std::filesystem::path settingsFile;
    std::filesystem::path defaultOutputFolder;
};
ProfileLocations LocateProfile(const std::filesystem::path& programFolder);
// Whether the program in `programFolder` is installed: under /usr or /opt, or in a prefix that
// has its share/tolvane folder.
bool IsInstalledProgram(const std::filesystem::path& programFolder);

// The user's music folder as `xdg-user-dir MUSIC` finds it: XDG_MUSIC_DIR when set, else the
// one named in $XDG_CONFIG_HOME/user-dirs.dirs (a path from "$HOME/" or "/"), else ~/Music.
std::filesystem::path UserMusicFolder();

// Reads key "path" (any case) of section "Info"; a missing file, section or key reads as "".
std::string ReadRememberedFolder(const std::filesystem::path& settingsFile);

// Writes key "Path" of section "Info", keeping the rest of the file; creates the file and its
// folder when missing. The file is replaced whole, so that a failed write never leaves half a
// file. Returns false on failure (which callers ignore).
bool WriteRememberedFolder(const std::filesystem::path& settingsFile, const std::string& folder);

// Any other key of section "Info", by the same rules ("FilesAtOnce", say).
std::string ReadSetting(const std::filesystem::path& settingsFile, const std::string& key);
bool WriteSetting(const std::filesystem::path& settingsFile, const std::string& key,
                  const std::string& value);

// The folder a start begins with: the remembered one, taken unchanged when not empty; otherwise
// the default folder, created when nothing of that name exists (a failure is ignored).
std::string StartupFolder(const ProfileLocations& locations);

enum class RunFolderMode { ExistingOnly, CreateIfMissing };  // Convert, Merge
enum class RunFolderCheck { Accepted, Refused, RefusedWithMessage };

// The check at the start of a run on the folder box's text. RefusedWithMessage: show
// kFolderMissingMessage. Accepted: the text is the run folder (the caller remembers it).
RunFolderCheck CheckRunFolder(const std::string& text, RunFolderMode mode);
