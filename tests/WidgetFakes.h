#pragma once

// Stand-ins for the desktop in widget tests: message boxes are recorded, the choosers answer
// from lists, opened paths are recorded, and power-off only counts.

#include <optional>
#include <vector>

#include <QStringList>

#include "MessagePresenter.h"
#include "WindowServices.h"

namespace tolvane::test {

class FakeMessages final : public MessagePresenter {
public:
    QStringList shown;
    void Show(QWidget*, const QString& text, QMessageBox::Icon) override { shown << text; }
};

class FakeFiles final : public FileChooser {
public:
    QStringList nextFiles;
    QString filter;
    std::vector<std::optional<QString>> folders;  // answers of the folder browser, in order
    int folderCalls = 0;
    QStringList openStarts;  // where each open dialog opened
    QStringList OpenFiles(QWidget*, const QString& qtFilter, const QString& startFolder) override {
        filter = qtFilter;
        openStarts << startFolder;
        return nextFiles;
    }
    QStringList folderStarts;  // where each chooser opened
    std::optional<QString> ChooseFolder(QWidget*, const QString&,
                                        const QString& startFolder) override {
        folderStarts << startFolder;
        if (folderCalls >= static_cast<int>(folders.size())) {
            return std::nullopt;
        }
        return folders[static_cast<std::size_t>(folderCalls++)];
    }
    QString SaveFile(QWidget*, const QString&, const QString&, const QString&) override {
        return saveAs;
    }
    QString saveAs;  // the name the save dialog answers (empty: cancelled)
};

class FakeDesktop final : public DesktopOpener {
public:
    QStringList opened;
    bool opens = true;  // false: as a desktop without a program to open things
    bool Open(const QString& path) override {
        opened << path;
        return opens;
    }
};

class FakePower final : public PowerControl {
public:
    int powerOffs = 0;
    QString refusal;  // what the system says when it refuses (empty: it agrees)
    QString PowerOff() override {
        ++powerOffs;
        return refusal;
    }
};

}  // namespace tolvane::test
