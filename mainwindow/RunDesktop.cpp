#include "RunDesktop.h"

#include <QCoreApplication>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>
#include <algorithm>
#include <cmath>

void RunDesktop::RunStarted() {
    m_running = true;
    m_percentShown = -1;
    QDBusConnection system = QDBusConnection::systemBus();
    if (system.isConnected()) {
        QDBusMessage inhibit =
            QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1",
                                           "org.freedesktop.login1.Manager", "Inhibit");
        inhibit << QStringLiteral("sleep:idle") << QStringLiteral("Tolvane")
                << QCoreApplication::translate("RunDesktop", "Converting sound")
                << QStringLiteral("block");
        const QDBusMessage reply = system.call(inhibit, QDBus::Block, 1000);
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
            m_sleepLock = qvariant_cast<QDBusUnixFileDescriptor>(reply.arguments().front());
        }
    }
    SendLauncherEntry(0.0, true);
}

void RunDesktop::Progress(double share) {
    const int percent = static_cast<int>(std::floor(std::clamp(share, 0.0, 1.0) * 100.0));
    if (m_running && percent != m_percentShown) {
        m_percentShown = percent;
        SendLauncherEntry(percent / 100.0, true);
    }
}

void RunDesktop::RunEnded() {
    if (!m_running) {
        return;
    }
    m_running = false;
    m_sleepLock = QDBusUnixFileDescriptor();  // the lock's descriptor closes: sleep may come
    SendLauncherEntry(0.0, false);
}

void RunDesktop::SendLauncherEntry(double share, bool visible) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    QDBusMessage update = QDBusMessage::createSignal("/org/tolvane/Tolvane",
                                                     "com.canonical.Unity.LauncherEntry", "Update");
    update << QStringLiteral("application://%1.desktop").arg(QLatin1String(kDesktopEntryName))
           << QVariantMap{{QStringLiteral("progress"), share},
                          {QStringLiteral("progress-visible"), visible}};
    bus.send(update);
}
