#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// A phone-book entry.
struct Person {
    int32_t ID = 0;
    std::string FName;
    std::string LName;
    std::string RName;  // display name, always derived by GetDisplayName()
    std::string Company;
    std::string Position;
    std::string Addr1;
    std::string Addr2;
    std::string City;
    std::string State;
    std::string Zip;
    std::string HmPhone;
    std::string WkPhone;
    std::string WkExt;
    std::string Fax;
    std::string Pager;
    std::string CelPhone;
    std::string EMail;
    std::string WebPage;
    std::string Notes;
    int32_t WhitePages = 0;   // listed in the personal listing
    int32_t YellowPages = 0;  // listed in the business listing
    std::string UID;          // of the vCard it came from or went to; empty for most

    // "Last, First", or whichever of the two is present; the company plays no part.
    std::string GetDisplayName() const;

    bool operator==(const Person&) const = default;
};

}  // namespace orvane
