#include "ListenShape.h"

#include <QtGlobal>  // QT_TRANSLATE_NOOP

#include "Numbers.h"

namespace tolvane {

std::string ListenShapeRefusal(const ListenShape& shape) {
    if (!kTempoRange.Holds(shape.tempo)) {
        return QT_TRANSLATE_NOOP("Messages", "the tempo is from 0.5 to 4 times the speed");
    }
    if (!kFadeRange.Holds(shape.fadeIn) || !kFadeRange.Holds(shape.fadeOut)) {
        return QT_TRANSLATE_NOOP("Messages", "a fade lasts from 0 to 60 seconds");
    }
    if (!kCrossfadeRange.Holds(shape.crossfade)) {
        return QT_TRANSLATE_NOOP("Messages", "a crossfade lasts from 0 to 30 seconds");
    }
    return {};
}

std::vector<Said> ListenShapeSaid(const ListenShape& shape) {
    std::vector<Said> said;
    const auto add = [&said](const char* key, std::vector<std::string> args = {}) {
        said.push_back(Said{key, std::move(args), !said.empty()});
    };
    if (shape.Tempo()) {
        add(QT_TRANSLATE_NOOP("Messages", "tempo %1×"), {FormatShort(shape.tempo)});
    }
    if (shape.night) {
        add(QT_TRANSLATE_NOOP("Messages", "night mode"));
    }
    if (shape.fadeIn > 0.0) {
        add(QT_TRANSLATE_NOOP("Messages", "fade in %1 s"), {FormatShort(shape.fadeIn)});
    }
    if (shape.fadeOut > 0.0) {
        add(QT_TRANSLATE_NOOP("Messages", "fade out %1 s"), {FormatShort(shape.fadeOut)});
    }
    if (shape.crossfade > 0.0) {
        add(QT_TRANSLATE_NOOP("Messages", "crossfade %1 s"), {FormatShort(shape.crossfade)});
    }
    return said;
}

std::string ListenShapeText(const ListenShape& shape) {
    return EnglishOf(ListenShapeSaid(shape));
}

}  // namespace tolvane
