#pragma once

#include <QCursor>

// The hand cursor of the skin (bitmap 262), for the buttons that show it.
QCursor SkinHandCursor();
