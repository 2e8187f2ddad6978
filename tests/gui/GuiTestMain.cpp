#include <gtest/gtest.h>

#include <QApplication>

#include "support/PinnedEnvironment.h"

int main(int argc, char** argv)
{
    orvane::test::PinEnvironment();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
