#include "widgets/reports/PreviewWindow.h"

#include <QPainter>
#include <QResizeEvent>

#include "printing/QtCanvas.h"
#include "reports/PrintLoop.h"
#include "reports/Report.h"

namespace orvane {

// The scrolled canvas the page is painted on.
class PreviewPage : public QWidget {
public:
    explicit PreviewPage(PreviewWindow& window) : QWidget(&window), m_window(window) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Dark));
        m_window.PaintPage(painter, m_window.PageArea());
    }

private:
    PreviewWindow& m_window;
};

namespace {

constexpr int kGap = 8;  // around the sheet

}  // namespace

PreviewWindow::PreviewWindow(QWidget* parent)
    : QScrollArea(parent), m_canvas(new PreviewPage(*this))
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setWidget(m_canvas);
    setWidgetResizable(true);
}

void PreviewWindow::ShowPage(Report* report, QPaintDevice* measure, const DeviceMetrics& metrics,
                             int pageIndex)
{
    m_report = report;
    m_measure = measure;
    m_metrics = metrics;
    m_pageIndex = report != nullptr && measure != nullptr ? pageIndex : -1;
    m_canvas->update();
}

void PreviewWindow::SetZoomPixels(int pixels)
{
    m_zoomPixels = pixels;
    FollowZoom();
}

void PreviewWindow::FollowZoom()
{
    setWidgetResizable(m_zoomPixels == 0);
    if (m_zoomPixels != 0) {
        m_canvas->resize(viewport()->size() + QSize(m_zoomPixels, m_zoomPixels));
    }
    m_canvas->update();
}

void PreviewWindow::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    FollowZoom();
}

QRect PreviewWindow::PageArea() const
{
    const QRect room = m_canvas->rect().adjusted(kGap, kGap, -kGap, -kGap);
    if (m_metrics.physicalWidth <= 0 || m_metrics.physicalHeight <= 0 || room.isEmpty()) {
        return {};
    }
    const double scale = std::min(double(room.width()) / m_metrics.physicalWidth,
                                  double(room.height()) / m_metrics.physicalHeight);
    const QSize size(qRound(m_metrics.physicalWidth * scale),
                     qRound(m_metrics.physicalHeight * scale));
    return QRect(QPoint(room.left() + (room.width() - size.width()) / 2,
                        room.top() + (room.height() - size.height()) / 2),
                 size);
}

void PreviewWindow::PaintPage(QPainter& painter, const QRect& area)
{
    if (!HasPage() || area.isEmpty()) {
        return;
    }
    painter.fillRect(area, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(area.topLeft());
    painter.scale(double(area.width()) / m_metrics.physicalWidth,
                  double(area.height()) / m_metrics.physicalHeight);
    QtCanvas canvas(m_metrics, *m_measure, &painter);
    PrintLoop::DrawPage(*m_report, canvas, static_cast<uint32_t>(m_pageIndex), {});
}

}  // namespace orvane
