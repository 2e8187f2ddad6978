#pragma once

#include <string>
#include <string_view>

#include "platform/LocaleNames.h"
#include "platform/SystemTime.h"

namespace orvane {

// Expands date and time pictures: d dd ddd dddd M MM MMM MMMM y yy yyyy for dates,
// h hh H HH m mm s ss t tt for times, 'quoted' literal text ('' is one apostrophe).
// Letters that are not part of the picture kind at hand are copied unchanged.
class DatePicture {
public:
    enum class Kind { Date, Time };

    static std::string Expand(std::string_view picture, Kind kind, const SystemTime& time,
                              const LocaleNames& names);
};

}  // namespace orvane
