#pragma once

// The row's "Mix tracks…": the file's sound tracks, each with a check (mixed or not), a gain
// and "this is the voice"; the voice's lead over the others and the ducking while it speaks.
// OK gives the mix (no mix when fewer than two tracks are checked).

#include <QDialog>
#include <QStringList>

#include <vector>

#include "TrackMix.h"

class QCheckBox;
class QDoubleSpinBox;
class QPushButton;
class QRadioButton;

class CMixDialog final : public QDialog {
    Q_OBJECT

public:
    // `tracks`: the file's sound tracks as a person picks among them ("1: eng · AAC stereo").
    CMixDialog(const QStringList& tracks, const tolvane::TrackMix& mix, QWidget* parent = nullptr);

    // The mix as the dialog shows it.
    tolvane::TrackMix Mix() const;

    QCheckBox* TrackBox(int index) const { return m_rows[static_cast<std::size_t>(index)].use; }
    QDoubleSpinBox* GainBox(int index) const {
        return m_rows[static_cast<std::size_t>(index)].gain;
    }
    QRadioButton* VoiceButton(int index) const {
        return m_rows[static_cast<std::size_t>(index)].voice;
    }
    QRadioButton* NoVoiceButton() const { return m_noVoice; }
    QDoubleSpinBox* LeadBox() const { return m_lead; }
    QCheckBox* DuckBox() const { return m_duck; }
    QDoubleSpinBox* DuckDepthBox() const { return m_duckDepth; }
    QPushButton* OkButton() const { return m_ok; }

private:
    void UpdateStates();

    struct Row {
        QCheckBox* use = nullptr;
        QDoubleSpinBox* gain = nullptr;
        QRadioButton* voice = nullptr;
    };
    std::vector<Row> m_rows;
    QRadioButton* m_noVoice = nullptr;
    QDoubleSpinBox* m_lead = nullptr;
    QCheckBox* m_duck = nullptr;
    QDoubleSpinBox* m_duckDepth = nullptr;
    QPushButton* m_ok = nullptr;
};
