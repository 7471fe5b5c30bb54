#pragma once

// The channel choices as the user reads them: the values the formats and presets keep are
// English ("2 Channel Stereo"); what the lists and File Information show is translated.

#include <QCoreApplication>
#include <QString>

// `value` in the user's language where it is one of the channel texts; else as it is.
inline QString ShownChannelText(const QString& value) {
    [[maybe_unused]] static constexpr const char* kTexts[] = {
        QT_TRANSLATE_NOOP("Channels", "1 Channel Mono"),
        QT_TRANSLATE_NOOP("Channels", "2 Channel Stereo"),
        QT_TRANSLATE_NOOP("Channels", "2 Channel stereo"),
        QT_TRANSLATE_NOOP("Channels", "5.1 Channel"),
        QT_TRANSLATE_NOOP("Channels", "6 Channel stereo"),
    };
    return QCoreApplication::translate("Channels", value.toUtf8().constData());
}
