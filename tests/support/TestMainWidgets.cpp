// Test entry point for window tests (run on the offscreen platform).
#include "common/ui/ApplicationLook.h"
#include "platform/PasswordHash.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ApplicationLook::install(app);
    ::testing::InitGoogleTest(&argc, argv);
    PasswordHash::UseMinimumCostForTests();
    const int result = RUN_ALL_TESTS();
    TestDatabase::dropTemplates();
    return result;
}
