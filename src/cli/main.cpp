#include <iostream>

#include "cli/CliApplication.h"
#include "platform/ConfigFileSettings.h"
#include "storage/BackupStore.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    // The number of kept versions is the window's setting.
    orvane::BackupStore::SetUserCount(orvane::BackupStore::CountSetting(
        orvane::ConfigFileSettings(orvane::ConfigFileSettings::UserFile())));
    orvane::cli::CliContext context{std::cout, std::cerr};
    orvane::cli::CliApplication application(orvane::cli::StandardCommands());
    return application.Run(arguments, context);
}
