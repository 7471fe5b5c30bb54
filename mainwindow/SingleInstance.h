#pragma once

// One window per user and display: a second start hands its files to the running program
// through a local socket and ends; the running window takes them as files opened with it and
// comes to the front.

#include <QObject>
#include <QStringList>

class QLocalServer;

class SingleInstance final : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(QString socketPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Hands `paths` (made absolute) to the program listening on `socketPath`; true when it took
    // them. Blocks for a second or two at most.
    static bool HandOver(const QString& socketPath, const QStringList& paths);
    // Listens for the starts that follow; a socket left by a program that ended without closing
    // it is taken over. False when it cannot listen (the program then runs on its own).
    bool Listen();

signals:
    // Files another start handed over (none: it was started without files).
    void FilesArrived(const QStringList& paths);

private:
    void TakeConnection();

    QString m_socketPath;
    QLocalServer* m_server = nullptr;
};

// Where this user's program listens on this display: $XDG_RUNTIME_DIR/tolvane-DISPLAY.socket (the
// temporary folder, with the user's id, without it).
QString InstanceSocketPath();
