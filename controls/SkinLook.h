#pragma once

// The application-wide look: the skin's dark palette and one style sheet, so that every dialog,
// message box and tooltip wears the colours of the skinned main window.

class QAbstractButton;
class QApplication;
class QPainter;
class QPainterPath;
class QWidget;

void ApplySkinLook(QApplication& app);

// Whether `widget` shows that it has the keyboard focus: always for a control that only the
// keyboard (or the program) focuses, and for the others once the keyboard moved the focus in
// their window (a click on a slider draws no ring).
bool ShowsFocus(const QWidget& widget);
// The skin's focus ring along the inside of `outline`, in the widget's coordinates.
void DrawFocusRing(QPainter& painter, const QPainterPath& outline);

// A button or check box of a fixed size whose text (a long translation) is wider than it: the
// text is made up to a fifth smaller, and if it still does not fit, cut short with "…" and whole
// in the tooltip. A text that fits stays; a button can be fitted again at another size.
void FitTextToWidth(QAbstractButton& button);
// The width a button or check box has for its text, and whether its text fits it.
int TextRoom(const QAbstractButton& button);
bool TextFitsButton(const QAbstractButton& button);
