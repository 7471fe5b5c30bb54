// The main window's preview player and the Clip command.

#include <QApplication>
#include <QTimer>
#include <cmath>

#include "CBitmapSlider.h"
#include "CBrenvixDlg.h"
#include "CCheckListCtrl.h"
#include "CClipDialog.h"
#include "CControlButton.h"
#include "PictureFrame.h"
#include "PreviewEngine.h"

namespace {

constexpr int kPositionTimerMs = 100;
constexpr int kPictureTimerMs = 67;
constexpr int kPlayReady = 302;
constexpr int kPlayPlaying = 310;
constexpr int kPlayGreyed = 301;
constexpr int kStopGreyed = 303;

// The player's end notification: hands the end to the main window's thread and waits.
void MainWindowPreviewEnded() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == "CBrenvixDlg") {
            QMetaObject::invokeMethod(widget, "OnPreviewEnded", Qt::BlockingQueuedConnection);
            return;
        }
    }
}

void IgnoreNotification(int) {}

}  // namespace

void CBrenvixDlg::SetUpPreview() {
    PreviewEngine_Initialize(&MainWindowPreviewEnded, &IgnoreNotification);
    m_hasPictures = 0;
    m_pictureBuffer.clear();
    m_positionSlider->SetRange(0, 1000);
    m_positionSlider->SetPos(0);
    m_volume = 65535;
    m_reopenNeeded = true;
    m_stateText = "PLAY";
}

void CBrenvixDlg::SetPlayFace(int faceId) {
    // Disabled, given its face, enabled again: so that it repaints.
    CControlButton* play = Button(ids::kPlay);
    play->setEnabled(false);
    play->SetBitmaps(faceId, faceId, faceId, faceId);
    play->setEnabled(true);
    play->setToolTip(faceId == kPlayPlaying ? "Pause" : "Play");
    play->update();
}

void CBrenvixDlg::OnPlay() {
    if (m_stateText == "PLAY") {
        if (m_reopenNeeded) {
            OpenSelectedFile();
        }
        if (!m_playerOpened) {
            return;
        }
        m_positionTimer.start(kPositionTimerMs);
        m_pictureTimer.start(kPictureTimerMs);
        PreviewEngine_Start();
        m_positionSlider->setEnabled(true);
        m_stateText = "PAUSE";
        SetPlayFace(kPlayPlaying);
    } else {
        m_reopenNeeded = false;
        if (!m_playerOpened) {
            return;
        }
        m_positionTimer.start(kPositionTimerMs);
        m_pictureTimer.start(kPictureTimerMs);
        PreviewEngine_Pause();
        m_stateText = "PLAY";
        SetPlayFace(kPlayReady);
    }
}

void CBrenvixDlg::OpenSelectedFile() {
    const QList<int> rows = m_list->SelectedRows();
    if (rows.isEmpty()) {
        return;
    }
    m_list->setFocus();
    StopPreview();
    const std::wstring path = m_list->item(rows.back(), column::kSource)->text().toStdWString();
    PreviewEngine_SetFileName(path.c_str());
    m_positionTimer.start(kPositionTimerMs);
    m_pictureTimer.start(kPictureTimerMs);
    if (PreviewEngine_Open() == -1) {
        return;
    }
    int unused = 0;
    PreviewEngine_GetMediaType(&m_hasPictures, &unused);
    m_pictureBuffer.clear();
    if (m_hasPictures != 0) {
        PreviewEngine_GetFrameSize(&m_pictureWidth, &m_pictureHeight);
        m_pictureBuffer.resize(static_cast<std::size_t>(std::max(m_pictureWidth, 0)) *
                               static_cast<std::size_t>(std::max(m_pictureHeight, 0)) * 3);
    }
    PreviewEngine_SetVolume(std::min(m_volumeSlider->GetPos(), 65535));
    m_playerOpened = true;
}

void CBrenvixDlg::StopPreview() {
    m_reopenNeeded = true;
    if (!m_playerOpened) {
        return;
    }
    m_positionTimer.stop();
    m_pictureTimer.stop();
    PreviewEngine_Stop();
    PreviewEngine_Close();
    m_positionSlider->setEnabled(false);
    if (m_stateText == "PAUSE") {
        m_stateText = "PLAY";
    }
    SetPlayFace(kPlayReady);
    m_positionSlider->SetPos(0);
    m_previewFrame->ClearPicture();
    if (m_list->SelectedRow() < 0) {
        CControlButton* play = Button(ids::kPlay);
        play->SetBitmaps(kPlayGreyed, kPlayGreyed, kPlayGreyed, kPlayGreyed);
        play->setEnabled(false);
        CControlButton* stop = Button(ids::kStop);
        stop->SetBitmaps(kStopGreyed, kStopGreyed, kStopGreyed, kStopGreyed);
        stop->setEnabled(false);
    }
}

void CBrenvixDlg::OnPreviewEnded() {
    StopPreview();
}

void CBrenvixDlg::OnPositionTick() {
    float fraction = 0.0f;
    PreviewEngine_GetPos(&fraction);
    const int value = static_cast<int>(std::trunc(fraction * 1000.0f));
    if (value != m_positionSlider->GetPos()) {
        m_positionSlider->SetPos(value);
    }
}

void CBrenvixDlg::OnPictureTick() {
    if (m_hasPictures == 0 || m_pictureBuffer.empty()) {
        return;
    }
    if (PreviewEngine_GetFrame(m_pictureBuffer.data(), m_pictureWidth, m_pictureHeight) == 0) {
        m_previewFrame->SetPicture(m_pictureBuffer.data(), m_pictureWidth, m_pictureHeight);
    }
}

bool CBrenvixDlg::event(QEvent* event) {
    if (event->type() == SliderEvent::kTracking) {
        const auto* slider = static_cast<SliderEvent*>(event);
        if (slider->ControlId() == ids::kPositionSlider && m_playerOpened) {
            // A seek resumes playback, paused or not; the button keeps its face.
            PreviewEngine_Pause();
            PreviewEngine_SetPos(static_cast<float>(m_positionSlider->GetPos()) / 1000.0f);
            PreviewEngine_Start();
        } else if (slider->ControlId() == ids::kVolumeSlider) {
            m_volume = std::min(m_volumeSlider->GetPos(), 65535);
            PreviewEngine_SetVolume(m_volume);
            int unused = 0;
            PreviewEngine_GetVolume(&unused);
        }
        return true;
    }
    if (event->type() == SliderEvent::kChanged) {
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
            m_clip = std::make_unique<CClipDialog>(*this, this);
        }
        m_clip->exec();
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

ClipHost::ClipRow CBrenvixDlg::ClipRowTexts() const {
    if (m_clipRow < 0 || m_clipRow >= m_list->rowCount()) {
        return {};
    }
    return {m_list->item(m_clipRow, column::kStart)->text(),
            m_list->item(m_clipRow, column::kEnd)->text(),
            m_list->item(m_clipRow, column::kDuration)->text().toLongLong()};
}

void CBrenvixDlg::WriteClipRow(const QString& start, const QString& end) {
    if (m_clipRow < 0 || m_clipRow >= m_list->rowCount()) {
        return;
    }
    m_list->item(m_clipRow, column::kStart)->setText(start);
    m_list->item(m_clipRow, column::kEnd)->setText(end);
}
