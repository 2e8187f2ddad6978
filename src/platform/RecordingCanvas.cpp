#include "platform/RecordingCanvas.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace orvane {

DeviceMetrics DeviceMetrics::Sheet(double widthInches, double heightInches, int dpi)
{
    DeviceMetrics m;
    m.dpiX = dpi;
    m.dpiY = dpi;
    m.physicalWidth = static_cast<int>(std::lround(widthInches * dpi));
    m.physicalHeight = static_cast<int>(std::lround(heightInches * dpi));
    m.horzRes = m.physicalWidth;
    m.vertRes = m.physicalHeight;
    return m;
}

RecordingCanvas::RecordingCanvas(DeviceMetrics metrics) : m_metrics(metrics)
{
    m_state.font = Font{"System", 0, 400};
}

int DeviceMetrics::Cap(DeviceCap cap) const
{
    switch (cap) {
        case DeviceCap::LogPixelsX:
            return dpiX;
        case DeviceCap::LogPixelsY:
            return dpiY;
        case DeviceCap::PhysicalWidth:
            return physicalWidth;
        case DeviceCap::PhysicalHeight:
            return physicalHeight;
        case DeviceCap::PhysicalOffsetX:
            return offsetX;
        case DeviceCap::PhysicalOffsetY:
            return offsetY;
        case DeviceCap::HorzRes:
            return horzRes;
        case DeviceCap::VertRes:
            return vertRes;
    }
    return 0;
}

int RecordingCanvas::GetDeviceCaps(DeviceCap cap) const
{
    return m_metrics.Cap(cap);
}

Font RecordingCanvas::CreateFont(std::string_view face, int height, int weight) const
{
    return Font{std::string(face), height, weight};
}

Font RecordingCanvas::SelectFont(const Font& font)
{
    return std::exchange(m_state.font, font);
}

int RecordingCanvas::CharacterHeight(const Font& font) const
{
    if (font.height < 0) {
        return -font.height;
    }
    if (font.height > 0) {
        return font.height * 4 / 5;
    }
    return m_metrics.dpiY / 6;
}

TextMetrics RecordingCanvas::MetricsOf(const Font& font) const
{
    const int c = CharacterHeight(font);
    TextMetrics tm;
    tm.height = c + c / 4;
    tm.externalLeading = c / 8;
    tm.aveCharWidth = font.weight >= 600 ? c * 11 / 20 : c / 2;
    return tm;
}

TextMetrics RecordingCanvas::GetTextMetrics() const
{
    return MetricsOf(m_state.font);
}

Size RecordingCanvas::GetTextExtent(std::string_view text) const
{
    // UTF-8 continuation bytes do not start a character.
    const auto chars = std::count_if(text.begin(), text.end(), [](char ch) {
        return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    });
    const TextMetrics tm = GetTextMetrics();
    return Size{static_cast<int>(chars) * tm.aveCharWidth, tm.height};
}

void RecordingCanvas::TextOut(int x, int y, std::string_view text)
{
    Item item;
    item.kind = Kind::Text;
    item.x = x;
    item.y = y;
    item.text = text;
    item.font = m_state.font;
    m_items.push_back(std::move(item));
}

void RecordingCanvas::ClippedTextOut(int x, int y, const Rect& clip, std::string_view text)
{
    Item item;
    item.kind = Kind::ClippedText;
    item.x = x;
    item.y = y;
    item.clip = clip;
    item.text = text;
    item.font = m_state.font;
    m_items.push_back(std::move(item));
}

void RecordingCanvas::MoveTo(int x, int y)
{
    m_state.x = x;
    m_state.y = y;
}

void RecordingCanvas::LineTo(int x, int y)
{
    Item item;
    item.kind = Kind::Line;
    item.x = m_state.x;
    item.y = m_state.y;
    item.x2 = x;
    item.y2 = y;
    item.font = m_state.font;
    m_items.push_back(std::move(item));
    m_state.x = x;
    m_state.y = y;
}

void RecordingCanvas::SaveState()
{
    m_saved.push_back(m_state);
}

void RecordingCanvas::RestoreState()
{
    if (m_saved.empty()) {
        ++m_unbalancedRestores;
        return;
    }
    m_state = m_saved.back();
    m_saved.pop_back();
}

std::vector<RecordingCanvas::Item> RecordingCanvas::Texts() const
{
    std::vector<Item> texts;
    std::copy_if(m_items.begin(), m_items.end(), std::back_inserter(texts),
                 [](const Item& item) { return item.kind != Kind::Line; });
    return texts;
}

std::vector<RecordingCanvas::Item> RecordingCanvas::Lines() const
{
    std::vector<Item> lines;
    std::copy_if(m_items.begin(), m_items.end(), std::back_inserter(lines),
                 [](const Item& item) { return item.kind == Kind::Line; });
    return lines;
}

}  // namespace orvane
