#pragma once

#include "platform/Canvas.h"

namespace orvane {

// The print preview's page and zoom: which page shows, the steps fit, 200, 400 and 800,
// and which of next, previous, zoom in and zoom out are on offer.
class PreviewNavigator {
public:
    static constexpr int kZoomSteps[] = {0, 200, 400, 800};  // 0: the page fits the window

    // Entering the preview: page 0 of the range 0 .. pageCount - 1, zoom at fit.
    void Start(int pageCount);
    // A new report after page setup: the range follows, the current page stays.
    void SetPageCount(int pageCount) { m_pageCount = pageCount; }

    int CurrentPage() const { return m_page; }
    int PageCount() const { return m_pageCount; }
    // The current page exists (an empty report shows nothing).
    bool HasPage() const { return m_page >= 0 && m_page < m_pageCount; }

    bool CanNext() const { return m_page < m_pageCount - 1; }
    bool CanPrevious() const { return m_page >= 1; }
    // Each returns whether the page changed.
    bool Next();
    bool Previous();

    // How many pixels wider and taller than the window the page canvas is; 0 at fit.
    int ZoomPixels() const { return kZoomSteps[m_zoomStep]; }
    bool IsFit() const { return m_zoomStep == 0; }
    bool CanZoomIn() const;
    bool CanZoomOut() const { return m_zoomStep > 0; }
    // Each returns whether the zoom changed.
    bool ZoomIn();
    bool ZoomOut();

    // The size of the page picture in hundredths of a millimetre: the printer's physical
    // page, rounded.
    static Size PictureSize(const Canvas& printer);

private:
    int m_page = 0;
    int m_pageCount = 0;
    int m_zoomStep = 0;
};

}  // namespace orvane
