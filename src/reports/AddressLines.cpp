#include "reports/AddressLines.h"

namespace orvane {

namespace {

constexpr std::string_view kBlanks = " \t\r\n\f\v";

}  // namespace

std::string_view AddressLines::Trim(std::string_view text)
{
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string_view AddressLines::TrimRight(std::string_view text)
{
    const size_t last = text.find_last_not_of(kBlanks);
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

std::string AddressLines::NameLine(std::string_view firstName, std::string_view lastName)
{
    const std::string_view first = Trim(firstName);
    if (first.empty()) {
        return std::string(lastName);
    }
    std::string line(first);
    line += ' ';
    line += lastName;
    return line;
}

std::string AddressLines::CityLine(std::string_view city, std::string_view state,
                                   std::string_view zip)
{
    std::string line(Trim(city));
    if (!line.empty()) {
        line += ", ";
    }
    line += state;
    line += ' ';
    line += zip;
    return std::string(Trim(line));
}

std::string AddressLines::ReturnNameLine(std::string_view firstName, std::string_view lastName)
{
    std::string line(TrimRight(firstName));
    line += ' ';
    line += lastName;
    return line;
}

}  // namespace orvane
