#include "platform/LocaleNames.h"

namespace orvane {

LocaleNames LocaleNames::UnitedStates()
{
    LocaleNames n;
    n.months = {"January", "February", "March",     "April",   "May",      "June",
                "July",    "August",   "September", "October", "November", "December"};
    n.monthsShort = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    n.days = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    n.daysShort = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    n.am = "AM";
    n.pm = "PM";
    n.shortDate = "M/d/yyyy";
    n.longDate = "dddd, MMMM d, yyyy";
    n.timeWithSeconds = "h:mm:ss tt";
    n.timeNoSeconds = "h:mm tt";
    return n;
}

}  // namespace orvane
