#include <iostream>

#include "cli/CliApplication.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    orvane::cli::CliContext context{std::cout, std::cerr};
    orvane::cli::CliApplication application(orvane::cli::StandardCommands());
    return application.Run(arguments, context);
}
