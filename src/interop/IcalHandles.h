#pragma once

#include <libical/ical.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace orvane::interop {

struct IcalComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
// A component tree this program owns.
using IcalComponentPtr = std::unique_ptr<icalcomponent, IcalComponentFree>;

// The text of a component, folded and escaped by libical.
inline std::string IcalText(icalcomponent* component)
{
    char* text = icalcomponent_as_ical_string_r(component);
    std::string result = text ? text : "";
    std::free(text);
    return result;
}

}  // namespace orvane::interop
