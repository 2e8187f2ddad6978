#pragma once

#include <string>
#include <string_view>

namespace orvane {

// The name and city lines of printed addresses.
class AddressLines {
public:
    // "Anna Smith"; the last name alone when the first name is blank.
    static std::string NameLine(std::string_view firstName, std::string_view lastName);
    // "Boston, MA 02110"; "MA 02110" without a city; no trailing blank without a zip.
    static std::string CityLine(std::string_view city, std::string_view state,
                                std::string_view zip);
    // The owner's name on a return address: the first name without trailing blanks, a
    // blank and the last name, joined even when the first name is empty.
    static std::string ReturnNameLine(std::string_view firstName, std::string_view lastName);
    // The text without white space at either end.
    static std::string_view Trim(std::string_view text);
    static std::string_view TrimRight(std::string_view text);
};

}  // namespace orvane
