// Test entry point for widget-free tests.
#include "support/TestDatabase.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    TestDatabase::dropTemplates();
    return result;
}
