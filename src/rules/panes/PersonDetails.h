#pragma once

#include <array>
#include <string>

namespace orvane {

struct Person;

// The seven detail controls beside the phone book: a field of the selected person, or
// "Not Available" (disabled) when the field is empty or nobody is selected.
class PersonDetails {
public:
    struct Field {
        int controlId;
        std::string text;
        bool enabled;
    };
    static constexpr const char* kNotAvailable = "Not Available";

    // In the order the controls are set: home, work, pager, cellular, e-mail, fax, web.
    static std::array<Field, 7> Describe(const Person* person);
};

}  // namespace orvane
