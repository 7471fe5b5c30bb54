#include "SingleInstance.h"

#include <unistd.h>

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

constexpr int kWaitMs = 2000;

}  // namespace

SingleInstance::SingleInstance(QString socketPath, QObject* parent)
    : QObject(parent), m_socketPath(std::move(socketPath)) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::HandOver(const QString& socketPath, const QStringList& paths) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(kWaitMs)) {
        return false;
    }
    QStringList absolute;
    for (const QString& path : paths) {
        absolute << QFileInfo(path).absoluteFilePath();
    }
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << absolute;
    socket.write(message);
    if (!socket.waitForBytesWritten(kWaitMs)) {
        return false;
    }
    // The running program answers once it has the files.
    return socket.waitForReadyRead(kWaitMs) && socket.read(1) == "1";
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

QString InstanceSocketPath() {
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty()) {
        display = qEnvironmentVariable("DISPLAY");
    }
    display.replace(QLatin1Char('/'), QLatin1Char('_'));
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) {
        return runtime + QStringLiteral("/tolvane-") + display + QStringLiteral(".socket");
    }
    return QDir::tempPath() + QStringLiteral("/tolvane-%1-%2.socket").arg(::getuid()).arg(display);
}
