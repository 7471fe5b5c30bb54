#include "CShutDownNotice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CShutDownNotice::CShutDownNotice(QWidget* parent, int seconds) : QDialog(parent), m_left(seconds) {
    setWindowTitle(tr("Tolvane"));
    m_text = new QLabel(this);
    // Its name is its text, so that a screen reader reads the seconds left as they change.
    m_now = new QPushButton(tr("Shut down now"), this);
    m_cancel = new QPushButton(tr("Cancel"), this);
    // Enter or Space keeps the computer on: the safe choice has the focus.
    m_cancel->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_now);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    connect(m_now, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &CShutDownNotice::Tick);
    m_timer.start();
    ShowLeft();
    m_cancel->setFocus(Qt::OtherFocusReason);
}

QString CShutDownNotice::Text() const {
    return m_text->text();
}

void CShutDownNotice::Tick() {
    --m_left;
    if (m_left <= 0) {
        m_timer.stop();
        accept();
        return;
    }
    ShowLeft();
}

void CShutDownNotice::ShowLeft() {
    m_text->setText(
        m_left == 1
            ? tr("The conversion is complete. The computer shuts down in 1 second.")
            : tr("The conversion is complete. The computer shuts down in %1 seconds.").arg(m_left));
}
