#include "interop/IcalProperties.h"

#include <strings.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "data/PimDateTime.h"
#include "interop/IcalTime.h"
#include "interop/PropertyTally.h"

namespace orvane::interop {

void IcalProperties::Replace(icalcomponent* component, icalproperty_kind kind,
                             icalproperty* replacement)
{
    std::vector<icalproperty*> old;
    for (icalproperty* p = icalcomponent_get_first_property(component, kind); p;
         p = icalcomponent_get_next_property(component, kind)) {
        old.push_back(p);
    }
    for (icalproperty* p : old) {
        icalcomponent_remove_property(component, p);
        icalproperty_free(p);
    }
    if (replacement) {
        icalcomponent_add_property(component, replacement);
    }
}

void IcalProperties::CountOthers(icalcomponent* component,
                                 std::initializer_list<icalproperty_kind> known,
                                 PropertyTally* unmapped, icalcomponent* skipped)
{
    if (!unmapped) {
        return;
    }
    const icalproperty_kind title =
        icalcomponent_get_first_property(component, ICAL_SUMMARY_PROPERTY)
            ? ICAL_SUMMARY_PROPERTY
            : ICAL_DESCRIPTION_PROPERTY;
    const icalproperty_kind always[] = {ICAL_UID_PROPERTY,      ICAL_DTSTAMP_PROPERTY,
                                        ICAL_CREATED_PROPERTY,  ICAL_LASTMODIFIED_PROPERTY,
                                        ICAL_SEQUENCE_PROPERTY, title};
    for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_ANY_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_ANY_PROPERTY)) {
        const icalproperty_kind kind = icalproperty_isa(p);
        if (std::find(known.begin(), known.end(), kind) != known.end() ||
            std::find(std::begin(always), std::end(always), kind) != std::end(always)) {
            continue;
        }
        if (kind == ICAL_XLICERROR_PROPERTY) {
            unmapped->Add("unreadable lines");
            continue;
        }
        const char* name = icalproperty_get_property_name(p);
        if (name && std::strncmp(name, "X-ORVANE-", 9) != 0) {
            unmapped->Add(name);
        }
    }
    for (icalcomponent* c = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT); c;
         c = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT)) {
        if (c != skipped) {
            unmapped->Add(icalcomponent_kind_to_string(icalcomponent_isa(c)));
        }
    }
}

std::string IcalProperties::Uid(icalcomponent* component)
{
    const char* uid = icalcomponent_get_uid(component);
    return uid ? uid : "";
}

std::string IcalProperties::Title(icalcomponent* component)
{
    if (icalproperty* p = icalcomponent_get_first_property(component, ICAL_SUMMARY_PROPERTY)) {
        if (const char* summary = icalproperty_get_summary(p); summary && *summary) {
            return summary;
        }
    }
    if (icalproperty* p = icalcomponent_get_first_property(component, ICAL_DESCRIPTION_PROPERTY)) {
        if (const char* description = icalproperty_get_description(p)) {
            const std::string text = description;
            return text.substr(0, text.find_first_of("\r\n"));
        }
    }
    return {};
}

icaltimetype IcalProperties::Time(icalcomponent* component, icalproperty_kind kind)
{
    icalproperty* p = icalcomponent_get_first_property(component, kind);
    return p ? icalproperty_get_datetime_with_component(p, component) : icaltime_null_time();
}

icalproperty* IcalProperties::Stamp()
{
    return icalproperty_new_dtstamp(IcalTime::UtcFromLocal(PimDateTime::Now()));
}

std::string IcalProperties::XValue(icalcomponent* component, const char* name)
{
    for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_X_PROPERTY)) {
        const char* xName = icalproperty_get_x_name(p);
        if (xName && strcasecmp(xName, name) == 0) {
            const char* value = icalproperty_get_x(p);
            return value ? value : "";
        }
    }
    return {};
}

void IcalProperties::SetX(icalcomponent* component, const char* name, const std::string& value)
{
    std::vector<icalproperty*> old;
    for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_X_PROPERTY)) {
        const char* xName = icalproperty_get_x_name(p);
        if (xName && strcasecmp(xName, name) == 0) {
            old.push_back(p);
        }
    }
    for (icalproperty* p : old) {
        icalcomponent_remove_property(component, p);
        icalproperty_free(p);
    }
    if (!value.empty()) {
        icalproperty* p = icalproperty_new_x(value.c_str());
        icalproperty_set_x_name(p, name);
        icalcomponent_add_property(component, p);
    }
}

}  // namespace orvane::interop
