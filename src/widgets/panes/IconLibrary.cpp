#include "widgets/panes/IconLibrary.h"

#include "platform/DataFileLocator.h"
#include "platform/ProgramDirectory.h"

#include <array>

namespace orvane {

QIcon IconLibrary::Priority(int priority)
{
    static const std::array<QIcon, 4> icons = {
        QIcon(":/icons/priority-high.svg"), QIcon(":/icons/priority-medium.svg"),
        QIcon(":/icons/priority-low.svg"), QIcon(":/icons/priority-done.svg")};
    if (priority < 0 || priority > 3) {
        return {};
    }
    return icons[static_cast<size_t>(priority)];
}

QIcon IconLibrary::Alarm(bool set)
{
    static const QIcon none(":/icons/alarm-none.svg");
    static const QIcon on(":/icons/alarm-set.svg");
    return set ? on : none;
}

QIcon IconLibrary::Toolbar(const QString& name)
{
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

QString IconLibrary::PicturePath()
{
    return Artwork("orvane.svg", QStringLiteral(":/icons/orvane.svg"));
}

QString IconLibrary::WizardPicturePath()
{
    return Artwork("transfer.svg", QStringLiteral(":/wizard/transfer.svg"));
}

QString IconLibrary::Artwork(const char* fileName, const QString& builtIn)
{
    const DataFileLocator locator(ProgramDirectory::Current(),
                                  DataFileLocator::ConfiguredDataDir());
    const std::string path = locator.Locate(std::string("artwork/") + fileName);
    return path.empty() ? builtIn : QString::fromStdString(path);
}

}  // namespace orvane
