#include "Messages.h"

#include <QCoreApplication>

namespace tolvane {

std::string Say(const char* text, std::initializer_list<std::string_view> args) {
    const std::string translated = QCoreApplication::translate("Messages", text).toStdString();
    std::string said;
    said.reserve(translated.size());
    for (std::size_t i = 0; i < translated.size(); ++i) {
        const char c = translated[i];
        const bool numbered = c == '%' && i + 1 < translated.size() && translated[i + 1] >= '1' &&
                              translated[i + 1] <= '9';
        const auto index = numbered ? static_cast<std::size_t>(translated[i + 1] - '1') : 0;
        if (numbered && index < args.size()) {
            said += *(args.begin() + index);
            ++i;
        } else {
            said += c;
        }
    }
    return said;
}

std::string SayPieces(std::string_view text) {
    const std::string whole(text);
    if (std::string translated = Say(whole.c_str()); translated != whole) {
        return translated;
    }
    std::string said;
    while (!text.empty()) {
        const std::size_t colon = text.find(": ");
        const std::string piece(text.substr(0, colon));
        if (colon == std::string_view::npos) {
            said += Say(piece.c_str());
            break;
        }
        const std::string withColon = piece + ": ";
        const std::string translated = Say(withColon.c_str());
        said += translated != withColon ? translated : Say(piece.c_str()) + ": ";
        text.remove_prefix(colon + 2);
    }
    return said;
}

}  // namespace tolvane
