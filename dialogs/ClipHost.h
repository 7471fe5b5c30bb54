#pragma once

// What the clip dialog asks of the window that owns the task list and the player.

#include <QString>

#include "ClipRow.h"

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
};
