#include "CSplitDialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "PartsView.h"

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
    const PartsView view = AddPartsView(*this, *layout);
    m_understood = view.listing;
    m_ok = view.ok;
    connect(m_editor, &QPlainTextEdit::textChanged, this, &CSplitDialog::Reread);
    Reread();
}

void CSplitDialog::Reread() {
    m_parse = ParseSplitList(m_editor->toPlainText().toStdString(), m_length);
    QStringList lines = PartLines(m_parse.parts);
    for (const std::string& problem : m_parse.problems) {
        lines << tr("Left out: ") + QString::fromStdString(problem);
    }
    m_understood->setPlainText(lines.isEmpty() ? tr("No part yet.")
                                               : tr("%1 parts:").arg(m_parse.parts.size()) + '\n' +
                                                     lines.join('\n'));
    m_ok->setEnabled(!m_parse.parts.empty());
}
