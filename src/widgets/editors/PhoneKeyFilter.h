#pragma once

#include <QObject>

namespace orvane {

// Drops typed characters that cannot be part of a phone number; editing keys, shortcuts
// and pasting are not filtered.
class PhoneKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace orvane
