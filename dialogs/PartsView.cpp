#include "PartsView.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "TimeText.h"

namespace {

QString Time(double seconds) {
    return QString::fromStdString(FormatTimeText(static_cast<std::int64_t>(seconds)));
}

}  // namespace

PartsView AddPartsView(QDialog& dialog, QBoxLayout& layout) {
    // Read-only text a line per part: the keyboard reaches it and a screen reader reads it line
    // by line.
    auto* listing = new QPlainTextEdit(&dialog);
    listing->setReadOnly(true);
    listing->setTabChangesFocus(true);
    listing->setAccessibleName(QCoreApplication::translate("PartsView", "Parts"));
    listing->setMinimumSize(420, 150);
    layout.addWidget(listing);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout.addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return {listing, buttons->button(QDialogButtonBox::Ok)};
}

QStringList PartLines(const std::vector<SplitPart>& parts) {
    QStringList lines;
    const int width = parts.size() >= 100 ? 3 : 2;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const SplitPart& part = parts[i];
        lines << QStringLiteral("%1  %2  (%3)  %4")
                     .arg(static_cast<int>(i + 1), width, 10, QLatin1Char('0'))
                     .arg(Time(part.start))
                     .arg(Time(std::max(0.0, part.end - part.start)))
                     .arg(part.title.empty()
                              ? QCoreApplication::translate("PartsView", "Part %1").arg(i + 1)
                              : QString::fromStdString(part.title));
    }
    return lines;
}
