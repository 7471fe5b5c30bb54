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

    enum class HandOverResult {
        Taken,          // the running program has the files
        NobodyListens,  // no program of this user listens there
        NoAnswer,       // one listens but did not answer in time (busy)
    };
    // Hands `paths` (made absolute) to the program listening on `socketPath`. Blocks for a
    // second or two at most. A program of another user is never handed anything.
    static HandOverResult HandOver(const QString& socketPath, const QStringList& paths);
    // Listens for the starts that follow; a socket left by a program that ended without closing
    // it is taken over. False when it cannot listen (the program then runs on its own). Only
    // starts of this user are heard.
    bool Listen();

signals:
    // Files another start handed over (none: it was started without files).
    void FilesArrived(const QStringList& paths);

private:
    void TakeConnection();

    QString m_socketPath;
    QLocalServer* m_server = nullptr;
};

// Where this user's program listens on this display: $XDG_RUNTIME_DIR/tolvane-DISPLAY.socket,
// or without a private runtime folder TMP/tolvane-UID/DISPLAY.socket in a folder of the user's
// own (made with mode 0700). Empty when no such private folder can be had: the program then runs
// on its own rather than meet another user's socket.
QString InstanceSocketPath();

// Whether `folder` is private to this user: a real folder (no symbolic link), owned by the
// user, that nobody else may read, write or enter.
bool IsPrivateFolder(const QString& folder);

// Whether the other end of the connected local socket `fd` runs as this user.
bool PeerIsThisUser(qintptr fd);
