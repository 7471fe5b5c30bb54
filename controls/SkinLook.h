#pragma once

// The application-wide look: the skin's dark palette and one style sheet, so that every dialog,
// message box and tooltip wears the colours of the skinned main window.

class QApplication;

void ApplySkinLook(QApplication& app);
