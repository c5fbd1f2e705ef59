#include "app/GuardedApplication.h"

#include <QCoreApplication>
#include <exception>

#include "dialogs/Messages.h"

namespace {

QString UnknownFailure()
{
    return QCoreApplication::translate("GuardedApplication", "原因不明のエラーが発生しました。");
}

QString TextOf(const std::exception& e)
{
    const QString what = QString::fromLocal8Bit(e.what());
    return what.isEmpty() ? UnknownFailure() : what;
}

}  // namespace

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv)
{
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        Report(TextOf(e));
    } catch (...) {
        Report(UnknownFailure());
    }
    return false;
}

void GuardedApplication::Report(const QString& what)
{
    if (!starting) {
        ShowError(activeWindow(), what);
        return;
    }
    // Start-up goes on to its end unwound; the first failure is what counts.
    if (startupFailure.isEmpty())
        startupFailure = what;
}

bool GuardedApplication::StartUp(const std::function<void()>& steps)
{
    starting = true;
    startupFailure.clear();
    try {
        steps();
    } catch (const std::exception& e) {
        Report(TextOf(e));
    } catch (...) {
        Report(UnknownFailure());
    }
    starting = false;
    if (startupFailure.isEmpty())
        return true;
    ShowError(nullptr,
              QCoreApplication::translate("GuardedApplication", "起動できませんでした。\n%1").arg(startupFailure));
    return false;
}
