#include "app/adapters/XdgOpener.h"

#include <QProcess>
#include <QStandardPaths>

namespace orvane {

namespace {

constexpr int kQueryTimeoutMs = 5000;
// xdg-open fails within moments; without a desktop session it runs the handler itself and
// only returns when that program closes.
constexpr int kOpenWaitMs = 1500;

}  // namespace

bool XdgOpener::IsAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty();
}

bool XdgOpener::HasHandler(const QString& scheme)
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("x-scheme-handler/") + scheme});
    if (!query.waitForFinished(kQueryTimeoutMs) || query.exitStatus() != QProcess::NormalExit ||
        query.exitCode() != 0) {
        return false;
    }
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

bool XdgOpener::Open(const QString& address)
{
    // Not owned by anything: deleting a running QProcess would kill the handler with it.
    auto* opener = new QProcess;
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    opener->start(QStringLiteral("xdg-open"), {address});
    if (!opener->waitForStarted(kQueryTimeoutMs)) {
        delete opener;
        return false;
    }
    if (opener->waitForFinished(kOpenWaitMs)) {
        const bool opened = opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
        delete opener;
        return opened;
    }
    QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
    return true;
}

}  // namespace orvane
