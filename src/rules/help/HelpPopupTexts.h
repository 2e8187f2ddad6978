#pragma once

#include <cstdint>
#include <string_view>

namespace orvane {

// The editors whose controls have popup help.
enum class HelpDialog { Person, Task, Appointment, User };

// The short texts of the context popups, by help number. The person picker and the
// transfer wizard use their fixed numbers; the editors get theirs from EditorHelpId.
class HelpPopupTexts {
public:
    // Empty when the number has no text.
    static std::string_view Text(uint32_t helpId);
    // The help number of an editor's control; 0 for a control without popup help.
    static uint32_t EditorHelpId(HelpDialog dialog, int controlId);
};

}  // namespace orvane
