// The main window's bitmap buttons: their faces, tooltips and cursors, greyed and active.

#include <QCoreApplication>

#include "CBrenvixDlg.h"
#include "CControlButton.h"
#include "SkinCursor.h"
#include "SkinGlyphs.h"
#include "SkinIds.h"
#include "SkinLayout.h"

namespace {

struct ButtonSpec {
    int id;
    skin::Box box;
    int shape;  // 0: rectangular
    skin::Faces faces;
    bool enabledAtStart;
    const char* tooltip;
    bool handCursor;
    const char* name;                        // as its face reads: what a screen reader says
    const skin::LabelSpot* label = nullptr;  // where the face shows the name; none: a sign alone
    skin::Glyph sign = skin::Glyph::None;    // the sign beside or above the name
};

// Every bitmap button of the main window with its faces.
const ButtonSpec kButtonSpecs[] = {
    {ids::kAdd, skin::kAddButton, 177, skin::kAddFaces, true,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "Add File"), true, QT_TRANSLATE_NOOP("CBrenvixDlg", "Add"),
     &skin::kAddLabel, skin::Glyph::Plus},
    {ids::kClip, skin::kClipButton, 280, skin::kClipFaces, false,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "Clip Video"), true, QT_TRANSLATE_NOOP("CBrenvixDlg", "Clip"),
     &skin::kClipLabel, skin::Glyph::Scissors},
    {ids::kHelp, skin::kHelpButton, 181, skin::kHelpFaces, true,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "Help"), true, QT_TRANSLATE_NOOP("CBrenvixDlg", "Help"),
     &skin::kHelpLabel, skin::Glyph::Question},
    {ids::kConvert, skin::kConvertButton, 186, skin::kConvertFaces, false,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "Start Converting"), true,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "Convert"), &skin::kConvertLabel, skin::Glyph::Convert},
    {ids::kRemove, skin::kRemoveButton, 229, skin::kRemoveFaces, false,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "Remove"), true, QT_TRANSLATE_NOOP("CBrenvixDlg", "Remove"),
     &skin::kListToolLabel, skin::Glyph::Trash},
    {ids::kClearAll, skin::kClearAllButton, 269, skin::kClearAllFaces, false,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "Clear All"), true,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "Clear All"), &skin::kListToolLabel, skin::Glyph::Broom},
    {ids::kMerge, skin::kMergeButton, 0, skin::kMergeFaces, false,
     QT_TRANSLATE_NOOP("CBrenvixDlg", " Merge into a file"), true,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "Merge"), &skin::kListToolLabel, skin::Glyph::Merge},
    {ids::kFileInfo, skin::kFileInfoButton, 261, skin::kFileInfoFaces, false,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "File Information"), true,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "File Info"), &skin::kListToolLabel, skin::Glyph::Info},
    {ids::kSetting, skin::kSettingButton, 196, skin::kSettingFaces, false,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "Conversion Settings"), true,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "Setting"), &skin::kSettingLabel, skin::Glyph::Gear},
    {ids::kBrowse, skin::kBrowseButton, 199, skin::kBrowseFaces, true,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "Set output files"), true,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "Browse"), &skin::kBrowseLabel, skin::Glyph::Folder},
    {ids::kFindTarget, skin::kFindTargetButton, 204, skin::kFindTargetFaces, true,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "Open output files"), true,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "Find Target"), &skin::kFindTargetLabel,
     skin::Glyph::FolderOpen},
    {ids::kMinimize, skin::kMinimizeButton, 207, skin::kMinimizeFaces, true,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "Minimize"), true,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "Minimize")},
    {ids::kClose, skin::kCloseButton, 209, skin::kCloseFaces, true,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "Close"), true, QT_TRANSLATE_NOOP("CBrenvixDlg", "Close")},
    {ids::kAbout, skin::kAboutButton, 253, skin::kAboutFaces, true,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "About"), true, QT_TRANSLATE_NOOP("CBrenvixDlg", "About")},
    {ids::kPlay, skin::kPlayButton, 301, skin::kPlayFaces, false,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "Play"), false, QT_TRANSLATE_NOOP("CBrenvixDlg", "Play")},
    {ids::kStop, skin::kStopButton, 303, skin::kStopFaces, false,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "Stop"), false, QT_TRANSLATE_NOOP("CBrenvixDlg", "Stop")},
    {ids::kCheckVolume, skin::kVolumeSymbol, 293, skin::kVolumeFaces, true, "", false,
     QT_TRANSLATE_NOOP("CBrenvixDlg", "Volume")},
};

const ButtonSpec* FindSpec(int id) {
    for (const auto& entry : kButtonSpecs) {
        if (entry.id == id) {
            return &entry;
        }
    }
    return nullptr;
}

// The faces, state and cursor of an active or a greyed button. Qt shows no cursor of a disabled
// widget: the window shows the hand over a greyed one instead (UpdateHandCursor).
void ApplyState(CControlButton& button, const ButtonSpec& entry, bool active) {
    button.setEnabled(active);
    if (active) {
        button.SetBitmaps(entry.faces.hover, entry.faces.normal, entry.faces.normal,
                          entry.faces.hover);
    } else {
        button.SetBitmaps(entry.faces.disabled, entry.faces.disabled, entry.faces.disabled,
                          entry.faces.disabled);
    }
    if (active && entry.handCursor) {
        button.setCursor(SkinHandCursor());
    } else {
        button.unsetCursor();
    }
    button.update();
}

CControlButton* MakeButton(QWidget* parent, const ButtonSpec& entry) {
    auto* button = new CControlButton(parent);
    button->setObjectName(QString::number(entry.id));
    button->setText(entry.tooltip);
    if (entry.shape != 0) {
        button->SetShape(entry.shape);
    }
    const QString tooltip = QCoreApplication::translate("CBrenvixDlg", entry.tooltip);
    if (*entry.tooltip != '\0') {
        button->setToolTip(tooltip);
    }
    const QString name = QCoreApplication::translate("CBrenvixDlg", entry.name);
    button->setAccessibleName(name);
    button->setAccessibleDescription(tooltip);
    if (entry.label != nullptr) {
        button->SetLabel(name, *entry.label, entry.sign, entry.id == ids::kConvert);
    }
    ApplyState(*button, entry, entry.enabledAtStart);
    return button;
}

}  // namespace

void CBrenvixDlg::SetUpButtons() {
    for (const ButtonSpec& entry : kButtonSpecs) {
        CControlButton* button = MakeButton(this, entry);
        Place(button, entry.box);
        m_buttons.emplace_back(entry.id, button);
    }
    connect(Button(ids::kAdd), &QAbstractButton::clicked, this, &CBrenvixDlg::OnAdd);
    connect(Button(ids::kRemove), &QAbstractButton::clicked, this, &CBrenvixDlg::OnRemove);
    connect(Button(ids::kPlay), &QAbstractButton::clicked, this, &CBrenvixDlg::OnPlay);
    connect(Button(ids::kStop), &QAbstractButton::clicked, this, &CBrenvixDlg::StopPreview);
    connect(Button(ids::kClip), &QAbstractButton::clicked, this, &CBrenvixDlg::OnClip);
    connect(Button(ids::kClearAll), &QAbstractButton::clicked, this, &CBrenvixDlg::OnClearAll);
    connect(Button(ids::kConvert), &QAbstractButton::clicked, this, &CBrenvixDlg::OnConvert);
    connect(Button(ids::kMerge), &QAbstractButton::clicked, this, &CBrenvixDlg::OnMerge);
    connect(Button(ids::kBrowse), &QAbstractButton::clicked, this, &CBrenvixDlg::OnBrowse);
    connect(Button(ids::kFindTarget), &QAbstractButton::clicked, this, &CBrenvixDlg::OnFindTarget);
    connect(Button(ids::kHelp), &QAbstractButton::clicked, this, &CBrenvixDlg::OnHelp);
    connect(Button(ids::kClose), &QAbstractButton::clicked, this, &CBrenvixDlg::OnClose);
    connect(Button(ids::kMinimize), &QAbstractButton::clicked, this, &QWidget::showMinimized);
    connect(Button(ids::kFileInfo), &QAbstractButton::clicked, this,
            &CBrenvixDlg::OnFileInformation);
    connect(Button(ids::kSetting), &QAbstractButton::clicked, this, &CBrenvixDlg::OnSetting);
    connect(Button(ids::kAbout), &QAbstractButton::clicked, this, &CBrenvixDlg::OnAbout);
}

CControlButton* CBrenvixDlg::Button(int id) const {
    for (const auto& [buttonId, button] : m_buttons) {
        if (buttonId == id) {
            return button;
        }
    }
    return nullptr;
}

void CBrenvixDlg::Activate(int id) {
    SetButtonActive(id, true);
}

void CBrenvixDlg::Grey(int id) {
    SetButtonActive(id, false);
}

void CBrenvixDlg::SetButtonActive(int id, bool active) {
    const ButtonSpec* entry = FindSpec(id);
    CControlButton* button = Button(id);
    if (entry == nullptr || button == nullptr || (!active && entry->faces.disabled == 0)) {
        return;  // a button without a greyed face is never greyed
    }
    ApplyState(*button, *entry, active);
}

void CBrenvixDlg::UpdateHandCursor(const QPoint& windowPos) {
    bool overGreyedButton = false;
    for (const ButtonSpec& entry : kButtonSpecs) {
        const CControlButton* button = Button(entry.id);
        if (entry.handCursor && button != nullptr && !button->isEnabled() &&
            button->geometry().contains(windowPos)) {
            overGreyedButton = true;
            break;
        }
    }
    if (overGreyedButton && !testAttribute(Qt::WA_SetCursor)) {
        setCursor(SkinHandCursor());
    } else if (!overGreyedButton && testAttribute(Qt::WA_SetCursor)) {
        unsetCursor();
    }
}

QString CBrenvixDlg::ToolTipFor(int id) const {
    const CControlButton* button = Button(id);
    return button != nullptr ? button->toolTip() : QString();
}

bool CBrenvixDlg::HandCursorOver(int id) const {
    // Qt's rule: the first widget from the one under the mouse up to the window that has a
    // cursor of its own decides, and shows none when it is disabled.
    const QWidget* widget = Button(id);
    while (widget != nullptr && !widget->isWindow() && !widget->testAttribute(Qt::WA_SetCursor)) {
        widget = widget->parentWidget();
    }
    return widget != nullptr && widget->isEnabled() && widget->testAttribute(Qt::WA_SetCursor) &&
           widget->cursor().shape() == SkinHandCursor().shape();
}
