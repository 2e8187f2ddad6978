#pragma once

#include <QWidget>

class QToolButton;

namespace orvane {

// A pair of up and down arrows, as beside a time or a number the editor steps itself.
class ArrowButtons : public QWidget {
    Q_OBJECT
public:
    explicit ArrowButtons(QWidget* parent = nullptr);

    QToolButton* UpButton() const { return m_up; }
    QToolButton* DownButton() const { return m_down; }

signals:
    void stepped(bool up);

private:
    QToolButton* m_up;
    QToolButton* m_down;
};

}  // namespace orvane
