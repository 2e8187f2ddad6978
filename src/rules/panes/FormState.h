#pragma once

#include <cstdint>

namespace orvane {

// Control ids of the three lists; also the values of ActiveList.
enum class PaneList : int { None = 0, Appointments = 1001, Tasks = 1002, PhoneBook = 1003 };

enum class Listing { WhitePages, YellowPages };

// The row and record the user picked in one list; -1 means none.
struct ListSelection {
    int row = -1;
    int32_t id = -1;
};

// What the three panes of the main form share: the list clicked last, the pick in each
// list, the phone book's listing and the report chosen last (0 while none).
struct FormState {
    PaneList activeList = PaneList::None;
    ListSelection person;
    ListSelection task;
    ListSelection appointment;
    Listing listing = Listing::WhitePages;
    int reportKind = 0;
};

}  // namespace orvane
