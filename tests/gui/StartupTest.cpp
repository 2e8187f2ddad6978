#include <gtest/gtest.h>

#include <sstream>

#include "app/Startup.h"
#include "support/Golden.h"
#include "widgets/SplashWindow.h"

namespace orvane {
namespace {

TEST(Startup, ArgumentsNameTheFileAndCanSkipTheSplash)
{
    for (const auto& row : test::RowsOf("gui/startup-arguments.txt")) {
        std::vector<std::string> arguments;
        std::istringstream list(row[0]);
        for (std::string argument; std::getline(list, argument, ';');) {
            arguments.push_back(argument);
        }
        const char* variable = row[1] == "-" ? nullptr : row[1].c_str();
        const Startup::Options options = Startup::ParseArguments(arguments, variable);
        EXPECT_EQ(options.splash, row[2] == "yes") << row[0];
        EXPECT_EQ(options.path, row[3]) << row[0];
    }
}

TEST(Startup, SplashShownForNoTimeIsNotShown)
{
    SplashWindow splash;
    splash.ShowFor(0);
    EXPECT_FALSE(splash.isVisible());
}

}  // namespace
}  // namespace orvane
