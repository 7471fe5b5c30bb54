#include "CSilenceDialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "Silences.h"
#include "TimeText.h"

namespace {

QString Time(double seconds) {
    return QString::fromStdString(FormatTimeText(static_cast<std::int64_t>(seconds)));
}

QDoubleSpinBox* NumberBox(double low, double high, double value, double step, int decimals,
                          const QString& suffix, QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    // Numbers read the same in every language: "1.5", never "1,5".
    box->setLocale(QLocale::c());
    box->setRange(low, high);
    box->setDecimals(decimals);
    box->setSingleStep(step);
    box->setValue(value);
    box->setSuffix(suffix);
    return box;
}

}  // namespace

CSilenceDialog::CSilenceDialog(tolvane::LevelsSpan span, int threads, QWidget* parent)
    : QDialog(parent),
      m_finder(std::make_unique<tolvane::SilenceFinder>(std::move(span), threads)) {
    setWindowTitle(tr("Split at silences"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("A part for each stretch of sound, cut in the middle of the pauses:"), this));
    const SilenceRule rule;
    m_level = NumberBox(-90, -10, rule.decibels, 1, 0, " dBFS", this);
    m_level->setAccessibleName(tr("Pause level"));
    m_level->setToolTip(tr("Sound under this level counts as silence"));
    m_pause = NumberBox(0.1, 60, rule.seconds, 0.1, 1, " s", this);
    m_pause->setAccessibleName(tr("Shortest pause"));
    m_pause->setToolTip(tr("A pause lasts at least this long; shorter ones are breaths"));
    auto* form = new QFormLayout;
    form->addRow(tr("Quieter than:"), m_level);
    form->addRow(tr("For at least:"), m_pause);
    layout->addLayout(form);
    m_understood = new QLabel(this);
    m_understood->setTextFormat(Qt::PlainText);
    m_understood->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_understood->setWordWrap(true);
    m_understood->setAccessibleName(tr("Parts"));
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(m_understood);
    scroll->setWidgetResizable(true);
    scroll->setMinimumSize(420, 160);
    layout->addWidget(scroll);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_level, &QDoubleSpinBox::valueChanged, this, &CSilenceDialog::Recount);
    connect(m_pause, &QDoubleSpinBox::valueChanged, this, &CSilenceDialog::Recount);
    m_poll.setInterval(100);
    connect(&m_poll, &QTimer::timeout, this, &CSilenceDialog::Poll);
    m_poll.start();
    Poll();
}

// Stops the reading (if it still goes) and waits for it.
CSilenceDialog::~CSilenceDialog() = default;

void CSilenceDialog::Poll() {
    if (!m_finder->Done()) {
        m_understood->setText(
            tr("Finding the pauses\u2026 %1 %").arg(static_cast<int>(m_finder->Progress() * 100)));
        m_ok->setEnabled(false);
        return;
    }
    m_poll.stop();
    Recount();
}

void CSilenceDialog::Recount() {
    if (!m_finder->Done()) {
        return;
    }
    const tolvane::LevelsRead& read = m_finder->Result();
    if (!read.read) {
        m_parse = {};
        m_understood->setText(
            tr("The sound cannot be read: %1").arg(QString::fromStdString(read.failure)));
        m_ok->setEnabled(false);
        return;
    }
    const SilenceSplit split =
        SplitAtSilences(read.levels, SilenceRule{m_level->value(), m_pause->value()});
    m_parse = {split.parts, {}};
    QStringList lines{QString::fromStdString(split.note)};
    const int width = split.parts.size() >= 100 ? 3 : 2;
    for (std::size_t i = 0; i < split.parts.size() && split.parts.size() > 1; ++i) {
        const SplitPart& part = split.parts[i];
        lines << QStringLiteral("%1  %2  (%3)")
                     .arg(static_cast<int>(i + 1), width, 10, QLatin1Char('0'))
                     .arg(Time(part.start))
                     .arg(QString::fromStdString(ShortLength(part.end - part.start)));
    }
    m_understood->setText(lines.join('\n'));
    // One part is no split.
    m_ok->setEnabled(split.parts.size() > 1);
}
