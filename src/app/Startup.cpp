#include "app/Startup.h"

#include <QApplication>
#include <QLocale>
#include <cstdlib>

#include "app/AlarmsAndHelp.h"
#include "app/EditorsInstaller.h"
#include "app/InteropMenuCommands.h"
#include "app/MainFrame.h"
#include "app/ReportCommands.h"
#include "app/SyncCommands.h"
#include "app/TransferCommands.h"
#include "app/adapters/QtLocaleNames.h"
#include "app/adapters/QtPrompter.h"
#include "app/adapters/QtSettingsStore.h"
#include "platform/PictureLocale.h"
#include "widgets/SplashWindow.h"

namespace orvane {

Startup::Options Startup::ParseArguments(const std::vector<std::string>& arguments,
                                         const char* noSplashVariable)
{
    Options options;
    if (noSplashVariable && std::string(noSplashVariable) == "1") {
        options.splash = false;
    }
    for (const std::string& argument : arguments) {
        if (argument == "--no-splash") {
            options.splash = false;
        } else {
            // A path with blanks given without quotes arrives in pieces: the whole command
            // line names the file.
            options.path += (options.path.empty() ? "" : " ") + argument;
        }
    }
    return options;
}

void Startup::InstallParts(MainFrame& frame, Prompter& prompter, SettingsStore& settings)
{
    EditorsInstaller::Install(frame, prompter);
    TransferCommands::Install(frame, prompter);
    InteropMenuCommands::Install(frame, prompter);
    ReportCommands::Install(frame);
    AlarmsAndHelp::Install(frame, prompter, settings);
    SyncCommands::Install(frame, prompter, settings);
}

int Startup::Run(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kestrow"));
    QApplication::setApplicationName(QStringLiteral("Orvane!"));
    QApplication::setApplicationVersion(QStringLiteral("1.4"));

    PictureLocale locale(QtLocaleNames::FromQLocale(QLocale::system()));
    LocaleFormat::SetUserDefault(&locale);

    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.emplace_back(argv[i]);
    }
    const Options options = ParseArguments(arguments, std::getenv("ORVANE_NO_SPLASH"));

    QtPrompter prompter;
    QtSettingsStore settings;
    int result = 0;
    {
        MainFrame frame(prompter, settings);
        prompter.SetOwner(&frame);
        InstallParts(frame, prompter, settings);
        if (options.splash) {
            SplashWindow().ShowFor(3000);
        }
        frame.OpenFromCommandLine(options.path);
        frame.ShowAsLastClosed();
        result = QApplication::exec();
    }
    LocaleFormat::SetUserDefault(nullptr);
    return result;
}

}  // namespace orvane
