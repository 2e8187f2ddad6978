#include "platform/PictureLocale.h"

#include "platform/CivilCalendar.h"
#include "platform/Clock.h"
#include "platform/DatePicture.h"
#include "platform/DateTextParser.h"

namespace orvane {

namespace {

bool IsRealDate(const SystemTime& t)
{
    return t.month >= 1 && t.month <= 12 && t.day >= 1 &&
           t.day <= CivilCalendar::DaysInMonth(t.year, t.month);
}

bool IsRealTime(const SystemTime& t)
{
    return t.hour <= 23 && t.minute <= 59 && t.second <= 59;
}

}  // namespace

std::string PictureLocale::FormatDate(const SystemTime& time, DateStyle style,
                                      std::string_view picture) const
{
    if (!IsRealDate(time)) {
        return {};
    }
    if (picture.empty()) {
        picture = style == DateStyle::Short ? m_names.shortDate : m_names.longDate;
    }
    return DatePicture::Expand(picture, DatePicture::Kind::Date, time, m_names);
}

std::string PictureLocale::FormatTime(const SystemTime& time, TimeStyle style,
                                      std::string_view picture) const
{
    if (!IsRealTime(time)) {
        return {};
    }
    if (picture.empty()) {
        picture = style == TimeStyle::NoSeconds ? m_names.timeNoSeconds : m_names.timeWithSeconds;
    }
    return DatePicture::Expand(picture, DatePicture::Kind::Time, time, m_names);
}

std::optional<SystemTime> PictureLocale::ParseDate(std::string_view text) const
{
    const int year = Clock::Current().LocalNow().year;
    auto parsed = DateTextParser::Parse(text, m_names, year);
    if (!parsed) {
        return std::nullopt;
    }
    SystemTime t;
    t.year = static_cast<uint16_t>(parsed->hasDate ? parsed->year : 1899);
    t.month = static_cast<uint16_t>(parsed->hasDate ? parsed->month : 12);
    t.day = static_cast<uint16_t>(parsed->hasDate ? parsed->day : 30);
    return t;
}

std::optional<SystemTime> PictureLocale::ParseTime(std::string_view text) const
{
    const int year = Clock::Current().LocalNow().year;
    auto parsed = DateTextParser::Parse(text, m_names, year);
    if (!parsed) {
        return std::nullopt;
    }
    SystemTime t;
    t.year = 1899;
    t.month = 12;
    t.day = 30;
    t.hour = static_cast<uint16_t>(parsed->hour);
    t.minute = static_cast<uint16_t>(parsed->minute);
    t.second = static_cast<uint16_t>(parsed->second);
    return t;
}

}  // namespace orvane
