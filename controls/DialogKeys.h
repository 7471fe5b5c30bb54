#pragma once

// The keys a dialog would close or confirm on, for the windows that do not.

#include <QKeyEvent>

inline bool IsEnterKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

inline bool IsEnterOrEscape(const QKeyEvent& event) {
    return IsEnterKey(event) || event.key() == Qt::Key_Escape;
}
