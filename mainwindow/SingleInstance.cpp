#include "SingleInstance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

constexpr int kWaitMs = 2000;

}  // namespace

SingleInstance::SingleInstance(QString socketPath, QObject* parent)
    : QObject(parent), m_socketPath(std::move(socketPath)) {}

SingleInstance::~SingleInstance() = default;

SingleInstance::HandOverResult SingleInstance::HandOver(const QString& socketPath,
                                                        const QStringList& paths) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(kWaitMs) || !PeerIsThisUser(socket.socketDescriptor())) {
        return HandOverResult::NobodyListens;
    }
    QStringList absolute;
    for (const QString& path : paths) {
        absolute << QFileInfo(path).absoluteFilePath();
    }
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << absolute;
    socket.write(message);
    // The running program answers once it has the files.
    if (socket.waitForBytesWritten(kWaitMs) && socket.waitForReadyRead(kWaitMs) &&
        socket.read(1) == "1") {
        return HandOverResult::Taken;
    }
    return HandOverResult::NoAnswer;
}

bool SingleInstance::Listen() {
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_socketPath)) {
        // Nobody answers on it: the program that made it ended without closing it.
        QLocalSocket probe;
        probe.connectToServer(m_socketPath);
        if (probe.waitForConnected(500)) {
            return false;
        }
        QLocalServer::removeServer(m_socketPath);
        if (!m_server->listen(m_socketPath)) {
            return false;
        }
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::TakeConnection);
    return true;
}

void SingleInstance::TakeConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        if (!PeerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream in(socket);
            in.startTransaction();
            QStringList paths;
            in >> paths;
            if (!in.commitTransaction()) {
                return;  // not all of it yet
            }
            socket->write("1");
            socket->flush();
            emit FilesArrived(paths);
        });
    }
}

bool IsPrivateFolder(const QString& folder) {
    struct stat st {};
    const QByteArray path = QFile::encodeName(folder);
    return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

bool PeerIsThisUser(qintptr fd) {
    struct ucred peer {};
    socklen_t length = sizeof peer;
    return fd >= 0 &&
           ::getsockopt(static_cast<int>(fd), SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 &&
           length == sizeof peer && peer.uid == ::geteuid();
}

QString InstanceSocketPath() {
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty()) {
        display = qEnvironmentVariable("DISPLAY");
    }
    display.replace(QLatin1Char('/'), QLatin1Char('_'));
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && IsPrivateFolder(runtime)) {
        return runtime + QStringLiteral("/tolvane-") + display + QStringLiteral(".socket");
    }
    // The shared temporary folder: only in a folder of our own, which another user cannot have
    // made first (one they made is not ours, and is passed over).
    const QString own = QDir::tempPath() + QStringLiteral("/tolvane-%1").arg(::geteuid());
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    if (!IsPrivateFolder(own)) {
        return {};
    }
    return own + QStringLiteral("/") + display + QStringLiteral(".socket");
}
