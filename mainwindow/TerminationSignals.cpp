#include "TerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <sys/signalfd.h>
#include <unistd.h>

TerminationSignals::TerminationSignals(std::function<void()> arrived, QObject* parent)
    : QObject(parent), m_arrived(std::move(arrived)) {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &set, &m_previous);
    m_fd = signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK);
    if (m_fd < 0) {
        pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
        return;
    }
    // A notifier needs the application's event loop; made before it, it waits for SetArrived.
    if (QCoreApplication::instance() != nullptr) {
        Watch();
    }
}

void TerminationSignals::Watch() {
    if (m_fd >= 0 && m_notifier == nullptr) {
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::Read);
    }
}

void TerminationSignals::SetArrived(std::function<void()> arrived) {
    m_arrived = std::move(arrived);
    Watch();
}

TerminationSignals::~TerminationSignals() {
    if (m_fd >= 0) {
        delete m_notifier;
        ::close(m_fd);
        pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
    }
}

void TerminationSignals::Read() {
    signalfd_siginfo info{};
    while (::read(m_fd, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
        if (m_arrived) {
            m_arrived();
        }
    }
}
