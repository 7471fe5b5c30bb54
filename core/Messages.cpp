#include "Messages.h"

#include <QCoreApplication>

namespace tolvane {

namespace {

// `text` with %1, %2... replaced by `args` in one pass (an argument's own "%1" stays as it is).
std::string Filled(const std::string& text, const std::vector<std::string>& args) {
    std::string said;
    said.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool numbered =
            c == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const auto index = numbered ? static_cast<std::size_t>(text[i + 1] - '1') : 0;
        if (numbered && index < args.size()) {
            said += args[index];
            ++i;
        } else {
            said += c;
        }
    }
    return said;
}

template <typename Text>
std::string Joined(const std::vector<Said>& said, Text text) {
    std::string joined;
    for (const Said& one : said) {
        if (!joined.empty()) {
            joined += one.continues ? ", " : "; ";
        }
        joined += text(one);
    }
    return joined;
}

}  // namespace

std::string Say(const char* text, std::initializer_list<std::string_view> args) {
    return Filled(QCoreApplication::translate("Messages", text).toStdString(),
                  std::vector<std::string>(args.begin(), args.end()));
}

std::string Said::English() const {
    if (key == nullptr) {
        return args.empty() ? std::string() : args.front();
    }
    return Filled(key, args);
}

std::string Said::Translated() const {
    if (key == nullptr) {
        return SayPieces(English());
    }
    return Filled(QCoreApplication::translate("Messages", key).toStdString(), args);
}

std::string EnglishOf(const std::vector<Said>& said) {
    return Joined(said, [](const Said& one) { return one.English(); });
}

std::string TranslatedOf(const std::vector<Said>& said) {
    return Joined(said, [](const Said& one) { return one.Translated(); });
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
