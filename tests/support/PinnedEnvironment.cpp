#include "support/PinnedEnvironment.h"

#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

namespace orvane::test {

void PinEnvironment()
{
    // ctest sets ORVANE_TEST_PINNED along with the rest (tests/CMakeLists.txt).
    if (std::getenv("ORVANE_TEST_PINNED") == nullptr) {
        namespace fs = std::filesystem;
        const fs::path home =
            fs::temp_directory_path() / ("orvane-test-home-" + std::to_string(getpid()));
        fs::create_directories(home / ".config");
        fs::create_directories(home / ".local/share");
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
        setenv("XDG_DATA_HOME", (home / ".local/share").c_str(), 1);
        setenv("TZ", "America/New_York", 1);
        setenv("LC_ALL", "C.UTF-8", 1);
        setenv("LANG", "C.UTF-8", 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    tzset();
}

}  // namespace orvane::test
