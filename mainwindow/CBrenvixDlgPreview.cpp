// The main window's preview player and the Clip command.

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QTimer>
#include <cmath>

#include "CBitmapSlider.h"
#include "CBrenvixDlg.h"
#include "CCheckListCtrl.h"
#include "CClipDialog.h"
#include "CControlButton.h"
#include "PictureFrame.h"
#include "PreviewEngine.h"
#include "PreviewTransport.h"

void CBrenvixDlg::SetUpPreview() {
    // The volume stays the slider's: set up again after the clip dialog, the next file plays
    // as loud as before.
    m_transport->TakePlayer();
}

bool CBrenvixDlg::Playing() const {
    return m_transport->Playing();
}
bool CBrenvixDlg::PlayerOpened() const {
    return m_transport->Opened();
}

void CBrenvixDlg::OnPlay() {
    m_transport->Play([this] {
        m_list->setFocus();
        return LastSelectedPath();
    });
}

void CBrenvixDlg::StopPreview() {
    m_transport->Stop(m_list->SelectedRow() >= 0);
}

void CBrenvixDlg::OnPreviewEnded() {
    // An end that was on its way when the clip dialog took the player is not ours.
    if (m_transport->OwnsPlayer()) {
        StopPreview();
    }
}

bool CBrenvixDlg::event(QEvent* event) {
    // A drag acts as it goes; a key moves the thumb and says so once (kChanged).
    if (event->type() == SliderEvent::kTracking || event->type() == SliderEvent::kChanged) {
        const auto* slider = static_cast<SliderEvent*>(event);
        if (slider->ControlId() == ids::kPositionSlider) {
            // A key keeps playing or paused as it was; a drag plays from where it goes.
            m_transport->SeekIfMoved(event->type() == SliderEvent::kChanged
                                         ? PreviewTransport::SeekPlay::KeepState
                                         : PreviewTransport::SeekPlay::Resume);
        } else if (slider->ControlId() == ids::kVolumeSlider) {
            m_volume = std::min(m_volumeSlider->GetPos(), 65535);
            PreviewEngine_SetVolume(m_volume);
            int unused = 0;
            PreviewEngine_GetVolume(&unused);
        }
        return true;
    }
    return QDialog::event(event);
}

// ---- Clip ----

void CBrenvixDlg::OnClip() {
    const QList<int> rows = m_list->SelectedRows();
    for (int row : rows) {
        m_clipRow = row;
        StopPreview();
        if (!m_clip) {
            m_clip = std::make_unique<CClipDialog>(*this, this, m_services.messages);
        }
        m_clip->exec();
        // However the dialog ended, the player is the window's again.
        SetUpPreview();
    }
    m_clipRow = -1;
}

QString CBrenvixDlg::LastSelectedPath() const {
    const QList<int> rows = m_list->SelectedRows();
    return rows.isEmpty() ? QString() : m_list->item(rows.back(), column::kSource)->text();
}

bool CBrenvixDlg::AnyRowSelected() const {
    return m_list->SelectedRow() >= 0;
}

ClipRow CBrenvixDlg::ClipRowTexts() const {
    if (m_clipRow < 0 || m_clipRow >= m_list->rowCount()) {
        return {};
    }
    const JobRow& row = m_rows[static_cast<std::size_t>(m_clipRow)];
    return {m_list->item(m_clipRow, column::kStart)->text().toStdString(),
            m_list->item(m_clipRow, column::kEnd)->text().toStdString(),
            m_list->item(m_clipRow, column::kDuration)->text().toLongLong(),
            row.part.IsPart() && !row.toEnd ? static_cast<long long>(row.EndSeconds()) : -1,
            row.soundTrack};
}

std::shared_ptr<const tolvane::LevelsRead> CBrenvixDlg::KnownLevels(const QString& path,
                                                                    int soundTrack) const {
    const auto known = m_knownLevels.find({path, soundTrack});
    if (known == m_knownLevels.end()) {
        return nullptr;
    }
    const QFileInfo file(path);
    const bool unchanged = file.size() == known->second.size &&
                           file.lastModified().toMSecsSinceEpoch() == known->second.changed;
    return unchanged ? known->second.levels : nullptr;
}

void CBrenvixDlg::KeepLevels(const QString& path, int soundTrack,
                             std::shared_ptr<const tolvane::LevelsRead> levels) {
    const QFileInfo file(path);
    m_knownLevels[{path, soundTrack}] = {file.size(), file.lastModified().toMSecsSinceEpoch(),
                                         std::move(levels)};
}
