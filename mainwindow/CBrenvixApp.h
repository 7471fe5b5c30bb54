#pragma once

// The application: owns the QApplication, runs the main window until its Close button ends it.

#include <QApplication>
#include <memory>

class TerminationSignals;

class CBrenvixApp final {
public:
    CBrenvixApp(int& argc, char** argv);
    ~CBrenvixApp();
    // Runs the main window; returns the process's exit status.
    int Run();

private:
    // Made first: the signals are blocked before any thread of Qt's starts.
    std::unique_ptr<TerminationSignals> m_signals;
    QApplication m_app;
};
