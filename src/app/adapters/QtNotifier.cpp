#include "app/adapters/QtNotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include "widgets/panes/DisplayText.h"

namespace orvane {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kDesktopEntry = QStringLiteral("com.kestrow.Orvane");

QDBusMessage Call(const QString& method)
{
    return QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
}

}  // namespace

QtNotifier::QtNotifier(QObject* parent) : QtNotifier(QDBusConnection::sessionBus(), parent) {}

QtNotifier::QtNotifier(const QDBusConnection& bus, QObject* parent) : QObject(parent), m_bus(bus)
{
    if (!m_bus.isConnected()) {
        return;
    }
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                  SLOT(OnActionInvoked(uint, QString)));
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                  SLOT(OnClosed(uint, uint)));
    // Whether "<" and "&" must be written as markup; asked once, without waiting.
    auto* watcher =
        new QDBusPendingCallWatcher(m_bus.asyncCall(Call(QStringLiteral("GetCapabilities"))), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QStringList> reply = *w;
        if (reply.isValid()) {
            m_markup = reply.value().contains(QStringLiteral("body-markup"));
        }
        w->deleteLater();
    });
}

void QtNotifier::Show(const Notice& notice, std::function<void()> clicked)
{
    Withdraw();
    m_clicked = std::move(clicked);
    if (!m_bus.isConnected()) {
        return;
    }
    const QString body = DisplayText::ToDisplay(notice.body);
    QDBusMessage call = Call(QStringLiteral("Notify"));
    // A reminder stays until it is answered, so its notice does not expire on its own.
    const QVariantMap hints{{QStringLiteral("desktop-entry"), kDesktopEntry},
                            {QStringLiteral("urgency"), QVariant::fromValue(uchar(2))}};
    call << QStringLiteral("Orvane!") << uint(0) << kDesktopEntry
         << DisplayText::ToDisplay(notice.summary) << (m_markup ? body.toHtmlEscaped() : body)
         << QStringList{QStringLiteral("default"), tr("Show")} << hints << int(0);
    const unsigned serial = ++m_serial;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, serial](QDBusPendingCallWatcher* w) {
                const QDBusPendingReply<uint> reply = *w;
                w->deleteLater();
                if (!reply.isValid()) {
                    return;
                }
                // Withdrawn before the service answered: take it away now.
                if (serial == m_serial && m_clicked) {
                    m_id = reply.value();
                } else {
                    Close(reply.value());
                }
            });
}

void QtNotifier::Withdraw()
{
    ++m_serial;
    m_clicked = nullptr;
    if (m_id != 0) {
        Close(m_id);
        m_id = 0;
    }
}

void QtNotifier::Close(uint id)
{
    QDBusMessage call = Call(QStringLiteral("CloseNotification"));
    call << id;
    m_bus.asyncCall(call);
}

void QtNotifier::OnActionInvoked(uint id, const QString& action)
{
    if (id == m_id && id != 0 && action == QLatin1String("default") && m_clicked) {
        m_clicked();
    }
}

void QtNotifier::OnClosed(uint id, uint)
{
    if (id == m_id) {
        m_id = 0;
    }
}

}  // namespace orvane
