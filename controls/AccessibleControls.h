#pragma once

// What assistive technology (a screen reader over AT-SPI) learns of the skinned controls: the
// bitmap slider is a slider with its value and range, the waveform a chart, the preview frame a
// picture, the hyperlink a link that can be followed. A widget may name its own role with the
// "accessibleRole" property (a QAccessible::Role; the main window is a window, not a dialog).

// Adds the interfaces to Qt's accessibility; once, before the first window shows.
void InstallAccessibleControls();
