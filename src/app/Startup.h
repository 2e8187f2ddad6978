#pragma once

#include <string>
#include <vector>

namespace orvane {

class MainFrame;
class Prompter;
class SettingsStore;

// The program's start-up: options, the desktop's locale, the window, the splash, the file
// named on the command line, and the event loop.
class Startup {
public:
    struct Options {
        bool splash = true;
        std::string path;  // the non-option arguments joined by blanks, empty for none
    };

    // "--no-splash" or ORVANE_NO_SPLASH=1 skip the splash (tests, scripted runs).
    static Options ParseArguments(const std::vector<std::string>& arguments,
                                  const char* noSplashVariable);
    static int Run(int argc, char** argv);
    // Gives the window its editors, transfer and report commands, alarms and help.
    static void InstallParts(MainFrame& frame, Prompter& prompter, SettingsStore& settings);
};

}  // namespace orvane
