#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>

#include "app/AboutDialog.h"
#include "app/SplashWindow.h"
#include "app/Startup.h"

namespace orvane {
namespace {

QString LabelText(const QWidget& window, int controlId)
{
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->property("controlId").toInt() == controlId) {
            return label->text();
        }
    }
    return {};
}

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
    };
    for (const Case& c : cases) {
        const Startup::Options options = Startup::ParseArguments(c.arguments, c.variable);
        EXPECT_EQ(options.splash, c.splash) << c.path;
        EXPECT_EQ(options.path, c.path);
    }
}

TEST(Startup, AboutBoxAndSplashSayWhatTheProgramIs)
{
    AboutDialog about;
    EXPECT_EQ(LabelText(about, 1091), "VERSION 1.4");
    EXPECT_FALSE(LabelText(about, 1092).isEmpty());
    SplashWindow splash;
    EXPECT_EQ(LabelText(splash, 1091), "Version 1.4");
    EXPECT_EQ(LabelText(splash, 1093), LabelText(about, 1092));
    splash.ShowFor(0);
    EXPECT_FALSE(splash.isVisible());
}

}  // namespace
}  // namespace orvane
