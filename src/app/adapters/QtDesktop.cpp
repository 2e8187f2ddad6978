#include "app/adapters/QtDesktop.h"

#include <QDesktopServices>
#include <QUrl>

#include "widgets/panes/DisplayText.h"

namespace orvane {

bool QtDesktop::OpenAddress(const std::string& address)
{
    return QDesktopServices::openUrl(QUrl(DisplayText::ToDisplay(address), QUrl::TolerantMode));
}

}  // namespace orvane
