#pragma once
#include <QApplication>
#include <functional>

// The application object of a run. An exception escaping an event handler
// is shown with its text and the program goes on; one escaping start-up is
// shown and start-up reports failure, so the caller can end the program
// without writing anything.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs the start-up steps; false when an exception escaped them, directly
    // or from an event they caused (it has been shown by then).
    bool StartUp(const std::function<void()>& steps);

private:
    void Report(const QString& what);

    bool starting = false;
    QString startupFailure;
};
