#include "app/adapters/QtDialer.h"

#include "app/adapters/XdgOpener.h"
#include "widgets/panes/DisplayText.h"

namespace orvane {

bool QtDialer::Bind()
{
    return XdgOpener::IsAvailable();
}

int32_t QtDialer::RequestMakeCall(const std::string& number)
{
    if (!XdgOpener::HasHandler(QStringLiteral("tel"))) {
        return kNoRecipient;
    }
    return XdgOpener::Open(QStringLiteral("tel:") + DisplayText::ToDisplay(number)) ? kAccepted
                                                                                    : kFailed;
}

}  // namespace orvane
