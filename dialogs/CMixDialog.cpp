#include "CMixDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

#include "Loudness.h"
#include "Numbers.h"

CMixDialog::CMixDialog(const std::string& path, const QStringList& tracks,
                       const tolvane::TrackMix& mix, QWidget* parent)
    : QDialog(parent), m_path(path) {
    setWindowTitle(tr("Mix tracks"));
    auto* layout = new QVBoxLayout(this);
    auto* list = new QGroupBox(tr("Sound tracks"), this);
    auto* grid = new QGridLayout(list);
    grid->addWidget(new QLabel(tr("Gain"), list), 0, 1);
    grid->addWidget(new QLabel(tr("Voice"), list), 0, 2);
    grid->addWidget(new QLabel(tr("Loudness"), list), 0, 3);
    auto* voices = new QButtonGroup(this);
    for (int i = 0; i < tracks.size(); ++i) {
        const int number = i + 1;
        Row row;
        row.use = new QCheckBox(tracks[i], list);
        row.use->setAccessibleName(tr("Mix track %1").arg(tracks[i]));
        row.use->setChecked(std::find(mix.tracks.begin(), mix.tracks.end(), number) !=
                            mix.tracks.end());
        row.gain = new QDoubleSpinBox(list);
        row.gain->setAccessibleName(tr("Gain of track %1").arg(number));
        row.gain->setRange(tolvane::kTrackGainRange.low, tolvane::kTrackGainRange.high);
        row.gain->setDecimals(1);
        row.gain->setSingleStep(1.0);
        row.gain->setSuffix(tr(" dB"));
        row.gain->setValue(mix.GainOf(number));
        row.voice = new QRadioButton(list);
        row.voice->setAccessibleName(tr("Track %1 is the voice").arg(number));
        row.voice->setChecked(mix.voice == number);
        voices->addButton(row.voice);
        grid->addWidget(row.use, number, 0);
        grid->addWidget(row.gain, number, 1);
        grid->addWidget(row.voice, number, 2);
        row.loudness = new QLabel(QStringLiteral("\u2014"), list);
        row.loudness->setAccessibleName(tr("Loudness of track %1").arg(number));
        grid->addWidget(row.loudness, number, 3);
        connect(row.use, &QCheckBox::toggled, this, &CMixDialog::UpdateStates);
        m_rows.push_back(row);
    }
    m_noVoice = new QRadioButton(tr("No voice"), list);
    m_noVoice->setAccessibleName(tr("No voice"));
    m_noVoice->setChecked(mix.voice == 0);
    voices->addButton(m_noVoice);
    grid->addWidget(m_noVoice, static_cast<int>(tracks.size()) + 1, 0, 1, 3);
    m_measure = new QPushButton(tr("Measure loudness"), list);
    m_measure->setAutoDefault(false);
    m_measure->setToolTip(tr("Each track's loudness by EBU R128, read in the background"));
    grid->addWidget(m_measure, static_cast<int>(tracks.size()) + 1, 3);
    connect(m_measure, &QPushButton::clicked, this, &CMixDialog::MeasureLoudness);
    layout->addWidget(list);

    auto* voice = new QFormLayout;
    m_lead = new QDoubleSpinBox(this);
    m_lead->setAccessibleName(tr("The others under the voice"));
    m_lead->setToolTip(tr("The other tracks' loudness sits this far under the voice's (EBU R128)"));
    m_lead->setRange(tolvane::kVoiceLuRange.low, tolvane::kVoiceLuRange.high);
    m_lead->setDecimals(0);
    m_lead->setSuffix(tr(" LU"));
    m_lead->setValue(mix.voiceLu);
    voice->addRow(tr("The others under the voice:"), m_lead);
    m_duck = new QCheckBox(tr("Lower the others while the voice speaks"), this);
    m_duck->setAccessibleName(tr("Lower the others while the voice speaks"));
    m_duck->setChecked(mix.duckDb > 0.0);
    m_duckDepth = new QDoubleSpinBox(this);
    m_duckDepth->setAccessibleName(tr("How much lower"));
    m_duckDepth->setRange(1.0, tolvane::kDuckRange.high);
    m_duckDepth->setDecimals(0);
    m_duckDepth->setSuffix(tr(" dB"));
    m_duckDepth->setValue(mix.duckDb > 0.0 ? mix.duckDb : 9.0);
    voice->addRow(m_duck, m_duckDepth);
    layout->addLayout(voice);
    connect(voices, &QButtonGroup::buttonToggled, this, &CMixDialog::UpdateStates);
    connect(m_duck, &QCheckBox::toggled, this, &CMixDialog::UpdateStates);

    auto* buttons = new QHBoxLayout;
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setAutoDefault(false);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    UpdateStates();
}

CMixDialog::~CMixDialog() {
    m_stop = true;  // the reading ends at its next block; m_measuring joins it
}

QString CMixDialog::LoudnessText(int index) const {
    return m_rows[static_cast<std::size_t>(index)].loudness->text();
}

void CMixDialog::MeasureLoudness() {
    m_measure->setEnabled(false);
    for (Row& row : m_rows) {
        row.loudness->setText(tr("measuring\u2026"));
    }
    const auto count = static_cast<int>(m_rows.size());
    m_measuring = std::jthread([this, count, path = m_path] {
        for (int n = 1; n <= count && !m_stop; ++n) {
            const tolvane::LoudnessFacts facts =
                tolvane::MeasureLoudness(path, n, 0.0, 0.0, true, &m_stop, true);
            // A real minus sign and a point, as every loudness the program shows.
            const QString text =
                !facts.measured ? tr("not measured")
                : !std::isfinite(facts.integrated)
                    ? tr("silent")
                    : QString::fromStdString((facts.integrated < 0 ? "\u2212" : "") +
                                             FormatFixed(std::abs(facts.integrated), 1) + " LUFS");
            // Queued to the dialog: dropped if it has gone.
            QMetaObject::invokeMethod(
                this,
                [this, n, text, last = n == count] {
                    m_rows[static_cast<std::size_t>(n) - 1].loudness->setText(text);
                    if (last) {
                        emit Measured();
                    }
                },
                Qt::QueuedConnection);
        }
    });
}

void CMixDialog::UpdateStates() {
    // Only a mixed track can be the voice; the voice's lead and the ducking need a voice.
    for (Row& row : m_rows) {
        row.gain->setEnabled(row.use->isChecked());
        row.voice->setEnabled(row.use->isChecked());
        if (!row.use->isChecked() && row.voice->isChecked()) {
            m_noVoice->setChecked(true);
        }
    }
    const bool voice = !m_noVoice->isChecked();
    m_lead->setEnabled(voice);
    m_duck->setEnabled(voice);
    m_duckDepth->setEnabled(voice && m_duck->isChecked());
}

tolvane::TrackMix CMixDialog::Mix() const {
    tolvane::TrackMix mix;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const Row& row = m_rows[i];
        if (row.use->isChecked()) {
            mix.tracks.push_back(static_cast<int>(i) + 1);
            mix.gainsDb.push_back(row.gain->value());
            if (row.voice->isChecked()) {
                mix.voice = static_cast<int>(i) + 1;
            }
        }
    }
    if (!mix.Any()) {
        return {};
    }
    mix.voiceLu = m_lead->value();
    mix.duckDb = mix.voice > 0 && m_duck->isChecked() ? m_duckDepth->value() : 0.0;
    return mix;
}
