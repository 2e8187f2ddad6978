#include "reports/ReportText.h"

#include "platform/LocaleFormat.h"

namespace orvane {

std::string ReportText::PageFooter(int pageNumber)
{
    return "Page " + std::to_string(pageNumber);
}

std::string ReportText::PageStatus(int pageNumber, int pageCount)
{
    return "Page " + std::to_string(pageNumber) + " of " + std::to_string(pageCount);
}

std::string ReportText::Time(const PimDateTime& value)
{
    return value.FormatTime(LocaleFormat::UserDefault(), TimeStyle::WithSeconds, "h':'mm t");
}

std::string ReportText::Date(const PimDateTime& value)
{
    return value.FormatDate(LocaleFormat::UserDefault(), DateStyle::Short);
}

}  // namespace orvane
