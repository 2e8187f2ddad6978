#include "printing/QtCanvas.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "platform/TextDecoding.h"

namespace orvane {

namespace {

QString ToQString(std::string_view text)
{
    return QString::fromStdString(TextDecoding::ToUtf8(text));
}

}  // namespace

QtCanvas::QtCanvas(const DeviceMetrics& metrics, QPaintDevice& measure, QPainter* painter)
    : m_metrics(metrics), m_measure(measure), m_painter(painter)
{
    m_state.font = CreateFont("", 0, 400);
    m_qfont = ToQFont(m_state.font);
}

DeviceMetrics QtCanvas::MetricsOf(const QPagedPaintDevice& device)
{
    const int dpiX = device.logicalDpiX();
    const int dpiY = device.logicalDpiY();
    const QRectF inches = device.pageLayout().fullRect(QPageLayout::Inch);
    DeviceMetrics metrics;
    metrics.dpiX = dpiX;
    metrics.dpiY = dpiY;
    metrics.physicalWidth = qRound(inches.width() * dpiX);
    metrics.physicalHeight = qRound(inches.height() * dpiY);
    metrics.offsetX = 0;
    metrics.offsetY = 0;
    metrics.horzRes = metrics.physicalWidth;
    metrics.vertRes = metrics.physicalHeight;
    return metrics;
}

QFont QtCanvas::ToQFont(const Font& font)
{
    QFont qfont(QString::fromStdString(font.face));
    qfont.setStyleHint(QFont::Serif);
    // The layout is measured on the printer; hinting would make the screen's widths differ.
    qfont.setHintingPreference(QFont::PreferNoHinting);
    int pixels = std::abs(font.height);
    if (font.height > 0) {
        pixels = font.height * 4 / 5;
    }
    qfont.setPixelSize(std::max(1, pixels));
    qfont.setWeight(font.weight >= 600 ? QFont::Bold : QFont::Normal);
    return qfont;
}

int QtCanvas::GetDeviceCaps(DeviceCap cap) const
{
    return m_metrics.Cap(cap);
}

Font QtCanvas::CreateFont(std::string_view face, int height, int weight) const
{
    // The stock font: a sixth of an inch high.
    return Font{std::string(face), height == 0 ? -(m_metrics.dpiY / 6) : height, weight};
}

Font QtCanvas::SelectFont(const Font& font)
{
    Font previous = m_state.font;
    m_state.font = font;
    m_qfont = ToQFont(font);
    return previous;
}

TextMetrics QtCanvas::GetTextMetrics() const
{
    const QFontMetrics fm(m_qfont, &m_measure);
    return TextMetrics{fm.ascent() + fm.descent(), std::max(0, fm.leading()),
                       fm.averageCharWidth()};
}

Size QtCanvas::GetTextExtent(std::string_view text) const
{
    const QFontMetrics fm(m_qfont, &m_measure);
    return Size{fm.horizontalAdvance(ToQString(text)), fm.ascent() + fm.descent()};
}

void QtCanvas::DrawText(int x, int y, std::string_view text)
{
    // The point given is the text's top left; Qt draws from the baseline.
    const QFontMetrics fm(m_qfont, &m_measure);
    m_painter->setFont(m_qfont);
    m_painter->drawText(QPoint(x, y + fm.ascent()), ToQString(text));
}

void QtCanvas::TextOut(int x, int y, std::string_view text)
{
    if (m_painter != nullptr && !text.empty()) {
        DrawText(x, y, text);
    }
}

void QtCanvas::ClippedTextOut(int x, int y, const Rect& clip, std::string_view text)
{
    if (m_painter == nullptr || text.empty()) {
        return;
    }
    m_painter->save();
    m_painter->setClipRect(
        QRect(QPoint(clip.left, clip.top), QPoint(clip.right - 1, clip.bottom - 1)),
        Qt::IntersectClip);
    DrawText(x, y, text);
    m_painter->restore();
}

void QtCanvas::MoveTo(int x, int y)
{
    m_state.position = QPoint(x, y);
}

void QtCanvas::LineTo(int x, int y)
{
    const QPoint to(x, y);
    if (m_painter != nullptr) {
        // About a third of a point, like a printer's thinnest pen.
        QPen pen(Qt::black);
        pen.setWidth(std::max(1, m_metrics.dpiX / 200));
        m_painter->setPen(pen);
        m_painter->drawLine(m_state.position, to);
    }
    m_state.position = to;
}

void QtCanvas::SaveState()
{
    m_saved.push_back(m_state);
    if (m_painter != nullptr) {
        m_painter->save();
    }
}

void QtCanvas::RestoreState()
{
    if (m_saved.empty()) {
        return;
    }
    m_state = m_saved.back();
    m_saved.pop_back();
    m_qfont = ToQFont(m_state.font);
    if (m_painter != nullptr) {
        m_painter->restore();
    }
}

}  // namespace orvane
