#pragma once

// The application: owns the QApplication, runs the main window until its Close button ends it.

#include <QApplication>

class CBrenvixApp final {
public:
    CBrenvixApp(int& argc, char** argv);
    // Runs the main window; returns the process's exit status.
    int Run();

private:
    QApplication m_app;
};
