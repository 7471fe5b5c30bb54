#include "CMixDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
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
#include "MixPreview.h"
#include "Player.h"
#include "ThreadName.h"

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
    m_preview = new QPushButton(tr("Preview"), this);
    m_preview->setAutoDefault(false);
    m_preview->setToolTip(tr("Plays a few seconds of the mix, from where the preview stands"));
    m_preview->hide();
    connect(m_preview, &QPushButton::clicked, this, &CMixDialog::TogglePreview);
    connect(&m_previewEnd, &QTimer::timeout, this, [this] {
        float at = 0.0F;
        if (m_player != nullptr && m_player->GetPos(&at) == 0 && at >= 0.999F) {
            StopMixPreview();
        }
    });
    buttons->addWidget(m_preview);
    m_previewNote = new QLabel(this);
    m_previewNote->setWordWrap(true);
    m_previewNote->hide();
    layout->addWidget(m_previewNote);
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
    StopMixPreview();
}

namespace {

// How much of the mix a preview plays.
constexpr double kPreviewSeconds = 20.0;

}  // namespace

void CMixDialog::OfferPreview(const JobSettings& settings, const JobRow& row, double from) {
    m_previewSettings = settings;
    m_previewRow = row;
    m_previewFrom = from;
    m_preview->setVisible(!settings.copySound);
}

bool CMixDialog::PreviewPlaying() const {
    return m_player != nullptr;
}

void CMixDialog::TogglePreview() {
    if (m_player != nullptr) {
        StopMixPreview();
        return;
    }
    if (m_previewWriting) {
        return;  // one is being written
    }
    if (!m_previewFolder.isValid()) {
        PlayPreview({}, tr("no temporary folder can be made"));
        return;
    }
    m_preview->setEnabled(false);
    m_preview->setText(tr("Preparing\u2026"));
    m_previewNote->hide();
    JobRow row = m_previewRow;
    row.mix = Mix();
    m_previewWriting = true;
    // Each preview is written on a thread of its own; they are joined when the dialog goes,
    // never on the window's thread while it runs.
    m_writers.emplace_back([this, row, settings = m_previewSettings, from = m_previewFrom,
                            folder = m_previewFolder.path().toStdString()] {
        tolvane::NameThisThread("mixpreview");
        const tolvane::MixPreview written =
            tolvane::WriteMixPreview(settings, row, from, kPreviewSeconds, folder);
        // Queued to the dialog: dropped if it has gone.
        QMetaObject::invokeMethod(
            this,
            [this, path = QString::fromStdString(written.path),
             failure = QString::fromStdString(written.failure)] {
                m_previewWriting = false;
                PlayPreview(path, failure);
            },
            Qt::QueuedConnection);
    });
}

void CMixDialog::PlayPreview(const QString& path, const QString& failure) {
    m_preview->setEnabled(true);
    m_preview->setText(tr("Preview"));
    m_previewFailure = failure;
    if (!failure.isEmpty()) {
        m_previewNote->setText(tr("No preview: %1").arg(failure));
        m_previewNote->show();
        emit PreviewStarted();
        return;
    }
    // The last preview's file goes: one at a time in the folder.
    if (!m_previewFile.isEmpty() && m_previewFile != path) {
        QFile::remove(m_previewFile);
    }
    m_previewFile = path;
    auto player = std::make_unique<tolvane::Player>();
    player->Initialize(nullptr, nullptr);
    player->SetFileName(path.toStdString());
    if (player->Open() < 0 || player->Start() < 0) {
        m_previewFailure = tr("the player cannot open the preview");
        m_previewNote->setText(tr("No preview: %1").arg(m_previewFailure));
        m_previewNote->show();
        emit PreviewStarted();
        return;
    }
    m_player = std::move(player);
    m_preview->setText(tr("Stop preview"));
    m_previewEnd.start(200);
    emit PreviewStarted();
}

void CMixDialog::StopMixPreview() {
    m_previewEnd.stop();
    if (m_player != nullptr) {
        m_player->Stop();
        m_player->Close();
        m_player.reset();
    }
    if (m_preview != nullptr) {
        m_preview->setText(tr("Preview"));
    }
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
        tolvane::NameThisThread("mixmeasure");
        for (int n = 1; n <= count && !m_stop; ++n) {
            const tolvane::LoudnessFacts facts =
                tolvane::MeasureLoudness(path, n, 0.0, 0.0, true, &m_stop, true);
            // A real minus sign and a point, as every loudness the program shows.
            const QString text =
                !facts.measured ? tr("not measured")
                : !std::isfinite(facts.integrated)
                    ? tr("silent")
                    : QString::fromStdString(tolvane::DecibelText(facts.integrated)) +
                          QStringLiteral(" LUFS");
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
