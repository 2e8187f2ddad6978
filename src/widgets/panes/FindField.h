#pragma once

#include <QLineEdit>

namespace orvane {

// The search field over the phone book: Escape empties it, Down and Tab hand the keyboard
// to the list below.
class FindField : public QLineEdit {
    Q_OBJECT
public:
    explicit FindField(QWidget* parent = nullptr);

signals:
    void leaveToList();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace orvane
