#include "platform/DatePicture.h"

#include "platform/CivilCalendar.h"

namespace orvane {

namespace {

std::string Number(int value, size_t minDigits)
{
    std::string text = std::to_string(value);
    if (text.size() < minDigits) {
        text.insert(0, minDigits - text.size(), '0');
    }
    return text;
}

std::string DateField(char letter, size_t count, const SystemTime& t, const LocaleNames& names)
{
    switch (letter) {
        case 'd': {
            if (count <= 2) {
                return Number(t.day, count);
            }
            const int64_t days = CivilCalendar::DaysFromCivil(t.year, t.month, t.day);
            const int weekday = CivilCalendar::DayOfWeek(days);
            return count == 3 ? names.daysShort[weekday] : names.days[weekday];
        }
        case 'M':
            if (t.month < 1 || t.month > 12) {
                return {};
            }
            if (count <= 2) {
                return Number(t.month, count);
            }
            return count == 3 ? names.monthsShort[t.month - 1] : names.months[t.month - 1];
        case 'y':
            if (count <= 2) {
                return Number(t.year % 100, count);
            }
            return Number(t.year, 1);
        default:  // era: no era names in use
            return {};
    }
}

std::string TimeField(char letter, size_t count, const SystemTime& t, const LocaleNames& names)
{
    const size_t digits = count >= 2 ? 2 : 1;
    switch (letter) {
        case 'h': {
            const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
            return Number(hour12, digits);
        }
        case 'H':
            return Number(t.hour, digits);
        case 'm':
            return Number(t.minute, digits);
        case 's':
            return Number(t.second, digits);
        default: {  // 't': the marker, one character or all of it
            const std::string& marker = t.hour < 12 ? names.am : names.pm;
            return count == 1 ? marker.substr(0, 1) : marker;
        }
    }
}

bool IsField(char c, DatePicture::Kind kind)
{
    if (kind == DatePicture::Kind::Date) {
        return c == 'd' || c == 'M' || c == 'y' || c == 'g';
    }
    return c == 'h' || c == 'H' || c == 'm' || c == 's' || c == 't';
}

}  // namespace

std::string DatePicture::Expand(std::string_view picture, Kind kind, const SystemTime& time,
                                const LocaleNames& names)
{
    std::string out;
    size_t i = 0;
    while (i < picture.size()) {
        const char c = picture[i];
        if (c == '\'') {
            ++i;
            while (i < picture.size()) {
                if (picture[i] == '\'') {
                    if (i + 1 < picture.size() && picture[i + 1] == '\'') {
                        out += '\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                out += picture[i++];
            }
            continue;
        }
        if (!IsField(c, kind)) {
            out += c;
            ++i;
            continue;
        }
        size_t count = 1;
        while (i + count < picture.size() && picture[i + count] == c) {
            ++count;
        }
        out += kind == Kind::Date ? DateField(c, count, time, names)
                                  : TimeField(c, count, time, names);
        i += count;
    }
    return out;
}

}  // namespace orvane
