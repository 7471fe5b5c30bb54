#include "WindowServices.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>
#include <QVariantMap>

namespace {

class DialogFileChooser final : public FileChooser {
public:
    QStringList OpenFiles(QWidget* parent, const QString& qtFilter,
                          const QString& startFolder) override {
        return QFileDialog::getOpenFileNames(parent, QString(), startFolder, qtFilter);
    }
    std::optional<QString> ChooseFolder(QWidget* parent, const QString& title,
                                        const QString& startFolder) override {
        const QString folder = QFileDialog::getExistingDirectory(parent, title, startFolder);
        if (folder.isEmpty()) {
            return std::nullopt;
        }
        return folder;
    }
    QString SaveFile(QWidget* parent, const QString& title, const QString& startPath,
                     const QString& qtFilter) override {
        return QFileDialog::getSaveFileName(parent, title, startPath, qtFilter);
    }
};

class UrlOpener final : public DesktopOpener {
public:
    bool Open(const QString& path) override {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
};

class Logind final : public PowerControl {
public:
    QString PowerOff() override {
        QDBusInterface manager("org.freedesktop.login1", "/org/freedesktop/login1",
                               "org.freedesktop.login1.Manager", QDBusConnection::systemBus());
        if (!manager.isValid()) {
            return manager.lastError().message();
        }
        // Not interactive: no authentication prompt. A refusal (authorization needed, an
        // inhibitor) comes back as an error reply.
        const QDBusMessage reply = manager.call("PowerOff", false);
        return reply.type() == QDBusMessage::ErrorMessage ? reply.errorMessage() : QString();
    }
};

}  // namespace

FileChooser& DesktopFileChooser() {
    static DialogFileChooser chooser;
    return chooser;
}

DesktopOpener& DesktopFileOpener() {
    static UrlOpener opener;
    return opener;
}

PowerControl& LogindPowerControl() {
    static Logind logind;
    return logind;
}

bool NotifyDesktop(const QString& summary, const QString& body, const QStringList& actions) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return false;
    }
    QDBusMessage notify = QDBusMessage::createMethodCall("org.freedesktop.Notifications",
                                                         "/org/freedesktop/Notifications",
                                                         "org.freedesktop.Notifications", "Notify");
    notify << QStringLiteral("Tolvane") << 0U << QStringLiteral("tolvane") << summary << body
           << actions << QVariantMap() << -1;
    // Sent, never waited for: a desktop without a notification service costs nothing.
    return bus.send(notify);
}
