#include <QApplication>
#include <QTemporaryFile>
#include <gtest/gtest.h>

#include "app/GuardedApplication.h"

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
    return RUN_ALL_TESTS();
}
