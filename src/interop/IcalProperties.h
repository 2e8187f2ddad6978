#pragma once

#include <libical/ical.h>

#include <initializer_list>
#include <string>

namespace orvane::interop {

class PropertyTally;

// Small steps on libical components that the mappings share.
class IcalProperties {
public:
    // Removes every property of the kind and adds the replacement (when not null).
    static void Replace(icalcomponent* component, icalproperty_kind kind,
                        icalproperty* replacement);
    // Counts the properties and inner components that are neither known nor this program's
    // own X-ORVANE- ones. The item's bookkeeping (UID, stamps, sequence) and its title
    // (SUMMARY, or DESCRIPTION when it stands in) count as known too. Components named in
    // skipped are not counted.
    static void CountOthers(icalcomponent* component,
                            std::initializer_list<icalproperty_kind> known, PropertyTally* unmapped,
                            icalcomponent* skipped = nullptr);
    // The item's UID; empty when it has none.
    static std::string Uid(icalcomponent* component);
    // SUMMARY, or else the first line of DESCRIPTION.
    static std::string Title(icalcomponent* component);
    // The date or date-time of the first property of the kind, zone resolved; null time
    // when absent.
    static icaltimetype Time(icalcomponent* component, icalproperty_kind kind);
    // DTSTAMP: now, in UTC.
    static icalproperty* Stamp();

    static std::string XValue(icalcomponent* component, const char* name);
    static void SetX(icalcomponent* component, const char* name, const std::string& value);
};

}  // namespace orvane::interop
