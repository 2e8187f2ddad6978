#pragma once

#include <QDialog>

namespace orvane {

// "About Orvane!": the picture, the name, the version, the slogan and an OK button.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace orvane
