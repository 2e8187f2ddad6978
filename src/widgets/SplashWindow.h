#pragma once

#include <QWidget>

namespace orvane {

// The frameless window shown, centred on the screen, while the program starts: the
// picture, the slogan, the name and the version.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    // Shows the window and keeps it up for the given time, then closes it.
    void ShowFor(int milliseconds);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace orvane
