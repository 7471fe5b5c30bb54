#include "CSettings.h"

#include <QCoreApplication>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "ChannelTexts.h"
#include "DialogKeys.h"
#include "FormatPresets.h"
#include "MessagePresenter.h"
#include "ScreenFit.h"
#include "SkinColours.h"

namespace {

// The loudness choices' texts, for the translations (the rules hold them without Qt).
[[maybe_unused]] constexpr const char* kLoudnessTexts[] = {
    QT_TRANSLATE_NOOP("LoudnessChoice", "As recorded"),
    QT_TRANSLATE_NOOP("LoudnessChoice", "-14 LUFS (music streaming)"),
    QT_TRANSLATE_NOOP("LoudnessChoice", "-16 LUFS (spoken word, podcasts)"),
    QT_TRANSLATE_NOOP("LoudnessChoice", "-18 LUFS"),
    QT_TRANSLATE_NOOP("LoudnessChoice", "-23 LUFS (EBU broadcast)"),
};

const QStringList kH263Sizes = {"128*96", "176*144", "352*288", "704*576", "1408*1152"};
const QStringList kGeneralSizes = {"128*96",  "176*144", "320*240", "352*240", "352*288",
                                   "640*480", "720*480", "704*576", "720*576"};

// Each item shows its text in the user's language and keeps the value itself as its data.
void Fill(QComboBox* box, const QStringList& items, const QString& selected) {
    box->clear();
    for (const QString& item : items) {
        box->addItem(ShownChannelText(item), item);
    }
    box->setCurrentIndex(box->findData(selected));
}

// The value of a list's item (its data; its text where it has none).
QString ValueAt(const QComboBox* box, int index) {
    const QVariant value = box->itemData(index);
    return value.isValid() ? value.toString() : box->itemText(index);
}

QString Value(const QComboBox* box) {
    return box->currentIndex() >= 0 ? ValueAt(box, box->currentIndex()) : QString();
}

QStringList ToStrings(PresetList list) {
    QStringList items;
    for (std::string_view item : list) {
        items << QString::fromUtf8(item.data(), static_cast<int>(item.size()));
    }
    return items;
}

QString ToString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

// Leading decimal digits of a text, as an integer (0 when there are none).
int LeadingNumber(const QString& text) {
    int value = 0;
    for (const QChar c : text) {
        if (!c.isDigit()) {
            break;
        }
        value = value * 10 + c.digitValue();
    }
    return value;
}

}  // namespace

CSettings::CSettings(OutputSettings& settings, MessagePresenter& messages, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_messages(messages) {
    setWindowTitle(tr("Setting"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Format Preset:"), this));
    m_presetName = new QPushButton(this);
    m_presetName->setEnabled(false);
    m_presetName->setObjectName("presetName");
    QPalette red = m_presetName->palette();
    // Red, light enough to read on the skin's dark button.
    red.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(skin::colour::kAlert));
    red.setColor(QPalette::Active, QPalette::ButtonText, QColor(skin::colour::kAlert));
    m_presetName->setPalette(red);
    layout->addWidget(m_presetName);

    for (auto& list : m_lists) {
        list = new QComboBox(this);
    }
    auto* audio = new QGroupBox(tr("Audio"), this);
    auto* form = new QFormLayout(audio);
    form->addRow(tr("Encoder:"), m_lists[kAudioEncoder]);
    form->addRow(tr("Bit Rate:"), m_lists[kAudioBitRate]);
    form->addRow(tr("Sample Rate:"), m_lists[kSampleRate]);
    form->addRow(tr("Channel:"), m_lists[kChannel]);
    // Where more channels are folded into fewer: the centre's level (the dialogue of a film).
    m_centerMix = new QDoubleSpinBox(audio);
    m_centerMix->setObjectName("centerMix");
    m_centerMix->setAccessibleName(tr("Centre level in a fold-down"));
    m_centerMix->setToolTip(
        tr("How loud the centre channel (a film's dialogue) is when 5.1 "
           "sound is folded down to stereo or mono; -3 dB is the usual"));
    m_centerMix->setRange(tolvane::kCenterMixRange.low, tolvane::kCenterMixRange.high);
    m_centerMix->setDecimals(0);
    m_centerMix->setSingleStep(1.0);
    m_centerMix->setSuffix(tr(" dB"));
    m_centerMix->setValue(m_settings.centerMixDb);
    m_centerMixLabel = new QLabel(tr("Centre level:"), audio);
    form->addRow(m_centerMixLabel, m_centerMix);
    // Offered only where it can matter: fewer channels than 5.1.
    const auto showCenter = [this] {
        const bool fewer = ChannelsOfText(Value(m_lists[kChannel]).toStdString()) < 6;
        m_centerMix->setEnabled(fewer);
        m_centerMixLabel->setEnabled(fewer);
    };
    connect(m_lists[kChannel], &QComboBox::currentIndexChanged, this, showCenter);
    layout->addWidget(audio);
    // Beyond the profile: every converted file brought to one loudness (off unless chosen).
    m_loudness = new QComboBox(this);
    m_loudness->setObjectName("loudness");
    for (const LoudnessChoice& choice : kLoudnessChoices) {
        m_loudness->addItem(QCoreApplication::translate("LoudnessChoice", choice.text),
                            choice.target);
    }
    m_loudness->setToolTip(
        tr("Each file is measured first (EBU R128) and brought to this loudness "
           "with one gain; peaks above -1 dBTP are limited"));
    for (int i = 0; i < m_loudness->count(); ++i) {
        if (m_loudness->itemData(i).toDouble() == m_settings.loudnessTarget) {
            m_loudness->setCurrentIndex(i);
        }
    }
    auto* loudness = new QFormLayout;
    loudness->addRow(tr("Loudness:"), m_loudness);
    layout->addLayout(loudness);
    layout->addWidget(MakeListening());
    // The video lists are never shown.
    for (List hidden : {kFrameSize, kFrameRate, kVideoBitRate, kVideoEncoder}) {
        m_lists[hidden]->setEnabled(false);
        m_lists[hidden]->hide();
    }

    auto* buttons = new QHBoxLayout;
    m_default = new QPushButton(tr("Default"), this);
    m_default->setToolTip(tr("Default setting"));
    m_default->setAutoDefault(false);
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setToolTip(tr("OK"));
    // Enter never presses OK, not even with OK focused.
    m_ok->setAutoDefault(false);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setToolTip(tr("Cancel"));
    m_cancel->setAutoDefault(false);
    buttons->addWidget(m_default);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    FitLaidOutDialog(*this, QSize(380, 0));
    // Tab goes down the dialog as it reads (the lists are made in another order).
    QWidget* const order[] = {m_lists[kAudioEncoder],
                              m_lists[kAudioBitRate],
                              m_lists[kSampleRate],
                              m_lists[kChannel],
                              m_centerMix,
                              m_loudness,
                              m_tempo,
                              m_night,
                              m_fadeIn,
                              m_fadeOut,
                              m_crossfade,
                              m_default,
                              m_ok,
                              m_cancel};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }

    connect(m_ok, &QPushButton::clicked, this, &CSettings::OnOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_lists[kAudioEncoder], &QComboBox::activated, this, &CSettings::ApplyEncoderRule);
    connect(m_lists[kVideoEncoder], &QComboBox::activated, this, &CSettings::ApplyVideoEncoderRule);

    LoadPreset();
}

QWidget* CSettings::MakeListening() {
    // Beyond the profile, off unless chosen: the tempo with the pitch kept, night mode and
    // fades, for a file ready to listen to on a device that cannot change it.
    const tolvane::ListenShape& shape = m_settings.listen;
    auto* group = new QGroupBox(tr("Listening"), this);
    auto* form = new QFormLayout(group);
    m_tempo = new QComboBox(group);
    m_tempo->setObjectName("tempo");
    m_tempo->setAccessibleName(tr("Tempo"));
    m_tempo->setToolTip(tr("Faster or slower, the voices at their own pitch"));
    m_tempo->addItem(tr("As recorded"), 1.0);
    const QLocale locale;
    const auto times = [&locale](double tempo) {
        return tr("%1\u00d7").arg(locale.toString(tempo, 'g', 4));
    };
    for (const double tempo : {0.75, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0}) {
        m_tempo->addItem(times(tempo), tempo);
    }
    if (m_tempo->findData(shape.tempo) < 0) {
        m_tempo->addItem(times(shape.tempo), shape.tempo);  // a list's own
    }
    m_tempo->setCurrentIndex(m_tempo->findData(shape.tempo));
    form->addRow(tr("Tempo:"), m_tempo);
    m_night = new QCheckBox(tr("Night mode"), group);
    m_night->setObjectName("night");
    m_night->setAccessibleName(tr("Night mode"));
    m_night->setToolTip(
        tr("Loud passages quieter and quiet ones louder, for listening at a low "
           "volume; no peak above -1 dBTP"));
    m_night->setChecked(shape.night);
    form->addRow(QString(), m_night);
    const auto seconds = [group, &form](QDoubleSpinBox*& box, const char* name,
                                        const QString& label, const QString& accessible,
                                        const QString& tip, double most, double value) {
        box = new QDoubleSpinBox(group);
        box->setObjectName(name);
        box->setAccessibleName(accessible);
        box->setToolTip(tip);
        box->setRange(0.0, most);
        box->setDecimals(1);
        box->setSingleStep(0.5);
        box->setSuffix(tr(" s"));
        box->setSpecialValueText(tr("None"));
        box->setValue(value);
        form->addRow(label, box);
    };
    seconds(m_fadeIn, "fadeIn", tr("Fade in:"), tr("Fade in"),
            tr("Each file (a merge: its start) fades in from silence over these seconds"),
            tolvane::kFadeRange.high, shape.fadeIn);
    seconds(m_fadeOut, "fadeOut", tr("Fade out:"), tr("Fade out"),
            tr("Each file (a merge: its end) fades out to silence over these seconds"),
            tolvane::kFadeRange.high, shape.fadeOut);
    seconds(m_crossfade, "crossfade", tr("Crossfade:"), tr("Crossfade between merged files"),
            tr("Merge joins its files with a crossfade of these seconds instead of one after "
               "the other"),
            tolvane::kCrossfadeRange.high, shape.crossfade);
    return group;
}

void CSettings::LoadPreset() {
    m_settings.audioOnly = false;
    m_settings.pspPreset = false;
    const PresetRow* row = FindPreset(m_settings.presetId);
    if (row == nullptr) {
        LoadValues();
        return;
    }
    m_presetName->setText(ToString(row->title));
    const std::array<PresetList, kListCount> items = {
        row->frameSizes,    row->frameRates, row->videoBitRates, row->videoEncoders,
        row->audioBitRates, row->channels,   row->sampleRates,   row->audioEncoders};
    for (int i = 0; i < kListCount; ++i) {
        m_lists[i]->clear();
        m_lists[i]->addItems(ToStrings(items[i]));
    }
    if (row->audioOnly) {
        for (List list : {kFrameSize, kFrameRate, kVideoBitRate, kVideoEncoder}) {
            m_lists[list]->clear();
            m_lists[list]->setEnabled(false);
        }
        m_settings.audioOnly = true;
    }
    if (row->portablePlayer) {
        m_settings.pspPreset = true;
    }
    // Remembered texts for the same preset, otherwise the preset's defaults.
    if (m_settings.savedPresetId == m_settings.presetId) {
        const std::array<const std::string*, kListCount> saved = {
            &m_settings.savedFrameSizeText,    &m_settings.savedFrameRateText,
            &m_settings.savedVideoBitRateText, &m_settings.savedVideoEncoderText,
            &m_settings.savedAudioBitRateText, &m_settings.savedChannelText,
            &m_settings.savedSampleRateText,   &m_settings.savedAudioEncoderText};
        for (int i = 0; i < kListCount; ++i) {
            m_values[i] = QString::fromStdString(*saved[i]);
        }
    } else {
        const std::array<std::string_view, kListCount> defaults = {
            row->audioOnly ? std::string_view() : row->frameSize,
            row->audioOnly ? std::string_view() : row->frameRate,
            row->audioOnly ? std::string_view() : row->videoBitRate,
            row->audioOnly ? std::string_view() : row->videoEncoder,
            row->audioBitRate,
            row->channel,
            row->sampleRate,
            row->audioEncoder};
        for (int i = 0; i < kListCount; ++i) {
            m_values[i] = ToString(defaults[i]);
        }
    }
    LoadValues();
}

void CSettings::SelectByPrefix(QComboBox* box, const QString& text) {
    for (int i = 0; i < box->count(); ++i) {
        if (ValueAt(box, i).startsWith(text, Qt::CaseInsensitive)) {
            box->setCurrentIndex(i);
            return;
        }
    }
}

void CSettings::LoadValues() {
    for (int i = 0; i < kListCount; ++i) {
        SelectByPrefix(m_lists[i], m_values[i]);
    }
}

void CSettings::StoreValues() {
    for (int i = 0; i < kListCount; ++i) {
        m_values[i] = Value(m_lists[i]);
    }
}

void CSettings::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) {
        return;  // restored after a minimise: the user's choices stay
    }
    ApplyEncoderRule();
    ApplyVideoEncoderRule();
    SelectSettingsInForce();
}

void CSettings::SelectSettingsInForce() {
    // The rule gives the lists; the selections are what the next file is converted with, so
    // that OK without a change changes nothing.
    if (m_lists[kAudioEncoder]->currentText().toStdString() != m_settings.audioEncoderName) {
        return;
    }
    const auto select = [](QComboBox* box, const auto& isInForce) {
        for (int i = 0; i < box->count(); ++i) {
            if (isInForce(ValueAt(box, i).toStdString())) {
                box->setCurrentIndex(i);
                return;
            }
        }
    };
    select(m_lists[kAudioBitRate], [this](const std::string& text) {
        return NumberOfText(text) == m_settings.audioBitRate;
    });
    select(m_lists[kSampleRate],
           [this](const std::string& text) { return NumberOfText(text) == m_settings.sampleRate; });
    select(m_lists[kChannel],
           [this](const std::string& text) { return ChannelsOfText(text) == m_settings.channels; });
}

void CSettings::ApplyEncoderRule() {
    QComboBox* encoders = m_lists[kAudioEncoder];
    if (encoders->currentIndex() < 0) {
        return;
    }
    const QString encoder = encoders->currentText();
    if (encoder == "AMR_NB") {
        Fill(m_lists[kAudioBitRate], ToStrings(AmrBitRates()), "6.7 kbps");
        Fill(m_lists[kSampleRate], {"8000 Hz"}, "8000 Hz");
        Fill(m_lists[kChannel], {"1 Channel Mono"}, "1 Channel Mono");
        return;
    }
    if (encoder == "OPUS") {
        Fill(m_lists[kAudioBitRate], ToStrings(OpusBitRates()), "128 kbps");
        Fill(m_lists[kSampleRate], {"48000 Hz"}, "48000 Hz");
        Fill(m_lists[kChannel], ToStrings(OpusChannels()), "2 Channel Stereo");
        return;
    }
    Fill(m_lists[kAudioBitRate], ToStrings(RuleBitRates()), "192 kbps");
    Fill(m_lists[kSampleRate], ToStrings(RuleSampleRates()), "44100 Hz");
    if (encoder == "AC3") {
        Fill(m_lists[kChannel], {"1 Channel Mono", "2 Channel Stereo", "5.1 Channel"},
             "2 Channel Stereo");
    } else if (encoder == "VORBIS") {
        Fill(m_lists[kChannel], {"2 Channel Stereo"}, "2 Channel Stereo");
    } else {
        Fill(m_lists[kChannel], {"1 Channel Mono", "2 Channel Stereo"}, "2 Channel Stereo");
    }
}

void CSettings::ApplyVideoEncoderRule() {
    QComboBox* encoders = m_lists[kVideoEncoder];
    if (encoders->currentIndex() < 0) {
        return;
    }
    const bool h263 = encoders->currentText() == "H.263";
    const int id = m_settings.presetId;
    QComboBox* sizes = m_lists[kFrameSize];
    if (id == 90001) {
        Fill(sizes, h263 ? kH263Sizes : kGeneralSizes, QString());
        sizes->setCurrentIndex(2);
    } else if (id >= 90800 && id <= 90803) {
        Fill(sizes, h263 ? kH263Sizes : QStringList{"176*144", "220*176", "320*240", "480*320"},
             QString());
        sizes->setCurrentIndex(2);
    } else if (id == 91404 || id == 91405) {
        Fill(sizes, h263 ? kH263Sizes : QStringList{"640*480", "720*480", "720*576"}, QString());
        sizes->setCurrentIndex(h263 ? 2 : 1);
    }
}

void CSettings::OnOk() {
    StoreValues();
    const QString size = m_values[kFrameSize];
    if (!size.isEmpty()) {
        const int star = size.indexOf('*');
        const QString width = star < 0 ? size : size.left(star);
        const QString height = star < 0 ? QString() : size.mid(star + 1);
        if (width.isEmpty() || height.isEmpty()) {
            m_messages.Show(this, QString::fromUtf8("转化失败!"));
        } else {
            m_settings.frameWidth = LeadingNumber(width);
            m_settings.frameHeight = LeadingNumber(height);
        }
    }
    m_settings.frameRateText = m_values[kFrameRate].toStdString();
    m_settings.videoBitRate = NumberOfText(m_values[kVideoBitRate].toStdString());
    m_settings.videoEncoderName = m_values[kVideoEncoder].toStdString();
    m_settings.sampleRate = NumberOfText(m_values[kSampleRate].toStdString());
    if (const std::int32_t channels = ChannelsOfText(m_values[kChannel].toStdString())) {
        m_settings.channels = channels;
    }
    m_settings.audioBitRate = NumberOfText(m_values[kAudioBitRate].toStdString());
    m_settings.audioEncoderName = m_values[kAudioEncoder].toStdString();
    m_settings.savedPresetId = m_settings.presetId;
    m_settings.savedFrameSizeText = m_values[kFrameSize].toStdString();
    m_settings.savedFrameRateText = m_values[kFrameRate].toStdString();
    m_settings.savedVideoBitRateText = m_values[kVideoBitRate].toStdString();
    m_settings.savedVideoEncoderText = m_values[kVideoEncoder].toStdString();
    m_settings.savedAudioBitRateText = m_values[kAudioBitRate].toStdString();
    m_settings.savedChannelText = m_values[kChannel].toStdString();
    m_settings.savedSampleRateText = m_values[kSampleRate].toStdString();
    m_settings.savedAudioEncoderText = m_values[kAudioEncoder].toStdString();
    m_settings.loudnessTarget = m_loudness->currentData().toDouble();
    m_settings.centerMixDb = m_centerMix->value();
    m_settings.listen = {m_tempo->currentData().toDouble(), m_night->isChecked(), m_fadeIn->value(),
                         m_fadeOut->value(), m_crossfade->value()};
    accept();
}

void CSettings::keyPressEvent(QKeyEvent* event) {
    // Enter does not press OK.
    if (IsEnterKey(*event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CSettings::mousePressEvent(QMouseEvent* event) {
    // The dialog's own surface moves it, as its caption would.
    if (event->button() == Qt::LeftButton) {
        m_dragStart = event->globalPosition().toPoint() - frameGeometry().topLeft();
    }
    QDialog::mousePressEvent(event);
}

void CSettings::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        move(event->globalPosition().toPoint() - m_dragStart);
    }
    QDialog::mouseMoveEvent(event);
}
