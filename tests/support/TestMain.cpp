#include <gtest/gtest.h>

#include "support/PinnedEnvironment.h"

int main(int argc, char** argv)
{
    orvane::test::PinEnvironment();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
