#include "reports/PreviewNavigator.h"

#include <cmath>
#include <iterator>

namespace orvane {

namespace {

// Device units to hundredths of a millimetre, rounded.
int ToHundredthsMm(int units, int dotsPerInch)
{
    return dotsPerInch > 0 ? static_cast<int>(std::lround(units * 2540.0 / dotsPerInch)) : 0;
}

}  // namespace

void PreviewNavigator::Start(int pageCount)
{
    m_page = 0;
    m_pageCount = pageCount;
    m_zoomStep = 0;
}

bool PreviewNavigator::Next()
{
    if (!CanNext()) {
        return false;
    }
    ++m_page;
    return true;
}

bool PreviewNavigator::Previous()
{
    if (!CanPrevious()) {
        return false;
    }
    --m_page;
    return true;
}

bool PreviewNavigator::CanZoomIn() const
{
    return m_zoomStep + 1 < static_cast<int>(std::size(kZoomSteps));
}

bool PreviewNavigator::ZoomIn()
{
    if (!CanZoomIn()) {
        return false;
    }
    ++m_zoomStep;
    return true;
}

bool PreviewNavigator::ZoomOut()
{
    if (!CanZoomOut()) {
        return false;
    }
    --m_zoomStep;
    return true;
}

Size PreviewNavigator::PictureSize(const Canvas& printer)
{
    return Size{ToHundredthsMm(printer.GetDeviceCaps(DeviceCap::PhysicalWidth),
                               printer.GetDeviceCaps(DeviceCap::LogPixelsX)),
                ToHundredthsMm(printer.GetDeviceCaps(DeviceCap::PhysicalHeight),
                               printer.GetDeviceCaps(DeviceCap::LogPixelsY))};
}

}  // namespace orvane
