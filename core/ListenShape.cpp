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

std::string ListenShapeText(const ListenShape& shape) {
    std::string text;
    const auto add = [&text](const std::string& piece) {
        text += (text.empty() ? "" : ", ") + piece;
    };
    if (shape.Tempo()) {
        add("tempo " + FormatShort(shape.tempo) + "\u00d7");
    }
    if (shape.night) {
        add("night mode");
    }
    if (shape.fadeIn > 0.0) {
        add("fade in " + FormatShort(shape.fadeIn) + " s");
    }
    if (shape.fadeOut > 0.0) {
        add("fade out " + FormatShort(shape.fadeOut) + " s");
    }
    if (shape.crossfade > 0.0) {
        add("crossfade " + FormatShort(shape.crossfade) + " s");
    }
    return text;
}

}  // namespace tolvane
