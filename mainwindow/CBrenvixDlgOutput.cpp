// The output profile and folder controls: the format box, the folder box, Browse and Find
// Target.

#include <QComboBox>
#include <QFileInfo>

#include "CBrenvixDlg.h"
#include "CCheckListCtrl.h"
#include "MessagePresenter.h"
#include "OutputFolder.h"
#include "SkinIds.h"
#include "SkinLayout.h"

void CBrenvixDlg::SetUpOutputControls() {
    m_folderBox = new QComboBox(this);
    m_folderBox->setObjectName(QString::number(ids::kFolderBox));
    m_folderBox->setEditable(true);
    // Enter in the box adds nothing; entries come from the set-up and from Browse.
    m_folderBox->setInsertPolicy(QComboBox::NoInsert);
    m_folderBox->setDuplicatesEnabled(true);
    m_folderBox->setGeometry(skin::Rect(skin::kFolderBox));

    const ProfileLocations locations = LocateProfile(m_programFolder.toStdString());
    m_settingsFile = QString::fromStdString(locations.settingsFile.string());
    m_runFolder = QString::fromStdString(StartupFolder(locations));
    AddFolderEntry(m_runFolder);
    m_folderBox->setCurrentIndex(m_folderBox->findText(m_runFolder));
    m_folderBox->setEditText(m_runFolder);

    // Every pick, also of the entry already chosen (it fills the empty cells of dropped rows).
    connect(m_formatBox, &QComboBox::activated, this, &CBrenvixDlg::OnFormatChanged);
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
    if (!ApplyFormatChoice(m_settings, index)) {
        return;
    }
    const QString text = m_formatBox->itemText(index);
    for (int row = 0; row < m_list->rowCount(); ++row) {
        m_list->setItem(row, column::kFormat, new QTableWidgetItem(text));
    }
}

void CBrenvixDlg::OnBrowse() {
    for (;;) {
        const std::optional<QString> folder =
            m_services.files->ChooseFolder(this, QString::fromLatin1(kBrowseTitle));
        if (!folder) {
            return;
        }
        if (folder->isEmpty() || !QFileInfo::exists(*folder)) {
            m_services.messages->Show(this, QString::fromLatin1(kFolderInvalidMessage));
            continue;
        }
        m_runFolder = *folder;
        AddFolderEntry(*folder);
        m_folderBox->setEditText(*folder);
        return;
    }
}

void CBrenvixDlg::OnFindTarget() {
    m_services.desktop->Open(m_folderBox->currentText());
}

bool CBrenvixDlg::CheckAndRememberFolder(bool createIfMissing) {
    const QString text = m_folderBox->currentText();
    const RunFolderCheck check =
        CheckRunFolder(text.toStdString(), createIfMissing ? RunFolderMode::CreateIfMissing
                                                           : RunFolderMode::ExistingOnly);
    if (check == RunFolderCheck::RefusedWithMessage) {
        m_services.messages->Show(this, QString::fromLatin1(kFolderMissingMessage));
    }
    if (check != RunFolderCheck::Accepted) {
        return false;
    }
    m_runFolder = text;
    WriteRememberedFolder(m_settingsFile.toStdString(), text.toStdString());
    return true;
}
