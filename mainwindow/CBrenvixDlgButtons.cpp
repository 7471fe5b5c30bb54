// The main window's bitmap buttons: their faces, tooltips and cursors, greyed and active.

#include "CBrenvixDlg.h"
#include "CControlButton.h"
#include "SkinCursor.h"
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
    const char* name;  // as its face reads: what a screen reader says
};

// Every bitmap button of the main window with its faces.
const ButtonSpec kButtonSpecs[] = {
    {ids::kAdd, skin::kAddButton, 177, skin::kAddFaces, true, "Add File", true, "Add"},
    {ids::kClip, skin::kClipButton, 280, skin::kClipFaces, false, "Clip Video", true, "Clip"},
    {ids::kHelp, skin::kHelpButton, 181, skin::kHelpFaces, true, "Help", true, "Help"},
    {ids::kConvert, skin::kConvertButton, 186, skin::kConvertFaces, false, "Start Converting", true,
     "Convert"},
    {ids::kRemove, skin::kRemoveButton, 229, skin::kRemoveFaces, false, "Remove", true, "Remove"},
    {ids::kClearAll, skin::kClearAllButton, 269, skin::kClearAllFaces, false, "Clear All", true,
     "Clear All"},
    {ids::kMerge, skin::kMergeButton, 0, skin::kMergeFaces, false, " Merge into a file", true,
     "Merge"},
    {ids::kFileInfo, skin::kFileInfoButton, 261, skin::kFileInfoFaces, false, "File Information",
     true, "File Info"},
    {ids::kSetting, skin::kSettingButton, 196, skin::kSettingFaces, false, "Conversion Settings",
     true, "Setting"},
    {ids::kBrowse, skin::kBrowseButton, 199, skin::kBrowseFaces, true, "Set output files", true,
     "Browse"},
    {ids::kFindTarget, skin::kFindTargetButton, 204, skin::kFindTargetFaces, true,
     "Open output files", true, "Find Target"},
    {ids::kMinimize, skin::kMinimizeButton, 207, skin::kMinimizeFaces, true, "Minimize", true,
     "Minimize"},
    {ids::kClose, skin::kCloseButton, 209, skin::kCloseFaces, true, "Close", true, "Close"},
    {ids::kAbout, skin::kAboutButton, 253, skin::kAboutFaces, true, "About", true, "About"},
    {ids::kPlay, skin::kPlayButton, 301, skin::kPlayFaces, false, "Play", false, "Play"},
    {ids::kStop, skin::kStopButton, 303, skin::kStopFaces, false, "Stop", false, "Stop"},
    {ids::kCheckVolume, skin::kVolumeSymbol, 293, skin::kVolumeFaces, true, "", false, "Volume"},
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
    if (*entry.tooltip != '\0') {
        button->setToolTip(entry.tooltip);
    }
    button->setAccessibleName(entry.name);
    button->setAccessibleDescription(entry.tooltip);
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
