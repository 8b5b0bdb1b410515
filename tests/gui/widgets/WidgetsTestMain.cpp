#include <QApplication>
#include <QByteArray>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "TestHome.h"
#include "runtime/qt/SettingsFiles.h"

// Every test here runs with a home of its own, so that anything Qt might
// write lands where the tests can see it, and nothing of the user's is touched.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    dirdock::test::TestHome::setUp();
    QApplication application(argc, argv);
    dirdock::DisableSettingsFiles();
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    dirdock::test::TestHome::tearDown();
    return result;
}
