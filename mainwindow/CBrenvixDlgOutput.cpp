// The output profile and folder controls: the format box, the folder box, Browse and Find
// Target.

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QSpinBox>

#include "CBrenvixDlg.h"
#include "CCheckListCtrl.h"
#include "MessagePresenter.h"
#include "Messages.h"
#include "Numbers.h"
#include "OutputFolder.h"
#include "SkinIds.h"
#include "SkinLayout.h"
#include "Workers.h"

void CBrenvixDlg::SetUpOutputControls() {
    m_folderBox = new QComboBox(this);
    m_folderBox->setObjectName(QString::number(ids::kFolderBox));
    m_folderBox->setAccessibleName(tr("Output folder"));
    m_folderBox->setEditable(true);
    m_folderBox->lineEdit()->setAccessibleName(tr("Output folder"));
    // Enter in the box adds nothing; entries come from the set-up and from Browse.
    m_folderBox->setInsertPolicy(QComboBox::NoInsert);
    m_folderBox->setDuplicatesEnabled(true);
    Place(m_folderBox, skin::kFolderBox);

    const ProfileLocations locations = LocateProfile(m_programFolder.toStdString());
    m_settingsFile = QString::fromStdString(locations.settingsFile.string());
    m_runFolder = QString::fromStdString(StartupFolder(locations));
    AddFolderEntry(m_runFolder);
    m_folderBox->setCurrentIndex(m_folderBox->findText(m_runFolder));
    m_folderBox->setEditText(m_runFolder);

    // Every pick, also of the entry already chosen (it fills the empty cells of dropped rows).
    connect(m_formatBox, &QComboBox::activated, this, &CBrenvixDlg::OnFormatChanged);

    // Files converted at once: one unless the user allows more, up to one per core.
    m_filesAtOnce = new QSpinBox(this);
    m_filesAtOnce->setObjectName(QString::number(ids::kFilesAtOnce));
    m_filesAtOnce->setAccessibleName(tr("Files at once"));
    Place(m_filesAtOnce, skin::kFilesAtOnceBox);
    const int cores = tolvane::TasksAtOnceForCores();
    m_filesAtOnce->setRange(1, cores);
    m_filesAtOnce->setToolTip(
        tr("How many files Convert works on at once (1 to %1); a merge is always one "
           "file. With fewer files left, a recording of more than two minutes to MP3, "
           "FLAC or WAV is encoded in segments on the spare cores and joined")
            .arg(cores));
    const std::optional<double> remembered =
        ParseLeadingNumber(ReadSetting(m_settingsFile.toStdString(), "FilesAtOnce"));
    // The loudness chosen last time, when it is one of the choices.
    if (const std::optional<double> loudness =
            ParseLeadingNumber(ReadSetting(m_settingsFile.toStdString(), "Loudness"))) {
        for (const LoudnessChoice& choice : kLoudnessChoices) {
            if (choice.target == *loudness) {
                m_settings.loudnessTarget = choice.target;
            }
        }
    }
    // The tempo, night mode and fades chosen last time, as far as they are good.
    const auto number = [this](const char* key, double fallback) {
        return ParseLeadingNumber(ReadSetting(m_settingsFile.toStdString(), key))
            .value_or(fallback);
    };
    const tolvane::ListenShape listen{number("Tempo", 1.0), number("Night", 0.0) != 0.0,
                                      number("FadeIn", 0.0), number("FadeOut", 0.0),
                                      number("Crossfade", 0.0)};
    if (tolvane::ListenShapeRefusal(listen).empty()) {
        m_settings.listen = listen;
    }
    if (const double centre = number("CenterMix", tolvane::kDefaultCenterMix);
        tolvane::kCenterMixRange.Holds(centre)) {
        m_settings.centerMixDb = centre;
    }
    m_filesAtOnce->setValue(remembered ? static_cast<int>(*remembered) : 1);
    connect(m_filesAtOnce, &QSpinBox::valueChanged, this, [this](int value) {
        WriteSetting(m_settingsFile.toStdString(), "FilesAtOnce", std::to_string(value));
    });
}

void CBrenvixDlg::AddFolderEntry(const QString& folder) {
    // A sorted list; duplicates stay.
    int index = 0;
    while (index < m_folderBox->count() && m_folderBox->itemText(index) <= folder) {
        ++index;
    }
    m_folderBox->insertItem(index, folder);
}

// ---- Output profile and folder ----

void CBrenvixDlg::OnFormatChanged(int index) {
    const bool original = IsOriginalAudioEntry(m_formatBox->itemText(index).toStdString());
    if (!original && !ApplyFormatChoice(m_settings, index)) {
        return;
    }
    // Nothing is encoded when the original sound is copied: there is nothing to set.
    SetButtonActive(ids::kSetting, !original && m_list->rowCount() > 0);
    const QString text = FormatColumnText();
    for (int row = 0; row < m_list->rowCount(); ++row) {
        SetFormatCell(row, text);
    }
}

bool CBrenvixDlg::CopiesOriginalAudio() const {
    return IsOriginalAudioEntry(m_formatBox->currentText().toStdString());
}

QString CBrenvixDlg::FormatColumnText() const {
    return CopiesOriginalAudio() ? QString(kOriginalAudioColumn) : m_formatBox->currentText();
}

void CBrenvixDlg::OnBrowse() {
    // The chooser opens in the output folder, or in the nearest folder above it that exists.
    QString start = m_folderBox->currentText();
    while (!start.isEmpty() && !QFileInfo(start).isDir()) {
        const QString up = QFileInfo(start).absolutePath();
        start = up == start ? QString() : up;
    }
    for (;;) {
        const std::optional<QString> folder = m_services.files->ChooseFolder(
            this, QString::fromStdString(tolvane::Say(kBrowseTitle)), start);
        if (!folder) {
            return;
        }
        if (folder->isEmpty() || !QFileInfo::exists(*folder)) {
            m_services.messages->Show(this,
                                      QString::fromStdString(tolvane::Say(kFolderInvalidMessage)));
            continue;
        }
        m_runFolder = *folder;
        AddFolderEntry(*folder);
        m_folderBox->setEditText(*folder);
        return;
    }
}

void CBrenvixDlg::OnFindTarget() {
    OpenOrSayWhy(m_folderBox->currentText());
}

bool CBrenvixDlg::CheckAndRememberFolder(bool createIfMissing) {
    const QString text = m_folderBox->currentText();
    const RunFolderCheck check =
        CheckRunFolder(text.toStdString(), createIfMissing ? RunFolderMode::CreateIfMissing
                                                           : RunFolderMode::ExistingOnly);
    if (check == RunFolderCheck::RefusedWithMessage) {
        m_services.messages->Show(this,
                                  QString::fromStdString(tolvane::Say(kFolderMissingMessage)));
    }
    if (check != RunFolderCheck::Accepted) {
        return false;
    }
    m_runFolder = text;
    WriteRememberedFolder(m_settingsFile.toStdString(), text.toStdString());
    return true;
}
