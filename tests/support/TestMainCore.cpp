// Test entry point for widget-free tests.
#include "platform/PasswordHash.h"
#include "support/TestDatabase.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    PasswordHash::UseMinimumCostForTests();
    const int result = RUN_ALL_TESTS();
    TestDatabase::dropTemplates();
    return result;
}
