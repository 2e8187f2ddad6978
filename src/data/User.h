#pragma once

#include <string>

namespace orvane {

// The owner of the database: name and address for return addresses.
struct User {
    std::string LName;
    std::string FName;
    std::string Addr1;
    std::string Addr2;
    std::string City;
    std::string State;
    std::string Zip;
    std::string Position;
    std::string Company;

    bool operator==(const User&) const = default;
};

}  // namespace orvane
