#include "app/adapters/QtDesktop.h"

#include "app/adapters/XdgOpener.h"
#include "widgets/panes/DisplayText.h"

namespace orvane {

bool QtDesktop::OpenAddress(const std::string& address)
{
    const QString text = DisplayText::ToDisplay(address);
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    return colon > 0 && XdgOpener::HasHandler(text.left(colon)) && XdgOpener::Open(text);
}

}  // namespace orvane
