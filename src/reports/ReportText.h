#pragma once

#include <string>

#include "data/PimDateTime.h"

namespace orvane {

// The texts the reports and the print loop put on paper and in the status bar.
class ReportText {
public:
    // "Page 3"
    static std::string PageFooter(int pageNumber);
    // "Page 3 of 5"
    static std::string PageStatus(int pageNumber, int pageCount);
    // A time of day in the user's conventions with the picture h':'mm t ("9:05 A").
    static std::string Time(const PimDateTime& value);
    // A date in the user's short format.
    static std::string Date(const PimDateTime& value);
};

}  // namespace orvane
