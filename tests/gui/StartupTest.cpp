#include <gtest/gtest.h>

#include "app/Startup.h"
#include "widgets/SplashWindow.h"

namespace orvane {
namespace {

TEST(Startup, ArgumentsNameTheFileAndCanSkipTheSplash)
{
    struct Case {
        std::vector<std::string> arguments;
        const char* variable;
        bool splash;
        std::string path;
    };
    const Case cases[] = {
        {{}, nullptr, true, ""},
        {{"/home/a b/home.pgr"}, nullptr, true, "/home/a b/home.pgr"},
        {{"--no-splash", "x.pgr"}, nullptr, false, "x.pgr"},
        {{"x.pgr", "--no-splash"}, "0", false, "x.pgr"},
        {{"x.pgr"}, "1", false, "x.pgr"},
        {{"My", "Diary.pgr"}, nullptr, true, "My Diary.pgr"},
        {{"/tmp/a", "--no-splash", "b.pgr"}, nullptr, false, "/tmp/a b.pgr"},
    };
    for (const Case& c : cases) {
        const Startup::Options options = Startup::ParseArguments(c.arguments, c.variable);
        EXPECT_EQ(options.splash, c.splash) << c.path;
        EXPECT_EQ(options.path, c.path);
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
