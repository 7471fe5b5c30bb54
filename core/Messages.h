#pragma once

// The texts of the rules, the engine and the command line in the user's language. Each is
// marked where it is written, QT_TRANSLATE_NOOP("Messages", "..."), so that lupdate finds it,
// and translated when it is made, through the translators the program installed (with none,
// in tests and in English, it is the source text itself).

#include <QtGlobal>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tolvane {

// `text` of the "Messages" context in the user's language, with %1, %2... replaced by `args`
// in one pass (an argument's own "%1" stays as it is).
std::string Say(const char* text, std::initializer_list<std::string_view> args = {});

// A text for people kept as its English text and arguments: in English where it is kept (a job's
// results, the command line's status lines and JSON), translated whole where it is shown.
struct Said final {
    Said() = default;
    Said(const char* text, std::vector<std::string> arguments = {}, bool piece = false)  // NOLINT
        : key(text), args(std::move(arguments)), continues(piece) {}

    // A "Messages" text, marked where it is written; null: `args[0]` stands as it is (the
    // library's words), translated piece by piece where its pieces are marked texts.
    const char* key = nullptr;
    std::vector<std::string> args;  // %1, %2...
    bool continues = false;         // a piece of the remark before: follows it after ", "

    std::string English() const;
    std::string Translated() const;
};
// Remarks one after another ("a; b", a remark's pieces "a, b"), in English or in the user's
// language.
std::string EnglishOf(const std::vector<Said>& said);
std::string TranslatedOf(const std::vector<Said>& said);

// A reason the engine or the planner gave, kept in English where it is made (a job's results,
// the command line's status lines and JSON): "what: why: the library's words", each piece
// translated where it is a marked text of its own ("what" or "what: "), the rest as it stands.
std::string SayPieces(std::string_view text);

}  // namespace tolvane
