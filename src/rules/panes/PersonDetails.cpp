#include "rules/panes/PersonDetails.h"

#include "data/Person.h"

namespace orvane {

namespace {

PersonDetails::Field Show(int controlId, const std::string& value, const std::string& text)
{
    if (value.empty()) {
        return {controlId, PersonDetails::kNotAvailable, false};
    }
    return {controlId, text, true};
}

}  // namespace

std::array<PersonDetails::Field, 7> PersonDetails::Describe(const Person* person)
{
    static const Person kNobody;
    const Person& p = person ? *person : kNobody;
    const std::string work = p.WkExt.empty() ? p.WkPhone : p.WkPhone + "x" + p.WkExt;
    return {Show(1004, p.HmPhone, p.HmPhone), Show(1005, p.WkPhone, work),
            Show(1006, p.Pager, p.Pager),     Show(1009, p.CelPhone, p.CelPhone),
            Show(1008, p.EMail, p.EMail),     Show(1007, p.Fax, p.Fax),
            Show(1010, p.WebPage, p.WebPage)};
}

}  // namespace orvane
