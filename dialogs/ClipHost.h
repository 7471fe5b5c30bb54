#pragma once

// What the clip dialog asks of the window that owns the task list and the player.

#include <QString>

#include <memory>

#include "ClipRow.h"
#include "SilenceFinder.h"

class ClipHost {
public:
    virtual ~ClipHost() = default;
    // The path of the last selected row, in list order; empty without a selection.
    virtual QString LastSelectedPath() const = 0;
    virtual bool AnyRowSelected() const = 0;
    virtual ClipRow ClipRowTexts() const = 0;
    virtual void WriteClipRow(const QString& start, const QString& end) = 0;
    // Gives the player back to the window's own preview.
    virtual void SetUpPreview() = 0;
    // The levels of a file's sound track read before (for its pauses), kept while the program
    // runs so that a file's sound is read once; null when not known (or the file changed).
    virtual std::shared_ptr<const tolvane::LevelsRead> KnownLevels(const QString& /*path*/,
                                                                   int /*soundTrack*/) const {
        return nullptr;
    }
    virtual void KeepLevels(const QString& /*path*/, int /*soundTrack*/,
                            std::shared_ptr<const tolvane::LevelsRead> /*levels*/) {}
};
