#include "CSilenceDialog.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <QPlainTextEdit>
#include "Messages.h"

#include "PartsView.h"
#include "Silences.h"

namespace {

// Shows numbers as they read in every language ("1.5"), and takes a comma typed for the decimal
// point as one: "2,5" in German is two and a half seconds, never 25 (no such field has
// thousands to group).
class DecimalBox final : public QDoubleSpinBox {
public:
    using QDoubleSpinBox::QDoubleSpinBox;

    // The text is put right as it is typed: the value is read from it.
    QValidator::State validate(QString& text, int& position) const override {
        text.replace(QLatin1Char(','), QLatin1Char('.'));
        return QDoubleSpinBox::validate(text, position);
    }
};

QDoubleSpinBox* NumberBox(double low, double high, double value, double step, int decimals,
                          const QString& suffix, QWidget* parent) {
    auto* box = new DecimalBox(parent);
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
    const PartsView view = AddPartsView(*this, *layout);
    m_understood = view.listing;
    m_ok = view.ok;
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
        m_understood->setPlainText(
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
        m_understood->setPlainText(
            tr("The sound cannot be read: %1")
                .arg(QString::fromStdString(tolvane::SayPieces(read.failure))));
        m_ok->setEnabled(false);
        return;
    }
    const SilenceSplit split =
        SplitAtSilences(read.levels, SilenceRule{m_level->value(), m_pause->value()});
    m_parse = {split.parts, {}};
    QStringList lines{QString::fromStdString(split.note)};
    if (split.parts.size() > 1) {
        lines << PartLines(split.parts);
    }
    m_understood->setPlainText(lines.join('\n'));
    // One part is no split.
    m_ok->setEnabled(split.parts.size() > 1);
}
