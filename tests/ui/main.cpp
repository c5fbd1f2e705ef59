#include <QApplication>
#include <QTemporaryFile>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/GuardedApplication.h"
#include "dialogs/Messages.h"

namespace {

// What one test leaves in the process never reaches the next: a close from
// outside sends messages to standard error and ends every event loop.
class ResetProcessState : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        SendMessagesToStandardError(false);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();  // clears a pending quit
    }
};

}  // namespace

int main(int argc, char** argv)
{
    // One screen of 800 x 600, the smallest the window must fit on.
    QTemporaryFile screens;
    screens.open();
    screens.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 800, "height": 600,
                       "logicalDpiX": 96, "logicalDpiY": 96, "dpr": 1}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    GuardedApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetProcessState);
    return RUN_ALL_TESTS();
}
