#include "OutputFolder.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// "[Name]" → "name"; anything else → no section.
bool SectionName(std::string_view line, std::string& name) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') {
        return false;
    }
    name = Lower(Trim(line.substr(1, line.size() - 2)));
    return true;
}

// "key=value" with `key` in any case → true and the value.
bool KeyValue(std::string_view line, std::string_view key, std::string& value) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos || Lower(Trim(line.substr(0, eq))) != key) {
        return false;
    }
    value = std::string(Trim(line.substr(eq + 1)));
    return true;
}

std::vector<std::string> ReadLines(const fs::path& file) {
    std::vector<std::string> lines;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

bool Writable(const fs::path& folder) {
    return ::access(folder.c_str(), W_OK) == 0;
}

fs::path HomeFolder() {
    const char* home = std::getenv("HOME");
    return home != nullptr ? fs::path(home) : fs::temp_directory_path();
}

fs::path ConfigFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    return (config != nullptr && *config != '\0') ? fs::path(config) : HomeFolder() / ".config";
}

}  // namespace

bool IsInstalledProgram(const fs::path& programFolder) {
    std::error_code ignored;
    const fs::path folder = fs::weakly_canonical(programFolder, ignored).lexically_normal();
    const std::string text = folder.string();
    for (const char* prefix : {"/usr/", "/opt/"}) {
        if (text.rfind(prefix, 0) == 0) {
            return true;
        }
    }
    // Any prefix it was installed into has its data beside: PREFIX/bin and PREFIX/share/tolvane.
    return fs::is_directory(folder.parent_path() / "share" / "tolvane", ignored);
}

ProfileLocations LocateProfile(const fs::path& programFolder) {
    // A build tree or an unpacked portable folder keeps its settings and outputs beside the
    // program; an installed program never writes beside itself (not even as root).
    if (Writable(programFolder) && !IsInstalledProgram(programFolder)) {
        return {programFolder / "bin" / "Path_Registration.ini", programFolder / "OutPut"};
    }
    return {ConfigFolder() / "tolvane" / "Path_Registration.ini", UserMusicFolder()};
}

fs::path UserMusicFolder() {
    if (const char* music = std::getenv("XDG_MUSIC_DIR"); music != nullptr && *music != '\0') {
        return music;
    }
    // XDG_MUSIC_DIR="$HOME/Musik" in the file the desktop writes (xdg-user-dirs-update).
    for (const std::string& raw : ReadLines(ConfigFolder() / "user-dirs.dirs")) {
        const std::string line(Trim(raw));
        constexpr std::string_view kKey = "XDG_MUSIC_DIR=";
        if (line.rfind(kKey, 0) != 0) {
            continue;
        }
        std::string value = line.substr(kKey.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        constexpr std::string_view kHome = "$HOME";
        if (value.rfind(kHome, 0) == 0 &&
            (value.size() == kHome.size() || value[kHome.size()] == '/')) {
            const std::string rest = value.substr(kHome.size());
            return rest.empty() || rest == "/" ? HomeFolder() : HomeFolder() / rest.substr(1);
        }
        if (!value.empty() && value.front() == '/') {
            return value;
        }
    }
    return HomeFolder() / "Music";
}

std::string ReadRememberedFolder(const fs::path& settingsFile) {
    return ReadSetting(settingsFile, "Path");
}

bool WriteRememberedFolder(const fs::path& settingsFile, const std::string& folder) {
    return WriteSetting(settingsFile, "Path", folder);
}

std::string ReadSetting(const fs::path& settingsFile, const std::string& key) {
    const std::string wanted = Lower(key);
    std::string section;
    std::string value;
    for (const std::string& line : ReadLines(settingsFile)) {
        std::string name;
        if (SectionName(line, name)) {
            section = name;
        } else if (section == "info" && KeyValue(line, wanted, value)) {
            return value;  // as long as the system allows: never cut
        }
    }
    return {};
}

bool WriteSetting(const fs::path& settingsFile, const std::string& key, const std::string& value) {
    std::vector<std::string> lines = ReadLines(settingsFile);
    const std::string wanted = Lower(key);
    const std::string entry = key + "=" + value;
    std::string section;
    bool written = false;
    std::size_t infoEnd = lines.size();
    bool haveInfo = false;
    for (std::size_t i = 0; i < lines.size() && !written; ++i) {
        std::string name;
        std::string old;
        if (SectionName(lines[i], name)) {
            if (section == "info") {
                infoEnd = i;
            }
            section = name;
            haveInfo = haveInfo || name == "info";
        } else if (section == "info" && KeyValue(lines[i], wanted, old)) {
            lines[i] = entry;
            written = true;
        }
    }
    if (!written) {
        if (haveInfo) {
            // After the last line of the "Info" section.
            if (section == "info") {
                infoEnd = lines.size();
            }
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(infoEnd), entry);
        } else {
            lines.push_back("[Info]");
            lines.push_back(entry);
        }
    }

    std::error_code error;
    fs::create_directories(settingsFile.parent_path(), error);
    const fs::path temporary = settingsFile.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        for (const std::string& line : lines) {
            out << line << '\n';
        }
        out.flush();
        if (!out) {
            fs::remove(temporary, error);
            return false;
        }
    }
    fs::rename(temporary, settingsFile, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

std::string StartupFolder(const ProfileLocations& locations) {
    const std::string remembered = ReadRememberedFolder(locations.settingsFile);
    if (!remembered.empty()) {
        return remembered;
    }
    std::error_code error;
    if (!fs::exists(fs::symlink_status(locations.defaultOutputFolder, error))) {
        fs::create_directories(locations.defaultOutputFolder, error);
    }
    return locations.defaultOutputFolder.string();
}

RunFolderCheck CheckRunFolder(const std::string& text, RunFolderMode mode) {
    if (text == "\\") {
        return RunFolderCheck::Refused;
    }
    std::error_code error;
    if (mode == RunFolderMode::ExistingOnly) {
        return fs::is_directory(text, error) ? RunFolderCheck::Accepted
                                             : RunFolderCheck::RefusedWithMessage;
    }
    if (text.empty()) {
        return RunFolderCheck::RefusedWithMessage;
    }
    if (!fs::exists(fs::symlink_status(text, error))) {
        // Another run (a slice of the same job) may make it at the same moment, so that this
        // call makes nothing: what counts is that a folder stands there afterwards.
        fs::create_directories(text, error);
    }
    return fs::is_directory(text, error) ? RunFolderCheck::Accepted
                                         : RunFolderCheck::RefusedWithMessage;
}
