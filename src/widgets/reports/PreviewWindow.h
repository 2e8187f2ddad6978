#pragma once

#include <QScrollArea>

#include "platform/RecordingCanvas.h"

class QPaintDevice;

namespace orvane {

class Report;

// The print preview: one page of the current report drawn by the same code as the
// printout, scaled to fit the window or onto a canvas larger than the window by the zoom.
class PreviewWindow : public QScrollArea {
    Q_OBJECT
public:
    explicit PreviewWindow(QWidget* parent = nullptr);

    // The page to show, laid out for the printer (measure) with its metrics; a null report
    // or a page index of -1 shows no page.
    void ShowPage(Report* report, QPaintDevice* measure, const DeviceMetrics& metrics,
                  int pageIndex);
    int PageIndex() const { return m_pageIndex; }
    bool HasPage() const { return m_report != nullptr && m_pageIndex >= 0; }

    // How many pixels wider and taller than the window the page canvas is; 0 fits.
    void SetZoomPixels(int pixels);
    int ZoomPixels() const { return m_zoomPixels; }
    // Where the page lies on the canvas, in canvas pixels.
    QRect PageArea() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class PreviewPage;
    void PaintPage(QPainter& painter, const QRect& area);
    void FollowZoom();

    QWidget* m_canvas;
    Report* m_report = nullptr;
    QPaintDevice* m_measure = nullptr;
    DeviceMetrics m_metrics;
    int m_pageIndex = -1;
    int m_zoomPixels = 0;
};

}  // namespace orvane
