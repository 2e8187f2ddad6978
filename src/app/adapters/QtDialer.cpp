#include "app/adapters/QtDialer.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "widgets/panes/DisplayText.h"

namespace orvane {

namespace {

constexpr int kQueryTimeoutMs = 5000;

bool HasTelHandler()
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("x-scheme-handler/tel")});
    if (!query.waitForFinished(kQueryTimeoutMs) || query.exitStatus() != QProcess::NormalExit ||
        query.exitCode() != 0) {
        return false;
    }
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

}  // namespace

bool QtDialer::Bind()
{
    return !QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty();
}

int32_t QtDialer::RequestMakeCall(const std::string& number)
{
    if (!HasTelHandler()) {
        return kNoRecipient;
    }
    const QUrl address(QStringLiteral("tel:") + DisplayText::ToDisplay(number), QUrl::TolerantMode);
    return QDesktopServices::openUrl(address) ? kAccepted : kFailed;
}

}  // namespace orvane
