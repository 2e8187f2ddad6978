#pragma once

#include <QFont>
#include <QPoint>
#include <vector>

#include "platform/Canvas.h"
#include "platform/RecordingCanvas.h"

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace orvane {

// A canvas over a QPainter: the printer, a PDF file or the preview's page. Fonts are
// measured on the measuring device (the printer), so a page laid out for the printer keeps
// its positions when the preview paints it scaled onto the screen.
class QtCanvas : public Canvas {
public:
    // Without a painter the canvas only measures (the information canvas of a report).
    QtCanvas(const DeviceMetrics& metrics, QPaintDevice& measure, QPainter* painter = nullptr);

    // The metrics of a paged device whose painter starts at the sheet's corner.
    static DeviceMetrics MetricsOf(const QPagedPaintDevice& device);
    // The Qt font for a report font: a negative height is the character height in device
    // units, a positive one the cell height.
    static QFont ToQFont(const Font& font);

    const DeviceMetrics& Metrics() const { return m_metrics; }

    int GetDeviceCaps(DeviceCap cap) const override;
    Font CreateFont(std::string_view face, int height, int weight) const override;
    Font SelectFont(const Font& font) override;
    TextMetrics GetTextMetrics() const override;
    Size GetTextExtent(std::string_view text) const override;
    void TextOut(int x, int y, std::string_view text) override;
    void ClippedTextOut(int x, int y, const Rect& clip, std::string_view text) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void SaveState() override;
    void RestoreState() override;

private:
    struct State {
        Font font;
        QPoint position;
    };

    void DrawText(int x, int y, std::string_view text);

    DeviceMetrics m_metrics;
    QPaintDevice& m_measure;
    QPainter* m_painter;
    State m_state;
    QFont m_qfont;
    std::vector<State> m_saved;
};

}  // namespace orvane
