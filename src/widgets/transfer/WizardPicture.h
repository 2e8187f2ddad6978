#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace orvane {

// The artwork on the left of every transfer wizard page, scaled into the widget with its
// proportions kept.
class WizardPicture : public QWidget {
    Q_OBJECT
public:
    explicit WizardPicture(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // Where the picture lands inside a rectangle: as large as fits, centred across, at top.
    static QRectF FitInto(const QSizeF& picture, const QRectF& area);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer m_renderer;
};

}  // namespace orvane
