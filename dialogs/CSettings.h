#pragma once

// The settings dialog: refines the encoder, bit rate, sample rate and channels of the chosen
// format preset and remembers the choices per preset in the output profile. Four video lists
// are kept hidden; they follow the preset like the visible ones.

#include <QDialog>
#include <QString>
#include <array>

#include "OutputSettings.h"

class MessagePresenter;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QPushButton;

class CSettings final : public QDialog {
    Q_OBJECT

public:
    // The lists, in the order of the value texts.
    enum List {
        kFrameSize,
        kFrameRate,
        kVideoBitRate,
        kVideoEncoder,
        kAudioBitRate,
        kChannel,
        kSampleRate,
        kAudioEncoder,
        kListCount
    };

    CSettings(OutputSettings& settings, MessagePresenter& messages, QWidget* parent = nullptr);

    QComboBox* ListBox(List list) const { return m_lists[list]; }
    QComboBox* LoudnessBox() const { return m_loudness; }
    QComboBox* TempoBox() const { return m_tempo; }
    QCheckBox* NightBox() const { return m_night; }
    QDoubleSpinBox* FadeInBox() const { return m_fadeIn; }
    QDoubleSpinBox* FadeOutBox() const { return m_fadeOut; }
    QDoubleSpinBox* CrossfadeBox() const { return m_crossfade; }
    QDoubleSpinBox* CenterMixBox() const { return m_centerMix; }
    QPushButton* PresetName() const { return m_presetName; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* DefaultButton() const { return m_default; }
    const QString& ValueText(List list) const { return m_values[list]; }

    // The encoder rule: rebuilds the three other audio lists for the chosen encoder.
    void ApplyEncoderRule();
    // The video encoder rule: rebuilds the hidden frame-size list for some presets.
    void ApplyVideoEncoderRule();
    // Selects the bit rate, sample rate and channels in force, where the lists hold them.
    void SelectSettingsInForce();
    // Stores every choice into the output profile and closes with OK.
    void OnOk();

    // Selects the first item beginning with `text` (any case); no match leaves the selection.
    static void SelectByPrefix(QComboBox* box, const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void LoadPreset();
    void LoadValues();
    void StoreValues();
    QWidget* MakeListening();

    OutputSettings& m_settings;
    MessagePresenter& m_messages;
    std::array<QComboBox*, kListCount> m_lists{};
    std::array<QString, kListCount> m_values;
    QPushButton* m_presetName;
    QPushButton* m_default;
    QComboBox* m_loudness = nullptr;
    QComboBox* m_tempo = nullptr;
    QCheckBox* m_night = nullptr;
    QDoubleSpinBox* m_fadeIn = nullptr;
    QDoubleSpinBox* m_fadeOut = nullptr;
    QDoubleSpinBox* m_crossfade = nullptr;
    QDoubleSpinBox* m_centerMix = nullptr;
    QWidget* m_centerMixLabel = nullptr;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPoint m_dragStart;
};
