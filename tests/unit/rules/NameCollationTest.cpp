#include "rules/panes/NameCollation.h"

#include <gtest/gtest.h>

#include <clocale>

namespace orvane {
namespace {

TEST(NameCollation, IgnoresLetterCase)
{
    // The program runs in the user's locale (here C.UTF-8), as the window sets it up.
    std::setlocale(LC_ALL, "");
    EXPECT_EQ(NameCollation::Key("ADAMS"), NameCollation::Key("adams"));
    EXPECT_LT(NameCollation::Key("adams"), NameCollation::Key("Baker"));
    EXPECT_LT(NameCollation::Key(""), NameCollation::Key("A"));
    EXPECT_EQ(NameCollation::Key("\xC9mile"), NameCollation::Key("\xC3\xA9MILE"));
}

}  // namespace
}  // namespace orvane
