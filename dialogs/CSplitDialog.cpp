#include "CSplitDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "TimeText.h"

namespace {

QString Time(double seconds) {
    return QString::fromStdString(FormatTimeText(static_cast<std::int64_t>(seconds)));
}

}  // namespace

CSplitDialog::CSplitDialog(double length, QWidget* parent) : QDialog(parent), m_length(length) {
    setWindowTitle(tr("Split at times"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("Paste the times of the parts, a line each, as video descriptions give them\n"
                      "(\"00:00 Overture\", \"Second Song - 17:24\"), or a CUE sheet:"),
                   this));
    m_editor = new QPlainTextEdit(this);
    m_editor->setTabChangesFocus(true);
    m_editor->setAccessibleName(tr("Times of the parts"));
    m_editor->setMinimumSize(440, 160);
    layout->addWidget(m_editor);
    m_understood = new QLabel(this);
    m_understood->setTextFormat(Qt::PlainText);
    m_understood->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_understood->setWordWrap(true);
    m_understood->setAccessibleName(tr("Parts"));
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(m_understood);
    scroll->setWidgetResizable(true);
    scroll->setMinimumHeight(140);
    layout->addWidget(scroll);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_editor, &QPlainTextEdit::textChanged, this, &CSplitDialog::Reread);
    Reread();
}

void CSplitDialog::Reread() {
    m_parse = ParseSplitList(m_editor->toPlainText().toStdString(), m_length);
    QStringList lines;
    const int width = m_parse.parts.size() >= 100 ? 3 : 2;
    for (std::size_t i = 0; i < m_parse.parts.size(); ++i) {
        const SplitPart& part = m_parse.parts[i];
        lines << QStringLiteral("%1  %2  (%3)  %4")
                     .arg(static_cast<int>(i + 1), width, 10, QLatin1Char('0'))
                     .arg(Time(part.start))
                     .arg(Time(std::max(0.0, part.end - part.start)))
                     .arg(part.title.empty() ? tr("Part %1").arg(i + 1)
                                             : QString::fromStdString(part.title));
    }
    for (const std::string& problem : m_parse.problems) {
        lines << tr("Left out: ") + QString::fromStdString(problem);
    }
    m_understood->setText(lines.isEmpty()
                              ? tr("No part yet.")
                              : QStringLiteral("%1 parts:\n").arg(m_parse.parts.size()) +
                                    lines.join('\n'));
    m_ok->setEnabled(!m_parse.parts.empty());
}
