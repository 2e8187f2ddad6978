#pragma once

#include "platform/Canvas.h"

namespace orvane {

// The device a print job sends its pages to (the printer's document between its start and
// its end).
class PrintTarget {
public:
    virtual ~PrintTarget() = default;

    // False when the device cannot take another page.
    virtual bool StartPage() = 0;
    // The canvas of the page just started.
    virtual Canvas& PageCanvas() = 0;
    // False when the page could not be finished or the user cancelled the job.
    virtual bool EndPage() = 0;
};

}  // namespace orvane
