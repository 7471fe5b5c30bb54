#pragma once

// What the split dialogs share: the list of the parts a split would make, as read-only text under
// the dialog's own input, and its OK (enabled once there is something to split) and Cancel.

#include <QStringList>
#include <vector>

#include "SplitParts.h"

class QBoxLayout;
class QDialog;
class QPlainTextEdit;
class QPushButton;

struct PartsView final {
    QPlainTextEdit* listing;
    QPushButton* ok;
};

// Adds the listing and the buttons to the end of `layout`, which is `dialog`'s.
PartsView AddPartsView(QDialog& dialog, QBoxLayout& layout);

// A line per part: its number, start and length, and title ("Part N" without one):
// "02  00:03:12  (00:04:40)  Second Song".
QStringList PartLines(const std::vector<SplitPart>& parts);
