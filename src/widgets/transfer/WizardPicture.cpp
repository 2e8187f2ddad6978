#include "widgets/transfer/WizardPicture.h"

#include "widgets/panes/IconLibrary.h"

#include <QPainter>

namespace orvane {

WizardPicture::WizardPicture(QWidget* parent)
    : QWidget(parent), m_renderer(IconLibrary::WizardPicturePath())
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

QSize WizardPicture::sizeHint() const
{
    return {fontMetrics().averageCharWidth() * 16, fontMetrics().height() * 16};
}

QRectF WizardPicture::FitInto(const QSizeF& picture, const QRectF& area)
{
    if (picture.isEmpty() || area.isEmpty()) {
        return {};
    }
    const QSizeF size = picture.scaled(area.size(), Qt::KeepAspectRatio);
    return {area.left() + (area.width() - size.width()) / 2, area.top(), size.width(),
            size.height()};
}

void WizardPicture::paintEvent(QPaintEvent*)
{
    if (!m_renderer.isValid()) {
        return;
    }
    QPainter painter(this);
    m_renderer.render(&painter, FitInto(m_renderer.defaultSize(), rect()));
}

}  // namespace orvane
