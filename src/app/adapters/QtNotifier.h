#pragma once

#include <QDBusConnection>
#include <QObject>

#include "platform/Notifier.h"

namespace orvane {

// Desktop notifications through the freedesktop.org notification service on the session
// bus. Calls never wait for the service: without one, nothing is shown and nothing fails.
class QtNotifier : public QObject, public Notifier {
    Q_OBJECT
public:
    explicit QtNotifier(QObject* parent = nullptr);
    // On another bus, e.g. a private one in a test.
    QtNotifier(const QDBusConnection& bus, QObject* parent = nullptr);

    void Show(const Notice& notice, std::function<void()> clicked) override;
    void Withdraw() override;

private slots:
    void OnActionInvoked(uint id, const QString& action);
    void OnClosed(uint id, uint reason);

private:
    void Close(uint id);

    QDBusConnection m_bus;
    std::function<void()> m_clicked;
    uint m_id = 0;          // the notice on screen, 0 while none is known
    unsigned m_serial = 0;  // tells the reply to the latest Show from older ones
    bool m_markup = true;   // the service reads the body as markup
};

}  // namespace orvane
