#include <QApplication>
#include <QTemporaryFile>
#include <QTimer>
#include <gtest/gtest.h>
#include <cmath>

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
    // One screen of 800 x 600 view pixels, the smallest the window must fit
    // on, also when QT_SCALE_FACTOR makes its pixels larger.
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
    QTemporaryFile screens;
    screens.open();
    screens.write(QStringLiteral(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": %1, "height": %2,
                       "logicalDpiX": 96, "logicalDpiY": 96, "dpr": 1}]})")
                      .arg(std::lround(800 * scale))
                      .arg(std::lround(600 * scale))
                      .toUtf8());
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    GuardedApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetProcessState);
    return RUN_ALL_TESTS();
}
